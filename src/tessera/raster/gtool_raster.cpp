// GTool's raster members: the two names and the factories and section copies of the raster
// settings file. They live with the raster objects they make.
#include <optional>

#include "tessera/frame/errors/error_styles.hpp"
#include "tessera/frame/shared/shared_objects.hpp"
#include "tessera/platform/runtime/convert.hpp"
#include "tessera/platform/runtime/host_path.hpp"
#include "tessera/platform/ui/ui.hpp"
#include "tessera/raster/crasterbgrd.hpp"
#include "tessera/raster/raster_settings.hpp"
#include "tessera/tool/gtool.hpp"

namespace tessera {

namespace {

using platform::Variant;

constexpr int32_t kUnreadablePlacementText = 13003;

void ShowUnreadablePlacement() {
  const std::string text = frame::EnsureSharedResbankStrings().GetText(kUnreadablePlacementText);
  if (!text.empty()) {
    platform::MsgBox(text + "!", platform::vbCritical, "Talmo");
    return;
  }
  platform::MsgBox("Transformation konnte nicht gelesen werden!", platform::vbCritical, "");
}

// A stored value as the type it is read as, or nullopt when it does not convert.
template <typename T, typename Convert>
std::optional<T> Converted(const std::string& text, Convert convert) {
  return frame::EndQuietly<std::optional<T>>(
      [&](std::optional<T>& value) { value = convert(Variant(text)); });
}

template <typename Raster>
std::shared_ptr<Raster> RasterFromIni(std::string_view prefix, int32_t id, int32_t height,
                                      const std::string& stRasterDir) {
  return frame::ReportLabelled<std::shared_ptr<Raster>>(
      "GTool.RasterBgrdFromIni", [&](std::shared_ptr<Raster>& result) {
        const GTool& tool = SharedGTool();
        std::string directory = platform::ToLibraryPath(stRasterDir);
        const std::string file = RasterIniPath(directory);
        const std::string section = RasterSectionName(prefix, id);
        const auto read = [&](std::string_view key, const char* fallback) {
          return tool.GetIniString(file, section, std::string(key), fallback);
        };
        std::string raster = platform::ToLibraryPath(read(kRasterKeys[0], ""));
        if (raster.empty()) return;
        if (raster.find('\\') == std::string::npos) raster = directory + "\\" + raster;
        const auto dx = Converted<int32_t>(read(kRasterKeys[1], ""), platform::CLng);
        const auto dy = dx ? Converted<int32_t>(read(kRasterKeys[2], ""), platform::CLng) : std::nullopt;
        const auto factor = dy ? Converted<double>(read(kRasterKeys[3], ""), platform::CDbl) : std::nullopt;
        if (!factor) {
          ShowUnreadablePlacement();
          return;
        }
        const bool visible = Converted<bool>(read(kRasterKeys[4], "Wahr"), platform::CBool).value_or(true);
        auto object = std::make_shared<Raster>();
        if (!object->LoadRasterFile(raster, id, height, visible, directory)) return;
        object->SetTrans(*dx, *dy, *factor);
        result = std::move(object);
      });
}

void CopyRasterSection(std::string_view prefix, int32_t from, int32_t to, const std::string& stRasterDir) {
  frame::ReportLabelled("GTool.RasterBgrdCopyIniData", [&] {
    const GTool& tool = SharedGTool();
    const std::string file = RasterIniPath(platform::ToLibraryPath(stRasterDir));
    const std::string source = RasterSectionName(prefix, from);
    if (tool.GetIniString(file, source, std::string(kRasterKeys[0]), "").empty()) return;
    RasterValues values;
    for (std::size_t i = 0; i < kRasterKeys.size(); ++i)
      values[i] = tool.GetIniString(file, source, std::string(kRasterKeys[i]), "");
    WriteRasterSection(file, RasterSectionName(prefix, to), values);
  });
}

}  // namespace

std::string GTool::RasterSubDir() const {
  return std::string(kRasterSubDir);
}

std::string GTool::RasterIniFileExt() const {
  return std::string(kRasterIniFile);
}

std::shared_ptr<CRasterBgrd> GTool::RasterBgrdFromIni(int32_t lEtId, int32_t lEtHeight,
                                                      const std::string& stRasterDir) const {
  return RasterFromIni<CRasterBgrd>("", lEtId, lEtHeight, stRasterDir);
}

std::shared_ptr<CRasterBgrdSo> GTool::RasterBgrdFromIniSo(int32_t lSoId, int32_t lSoHeight,
                                                          const std::string& stRasterDir) const {
  return RasterFromIni<CRasterBgrdSo>(kSecondKindPrefix, lSoId, lSoHeight, stRasterDir);
}

void GTool::RasterBgrdCopyIniData(int32_t lFromEtId, int32_t lToEtId, const std::string& stRasterDir) const {
  CopyRasterSection("", lFromEtId, lToEtId, stRasterDir);
}

void GTool::RasterBgrdCopyIniDataSo(int32_t lFromSoId, int32_t lToSoId,
                                    const std::string& stRasterDir) const {
  CopyRasterSection(kSecondKindPrefix, lFromSoId, lToSoId, stRasterDir);
}

}  // namespace tessera
