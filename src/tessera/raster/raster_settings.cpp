#include "tessera/raster/raster_settings.hpp"

#include "tessera/tool/gtool.hpp"

namespace tessera {

std::string RasterSectionName(std::string_view prefix, int32_t id) {
  return std::string(prefix) + std::to_string(id);
}

std::string RasterIniPath(const std::string& raster_dir) {
  return raster_dir + "\\" + std::string(kRasterIniFile);
}

void WriteRasterSection(const std::string& file, const std::string& section, const RasterValues& values) {
  for (std::size_t i = 0; i < kRasterKeys.size(); ++i) {
    SharedGTool().WriteIniString(file, section, std::string(kRasterKeys[i]), values[i]);
  }
}

}  // namespace tessera
