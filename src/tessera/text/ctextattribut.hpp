// CTextAttribut: the font settings of one kind of displayed text (face, size, colour, four style
// flags) and the settings-file section they are kept in.
//
// The setters store what they are given, unchecked. ReadFromIni passes over every key that is
// missing, empty or does not convert, so the field keeps its value; every other member lets an
// error reach the caller unchanged. Both settings-file members do nothing while IniSection is
// empty. The settings file is read through the shared GTool; a write that the file cannot take
// is reported once in a plain report, as GTool's own WriteIniString reports it, and not passed on.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "tessera/export.hpp"
#include "tessera/platform/runtime/object.hpp"

namespace tessera {

class TESSERA_API CTextAttribut : public platform::Object {
 public:
  CTextAttribut();

  std::string_view TypeName() const noexcept override { return "CTextAttribut"; }

  std::string FontName() const { return font_name_; }
  void FontName(std::string name) { font_name_ = std::move(name); }
  int16_t FontSize() const { return font_size_; }
  void FontSize(int16_t size) { font_size_ = size; }
  // red + 256 x green + 65536 x blue
  int32_t FontColor() const { return font_color_; }
  void FontColor(int32_t colour) { font_color_ = colour; }
  bool FontBold() const { return font_bold_; }
  void FontBold(bool bold) { font_bold_ = bold; }
  bool FontItalic() const { return font_italic_; }
  void FontItalic(bool italic) { font_italic_ = italic; }
  bool FontStrikeThrough() const { return font_strike_through_; }
  void FontStrikeThrough(bool strike_through) { font_strike_through_ = strike_through; }
  bool FontUnderline() const { return font_underline_; }
  void FontUnderline(bool underline) { font_underline_ = underline; }
  std::string IniSection() const { return ini_section_; }
  void IniSection(std::string section) { ini_section_ = std::move(section); }

  // "Arial", 12, black, no style, no section.
  void Init();
  // All eight properties of `obj`, the section included; 91 for none.
  void CopyFrom(std::shared_ptr<CTextAttribut> obj);
  void ReadFromIni(const std::string& stIniPath);
  // The seven keys in the order FontName, FontSize, FontColor, FontBold, FontItalic,
  // FontStrikeThrough, FontUnderline; the flags as the locale's words for true and false. All
  // seven in one rewrite of the file: a file that cannot take them keeps none, with one plain
  // report.
  void Write2Ini(const std::string& stIniPath);

 private:
  std::string font_name_;
  int16_t font_size_ = 0;
  int32_t font_color_ = 0;
  bool font_bold_ = false;
  bool font_italic_ = false;
  bool font_strike_through_ = false;
  bool font_underline_ = false;
  std::string ini_section_;
};

}  // namespace tessera
