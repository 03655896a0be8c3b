// A host of the installed library: it shows floor 5 of a raster directory the way a desktop host
// does on every repaint, into an in-memory picture control written out as a PNG, and uses a few
// of GTool's helpers. Only <tessera/tessera.hpp> is included.
//
//   host RASTERDIR OUT.png
#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <tessera/tessera.hpp>

namespace {

constexpr int32_t kFloor = 5, kFloorWidth = 42000, kFloorHeight = 29700;

// World (floor) coordinates to the pixels of a control, the whole floor shown.
std::shared_ptr<mensura::MensTrans> FitFloor(const tessera::platform::Canvas& canvas) {
  auto trans = std::make_shared<mensura::MensTrans>();
  trans->Factor(
      std::min(double(canvas.ScaleWidth()) / kFloorWidth, double(canvas.ScaleHeight()) / kFloorHeight));
  return trans;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: host RASTERDIR OUT.png\n");
    return 2;
  }
  try {
    tessera::GTool& tool = tessera::SharedGTool();
    const auto raster = tool.RasterBgrdFromIni(kFloor, kFloorHeight, argv[1]);
    if (!raster) {
      std::fprintf(stderr, "host: %s holds no raster for floor %d\n", argv[1], kFloor);
      return 1;
    }
    auto canvas = std::make_shared<tessera::platform::Canvas>(840, 594);
    auto trans = FitFloor(*canvas);
    auto clip = std::make_shared<mensura::MensRect>();
    clip->Right(kFloorWidth), clip->Bottom(kFloorHeight);
    tessera::platform::ObjectRef control = canvas;
    raster->Draw(control, trans, clip);
    tessera::platform::WritePng(*canvas, argv[2]);

    std::printf("tessera %.*s: floor %d shows %s (%d x %d pixels, Zoom %d) in %s\n",
                static_cast<int>(tessera::Version().size()), tessera::Version().data(), kFloor,
                tool.DateiName(raster->FilePath()).c_str(), raster->Width(), raster->Height(), raster->Zoom(),
                argv[2]);
    std::printf("ParaGib(\"a;;b;\", \";\", 3) = %s\n", tool.ParaGib("a;;b;", ";", 3).c_str());
    std::printf("RInStr(\"a\\b\\c\", \"\\\") = %s\n", tool.RInStr("a\\b\\c", "\\").c_str());
    try {
      mensura::RoundToLong(1e300);  // passes its error on, as a RuntimeError the host can catch
    } catch (const tessera::platform::RuntimeError& error) {
      std::printf("RoundToLong(1e300) fails: %d %s\n", error.number(), error.description().c_str());
    }
    return 0;
  } catch (const tessera::platform::RuntimeError& error) {
    std::fprintf(stderr, "host: error %d: %s\n", error.number(), error.description().c_str());
    return 1;
  }
}
