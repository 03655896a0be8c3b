#include "floor_list.hpp"

#include <QCoreApplication>
#include <charconv>
#include <filesystem>

#include "tessera/platform/runtime/collection.hpp"
#include "tessera/platform/runtime/convert.hpp"
#include "tessera/platform/runtime/host_path.hpp"
#include "tessera/raster/crasterbgrd.hpp"
#include "tessera/raster/raster_settings.hpp"
#include "tessera/tool/gtool.hpp"

namespace tessera::viewer {
namespace {

std::optional<int32_t> WholeNumber(std::string_view text) {
  int32_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || text.empty()) return std::nullopt;
  return value;
}

}  // namespace

std::string FloorEntry::Label() const {
  const char* label = second_kind ? QT_TRANSLATE_NOOP("tessera::viewer::FloorEntry", "Level So%1")
                                  : QT_TRANSLATE_NOOP("tessera::viewer::FloorEntry", "Floor %1");
  return QCoreApplication::translate("tessera::viewer::FloorEntry", label).arg(id).toStdString();
}

std::optional<FloorEntry> EntryOfSection(std::string_view section) {
  const bool second_kind = section.starts_with(kSecondKindPrefix);
  if (second_kind) section.remove_prefix(kSecondKindPrefix.size());
  const auto id = WholeNumber(section);
  if (!id) return std::nullopt;
  return FloorEntry{second_kind, *id};
}

std::vector<FloorEntry> ListFloors(const std::string& raster_dir) {
  // A directory without floors yet: the library would report the missing file.
  std::error_code error;
  if (!std::filesystem::exists(platform::ToHostPath(RasterIniPath(raster_dir)), error)) return {};
  auto headers = std::make_shared<platform::Collection>();
  SharedGTool().GetIniTopics(RasterIniPath(raster_dir), headers);
  std::vector<FloorEntry> floors;
  for (int32_t i = 1; i <= headers->Count(); ++i) {
    std::string_view header = headers->Item(i).AsString();
    if (!header.starts_with('[') || !header.ends_with(']')) continue;
    if (const auto entry = EntryOfSection(header.substr(1, header.size() - 2))) floors.push_back(*entry);
  }
  return floors;
}

std::shared_ptr<RasterBackground> OpenRaster(const FloorEntry& entry, int32_t height,
                                             const std::string& raster_dir) {
  if (entry.second_kind) return SharedGTool().RasterBgrdFromIniSo(entry.id, height, raster_dir);
  return SharedGTool().RasterBgrdFromIni(entry.id, height, raster_dir);
}

namespace {

std::string StoredValue(const FloorEntry& entry, const std::string& raster_dir, std::string_view key) {
  return SharedGTool().GetIniString(RasterIniPath(raster_dir),
                                    RasterSectionName(entry.second_kind ? kSecondKindPrefix : "", entry.id),
                                    std::string(key), "");
}

}  // namespace

std::string StoredPlanFile(const FloorEntry& entry, const std::string& raster_dir) {
  const std::filesystem::path file = platform::ToHostPath(StoredValue(entry, raster_dir, kRasterKeys[0]));
  if (file.empty() || file.is_absolute()) return file.string();
  return (platform::ToHostPath(raster_dir) / file).string();
}

double StoredFactor(const FloorEntry& entry, const std::string& raster_dir) {
  const std::string text = StoredValue(entry, raster_dir, kRasterKeys[3]);
  if (!platform::IsNumeric(platform::Variant(text))) return 1;
  const double factor = platform::CDbl(platform::Variant(text));
  return factor > 0 ? factor : 1;
}

std::shared_ptr<RasterBackground> NewRaster(const FloorEntry& entry) {
  if (entry.second_kind) return std::make_shared<CRasterBgrdSo>();
  return std::make_shared<CRasterBgrd>();
}

}  // namespace tessera::viewer
