#include "render.hpp"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <iostream>
#include <map>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "call_answer.hpp"
#include "options.hpp"
#include "tessera/platform/gdi/gdi_objects.hpp"
#include "tessera/platform/gdi/text_out.hpp"
#include "tessera/platform/picture/picture_loader.hpp"
#include "tessera/platform/runtime/codepage.hpp"
#include "tessera/platform/runtime/error.hpp"
#include "tessera/platform/runtime/host_path.hpp"
#include "tessera/platform/surface/png_writer.hpp"
#include "tessera/platform/surface/printer.hpp"
#include "tessera/raster/crasterbgrd.hpp"
#include "tessera/raster/raster_settings.hpp"
#include "tessera/text/cfont.hpp"
#include "tessera/text/ctextattribut.hpp"
#include "tessera/tool/gtool.hpp"

namespace tessera::cli {

namespace {

constexpr int32_t kOutlineColour = 0x0000FF;  // red, as a colour value
constexpr double kDefaultSize[] = {1600, 1200};
constexpr int32_t kLabelMargin = 8;  // pixels between the floor's corner and its caption
constexpr int32_t kPointsPerInch = 72;

using Kind = OptionSyntax::Kind;

// A failure that is no run-time error of the library, said in a sentence that names its subject.
class Failure : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The options of both commands that name a floor: its size in world units and its kind.
std::vector<OptionSyntax> FloorOptions(std::vector<OptionSyntax> more) {
  more.insert(more.begin(), {{"--height", Kind::kWhole, 1, ',', true},
                             {"--width", Kind::kWhole, 1, ',', true},
                             {"--so", Kind::kFlag}});
  return more;
}

// The floor's raster as the host gets it from the factory; nullptr when the section holds none.
std::shared_ptr<RasterBackground> FromIni(const ParsedCommand& command, const std::string& directory,
                                          int32_t floor) {
  const int32_t height = command.whole("--height");
  if (command.has("--so")) return SharedGTool().RasterBgrdFromIniSo(floor, height, directory);
  return SharedGTool().RasterBgrdFromIni(floor, height, directory);
}

std::shared_ptr<RasterBackground> NewRaster(const ParsedCommand& command) {
  if (command.has("--so")) return std::make_shared<CRasterBgrdSo>();
  return std::make_shared<CRasterBgrd>();
}

// The raster directory as the library takes it: absolute, without a trailing separator, so that
// "Raster/" and "./Raster" name the same directory as "Raster". Missing, it is the error.
std::string RasterDirectory(const std::string& given) {
  std::filesystem::path path = std::filesystem::absolute(given).lexically_normal();
  if (!path.has_filename()) path = path.parent_path();
  if (!std::filesystem::is_directory(path)) throw Failure("raster directory '" + given + "' does not exist");
  return platform::ToLibraryPath(path);
}

// The section of "Raster.ini" that records the floor (or, with --so, the level).
std::string FloorSection(const ParsedCommand& command, int32_t floor) {
  return RasterSectionName(command.has("--so") ? kSecondKindPrefix : "", floor);
}

// Why a floor has no raster background: nothing recorded for it, or a raster file that did not load.
std::string NoRasterReason(const ParsedCommand& command, const std::string& directory, int32_t floor) {
  const std::string file =
      SharedGTool().GetIniString(RasterIniPath(directory), FloorSection(command, floor), "Datei", "");
  if (file.empty())
    return "'" + command.positional(0) + "' holds no raster background for " +
           (command.has("--so") ? "level " : "floor ") + std::to_string(floor);
  return "the raster file '" + platform::ToHostPath(file).string() + "' of " +
         (command.has("--so") ? "level " : "floor ") + std::to_string(floor) + " did not load";
}

// World to device for a view of the floor shown whole and centred on a surface.
std::shared_ptr<mensura::MensTrans> Fit(const std::vector<double>& view, int32_t width, int32_t height) {
  const double view_width = view[2] - view[0], view_height = view[3] - view[1];
  const double factor = std::min(width / view_width, height / view_height);
  auto trans = std::make_shared<mensura::MensTrans>();
  trans->Factor(factor);
  trans->Dx(static_cast<int32_t>(std::lround(view[0] - (width / factor - view_width) / 2)));
  trans->Dy(static_cast<int32_t>(std::lround(view[1] - (height / factor - view_height) / 2)));
  return trans;
}

void DrawOutline(platform::PictureControl& control, const mensura::MensTrans& trans, int32_t width,
                 int32_t height) {
  mensura::MensRect floor;
  floor.Right(width), floor.Bottom(height);
  trans.TransformRect(floor);
  control.DrawWidth(2);
  control.Line(static_cast<float>(floor.Left()), static_cast<float>(floor.Top()),
               static_cast<float>(floor.Right()), static_cast<float>(floor.Bottom()),
               platform::LineShape::kBox, kOutlineColour);
}

// The caption's font from "--font NAME,POINTS" (Arial at 12 points without it), as a host keeps it.
CTextAttribut LabelFont(const ParsedCommand& command) {
  CTextAttribut font;
  if (!command.has("--font")) return font;
  const std::string& given = command.text("--font");
  const std::size_t comma = given.rfind(',');
  if (comma == std::string::npos || comma == 0)
    throw UsageError("--font needs NAME,POINTS, not '" + given + "'");
  const int32_t points = WholeNumber("--font", given.substr(comma + 1));
  if (points < 1 || points > 1000) throw UsageError("--font: the size must be 1 to 1000 points");
  font.FontName(given.substr(0, comma));
  font.FontSize(static_cast<int16_t>(points));
  return font;
}

// Writes the caption inside the floor's top left corner with CFont and TextOut, as a host labels
// its drawing; false when the font could not be put on the surface.
bool DrawLabel(std::shared_ptr<platform::PictureControl> control, const mensura::MensTrans& trans,
               int32_t width, int32_t height, const std::string& label, const CTextAttribut& font) {
  mensura::MensRect floor;
  floor.Right(width), floor.Bottom(height);
  trans.TransformRect(floor);
  const int32_t hdc = control->hDC();
  const int32_t pixels =
      font.FontSize() * platform::GetDeviceCaps(hdc, platform::LOGPIXELSY) / kPointsPerInch;
  platform::ObjectRef dc = control;
  CFont switcher;
  if (!switcher.ChangeFont(dc, pixels, 0, font.FontBold(), font.FontItalic(), font.FontUnderline(),
                           font.FontStrikeThrough(), font.FontName()))
    return false;
  const int32_t x = std::max(std::min(floor.Left(), floor.Right()), 0) + kLabelMargin;
  const int32_t y = std::max(std::min(floor.Top(), floor.Bottom()), 0) + kLabelMargin;
  const bool drawn = platform::TextOutA(hdc, x, y, platform::ToAnsi(label));
  switcher.Reset();
  return drawn;
}

// Runs one command: its JSON answer on stdout and 0; a failure said on stderr and 1; a run-time
// error's answer and 1.
template <typename Command>
int Answered(Command&& command) {
  try {
    std::cout << Dump(command()) << '\n';
    return 0;
  } catch (const Failure& failure) {
    std::cerr << "tessera: " << failure.what() << '\n';
    return 1;
  } catch (...) {
    std::cout << Dump(ErrorAnswer(platform::ToRuntimeError())) << '\n';
    return 1;
  }
}

// A library path as the answers show it, in the notation of the command line.
std::string Shown(const std::string& library_path) {
  return platform::ToHostPath(library_path).string();
}

std::shared_ptr<platform::PictureControl> NewControl(const ParsedCommand& command) {
  if (command.has("--printer")) return std::make_shared<platform::Printer>();
  const auto& size = command.has("--size")
                         ? command.numbers("--size")
                         : std::vector<double>(std::begin(kDefaultSize), std::end(kDefaultSize));
  return std::make_shared<platform::Canvas>(static_cast<int32_t>(size[0]), static_cast<int32_t>(size[1]));
}

// Writes the drawing to the -o file (or its numbered pages) and answers the files as the user
// named them; a file that cannot be written is named in the failure.
std::vector<std::string> WriteDrawing(const platform::PictureControl& control, const std::string& out) {
  try {
    if (const auto* printer = dynamic_cast<const platform::Printer*>(&control)) {
      std::vector<std::string> pages = printer->WritePages(platform::ToLibraryPath(out));
      for (std::string& page : pages) page = Shown(page);
      return pages;
    }
    platform::WritePng(static_cast<const platform::Canvas&>(control), platform::ToLibraryPath(out));
    return {out};
  } catch (const platform::RuntimeError& error) {
    throw Failure("cannot write '" + out + "': " + error.description());
  }
}

nlohmann::ordered_json Placement(const RasterBackground& raster) {
  return {{"placed", Shown(raster.FilePath())},
          {"Dx", raster.Dx()},
          {"Dy", raster.Dy()},
          {"Zoom", raster.Zoom()}};
}

// A surface counts against the budget of a picture load, at 4 bytes a pixel.
bool WithinPictureBudget(const std::vector<double>& size) {
  const double width = std::abs(size[0]), height = std::abs(size[1]);
  return width <= INT32_MAX && height <= INT32_MAX &&
         platform::CanvasFitsPictureBudget(static_cast<uint64_t>(width), static_cast<uint64_t>(height));
}

}  // namespace

const CommandSyntax& RenderCommand() {
  static const CommandSyntax syntax{
      "render",
      "render RASTERDIR FLOOR --height H --width W [--so] [--view L,T,R,B] [--size WxH] [--printer] "
      "[--label TEXT [--font NAME,POINTS]] -o OUT.png",
      "Draws the raster background of floor FLOOR, as \"Raster.ini\" in RASTERDIR records it, with the\n"
      "floor's outline into the PNG file OUT.png. The floor is W wide and H high in world units.\n"
      "  --so              a level of the second kind instead of a floor\n"
      "  --view L,T,R,B    only that part of the floor, in world units (default: all of it)\n"
      "  --size WxH        the picture's size in pixels (default 1600x1200)\n"
      "  --printer         onto printer pages, written as OUT-1.png, OUT-2.png, ...\n"
      "  --label TEXT      a caption inside the floor's top left corner, drawn through CFont\n"
      "  --font NAME,POINTS  the caption's font (default Arial, 12 points)\n"
      "Answers {\"written\":[files],\"size\":[w,h],\"raster\":file,\"picture\":[w,h]}.\n",
      {"RASTERDIR", "FLOOR"},
      FloorOptions({{"--view", Kind::kNumbers, 4, ','},
                    {"--size", Kind::kNumbers, 2, 'x'},
                    {"--printer", Kind::kFlag},
                    {"--label", Kind::kText},
                    {"--font", Kind::kText},
                    {"-o", Kind::kText, 1, ',', true}})};
  return syntax;
}

const CommandSyntax& PlaceCommand() {
  static const CommandSyntax syntax{
      "place",
      "place RASTERDIR FLOOR FILE --height H --width W [--so]",
      "Loads the raster file FILE, fits it into floor FLOOR (W wide, H high in world units) and\n"
      "records its placement in RASTERDIR's \"Raster.ini\": a file inside RASTERDIR by its bare name,\n"
      "any other by its full path.\n"
      "  --so              a level of the second kind instead of a floor\n"
      "Answers {\"placed\":file,\"Dx\":dx,\"Dy\":dy,\"Zoom\":zoom}.\n",
      {"RASTERDIR", "FLOOR", "FILE"},
      FloorOptions({})};
  return syntax;
}

int Render(const ParsedCommand& command) {
  const int32_t floor = WholeNumber("FLOOR", command.positional(1));
  const int32_t width = command.whole("--width"), height = command.whole("--height");
  const std::vector<double> view = command.has("--view")
                                       ? command.numbers("--view")
                                       : std::vector<double>{0, 0, double(width), double(height)};
  if (view[2] <= view[0] || view[3] <= view[1]) throw UsageError("--view needs L < R and T < B");
  if (command.has("--size") && (command.numbers("--size")[0] < 1 || command.numbers("--size")[1] < 1))
    throw UsageError("--size needs a width and a height of at least 1");
  const CTextAttribut label_font = LabelFont(command);
  return Answered([&] {
    if (command.has("--size") && !command.has("--printer") && !WithinPictureBudget(command.numbers("--size")))
      throw Failure("the size " + command.text("--size") + " is past the picture budget");
    const std::string directory = RasterDirectory(command.positional(0));
    const auto raster = FromIni(command, directory, floor);
    if (!raster) throw Failure(NoRasterReason(command, directory, floor));

    const auto control = NewControl(command);
    auto trans = Fit(view, control->ScaleWidth(), control->ScaleHeight());
    auto clip = std::make_shared<mensura::MensRect>();
    clip->Left(static_cast<int32_t>(view[0])), clip->Top(static_cast<int32_t>(view[1]));
    clip->Right(static_cast<int32_t>(view[2])), clip->Bottom(static_cast<int32_t>(view[3]));
    platform::ObjectRef pb = control;
    raster->Draw(pb, trans, clip);
    DrawOutline(*control, *trans, width, height);
    if (command.has("--label") &&
        !DrawLabel(control, *trans, width, height, command.text("--label"), label_font))
      throw Failure("the label could not be drawn");
    return nlohmann::ordered_json{{"written", WriteDrawing(*control, command.text("-o"))},
                                  {"size", {control->ScaleWidth(), control->ScaleHeight()}},
                                  {"raster", Shown(raster->FilePath())},
                                  {"picture", {raster->Width(), raster->Height()}}};
  });
}

int Place(const ParsedCommand& command) {
  const int32_t floor = WholeNumber("FLOOR", command.positional(1));
  // A floor without extent cannot be fitted; ruled out here, every failure of GenTrans is its write.
  if (command.whole("--width") < 1 || command.whole("--height") < 1)
    throw UsageError("--width and --height must be at least 1");
  return Answered([&] {
    std::string directory = RasterDirectory(command.positional(0));
    const std::string& file = command.positional(2);
    const auto raster = NewRaster(command);
    // The file as the user named it from here; the library then keeps it by its bare name when it
    // lies in the raster directory.
    const std::string absolute = platform::ToLibraryPath(std::filesystem::absolute(file).lexically_normal());
    if (!raster->LoadRasterFile(absolute, floor, command.whole("--height"), true, directory))
      throw Failure("the raster file '" + file + "' did not load");
    try {
      raster->GenTrans(command.whole("--width"));
    } catch (const platform::RuntimeError& error) {
      throw Failure("cannot write '" + Shown(RasterIniPath(directory)) + "': " + error.description());
    }
    return Placement(*raster);
  });
}

}  // namespace tessera::cli
