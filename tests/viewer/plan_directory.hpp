// A raster directory for the viewer's tests: floor 5 of 20 000 x 10 000 world units with a
// 200 x 100 colour plan at 100 units per pixel, red in its left half and blue in its right.
#pragma once

#include <filesystem>
#include <fstream>

#include "scan_files.hpp"
#include "support/temp_dir.hpp"
#include "tessera/platform/runtime/host_path.hpp"
#include "tessera/raster/raster_settings.hpp"
#include "tessera/tool/gtool.hpp"

namespace tessera::viewer::testing {

inline constexpr uint32_t kRed = 0xFF0000, kBlue = 0x0000FF;

class PlanDirectory {
 public:
  PlanDirectory() {
    examples::WriteBmpFile(dir_.path() / "plan.bmp", 200, 100, 24, {}, [](int32_t, std::span<uint8_t> row) {
      for (std::size_t x = 0; x < 200; ++x) row[3 * x + (x < 100 ? 2 : 0)] = 0xFF;
    });
    std::ofstream(dir_.path() / "Raster.ini")
        << "[5]\r\nDatei=plan.bmp\r\nDX=0\r\nDY=0\r\nFaktor=100\r\nSichtbar=Wahr\r\n";
  }

  std::string path() const { return platform::ToLibraryPath(dir_.path()); }
  std::string File(std::string_view name) const { return dir_.File(name); }
  std::filesystem::path Ini() const { return platform::ToHostPath(RasterIniPath(path())); }
  // A key of a floor's section as "Raster.ini" holds it ("" when missing).
  std::string Stored(const char* key, const char* floor = "5") const {
    return SharedGTool().GetIniString(RasterIniPath(path()), floor, key, "");
  }
  // Takes the right to write "Raster.ini" away, or gives it back.
  void Writable(bool writable) const {
    std::filesystem::permissions(
        Ini(), std::filesystem::perms::owner_write,
        writable ? std::filesystem::perm_options::add : std::filesystem::perm_options::remove);
  }

 private:
  tessera::testing::TempDir dir_;
};

}  // namespace tessera::viewer::testing
