#include "tessera/text/ctextattribut.hpp"

#include "tessera/frame/errors/error_styles.hpp"
#include "tessera/frame/shared/shared_objects.hpp"
#include "tessera/platform/runtime/convert.hpp"
#include "tessera/tool/gtool.hpp"
#include "tessera/tool/ini_values.hpp"

namespace tessera {

namespace {

constexpr int16_t kDefaultFontSize = 12;

}  // namespace

CTextAttribut::CTextAttribut() {
  frame::EnsureSharedResbankStrings();
  Init();
}

void CTextAttribut::Init() {
  font_name_ = "Arial";
  font_size_ = kDefaultFontSize;
  font_color_ = 0;
  font_bold_ = false;
  font_italic_ = false;
  font_strike_through_ = false;
  font_underline_ = false;
  ini_section_.clear();
}

void CTextAttribut::CopyFrom(std::shared_ptr<CTextAttribut> obj) {
  if (!obj) platform::Raise(platform::err::kObjectNotSet);
  FontName(obj->FontName());
  FontSize(obj->FontSize());
  FontColor(obj->FontColor());
  FontBold(obj->FontBold());
  FontItalic(obj->FontItalic());
  FontStrikeThrough(obj->FontStrikeThrough());
  FontUnderline(obj->FontUnderline());
  IniSection(obj->IniSection());
}

void CTextAttribut::ReadFromIni(const std::string& stIniPath) {
  if (ini_section_.empty()) return;
  const auto value = [&](const char* key) {
    return SharedGTool().GetIniString(stIniPath, ini_section_, key, "");
  };
  frame::PassOver(
      [&] {
        std::string name = value("FontName");
        if (!name.empty()) font_name_ = std::move(name);
      },
      [&] { font_size_ = platform::CInt(value("FontSize")); },
      [&] { font_color_ = platform::CLng(value("FontColor")); },
      [&] { font_bold_ = platform::CBool(value("FontBold")); },
      [&] { font_italic_ = platform::CBool(value("FontItalic")); },
      [&] { font_strike_through_ = platform::CBool(value("FontStrikeThrough")); },
      [&] { font_underline_ = platform::CBool(value("FontUnderline")); });
}

void CTextAttribut::Write2Ini(const std::string& stIniPath) {
  if (ini_section_.empty()) return;
  const auto text = [](const platform::Variant& value) { return platform::CStr(value); };
  const IniValues values{{"FontName", font_name_},
                         {"FontSize", text(font_size_)},
                         {"FontColor", text(font_color_)},
                         {"FontBold", text(font_bold_)},
                         {"FontItalic", text(font_italic_)},
                         {"FontStrikeThrough", text(font_strike_through_)},
                         {"FontUnderline", text(font_underline_)}};
  // One rewrite for the seven keys: a file that cannot take them keeps none of them and gives the
  // one report that a single WriteIniString gives, not one per key.
  frame::ReportPlain([&] { WriteIniValues(stIniPath, ini_section_, values); });
}

}  // namespace tessera
