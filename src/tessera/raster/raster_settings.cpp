#include "tessera/raster/raster_settings.hpp"

#include "tessera/tool/ini_values.hpp"

namespace tessera {

std::string RasterSectionName(std::string_view prefix, int32_t id) {
  return std::string(prefix) + std::to_string(id);
}

std::string RasterIniPath(const std::string& raster_dir) {
  return raster_dir + "\\" + std::string(kRasterIniFile);
}

void WriteRasterSection(const std::string& file, const std::string& section, const RasterValues& values) {
  IniValues record;
  for (std::size_t i = 0; i < kRasterKeys.size(); ++i) record.emplace_back(kRasterKeys[i], values[i]);
  WriteIniValues(file, section, record);
}

}  // namespace tessera
