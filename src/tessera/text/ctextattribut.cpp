#include "tessera/text/ctextattribut.hpp"

#include "tessera/frame/errors/error_styles.hpp"
#include "tessera/frame/shared/shared_objects.hpp"
#include "tessera/platform/runtime/convert.hpp"
#include "tessera/tool/gtool.hpp"

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
  const auto write = [&](const char* key, const platform::Variant& value) {
    SharedGTool().WriteIniString(stIniPath, ini_section_, key, platform::CStr(value));
  };
  write("FontName", font_name_);
  write("FontSize", font_size_);
  write("FontColor", font_color_);
  write("FontBold", font_bold_);
  write("FontItalic", font_italic_);
  write("FontStrikeThrough", font_strike_through_);
  write("FontUnderline", font_underline_);
}

}  // namespace tessera
