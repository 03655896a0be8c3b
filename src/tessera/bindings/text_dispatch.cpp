#include "tessera/bindings/text_dispatch.hpp"

#include "tessera/text/cfont.hpp"
#include "tessera/text/ctextattribut.hpp"
#include "tessera/text/ctextfile.hpp"

namespace tessera {

using frame::Method;
using frame::PropertyGet;
using frame::PropertyPut;
using frame::Reader;
using frame::Writer;

const frame::DispatchTable& CTextFileDispatch() {
  static const frame::DispatchTable table(
      "CTextFile",
      {"FilePath", "FileNr", "IsOpen", "CloseFile", "OpenFile", "ReadLine", "ReadBlock", "ReadLineA",
       "WriteLine", "WriteBlock", "FileLen", "EndOfFile", "IsUnixFile", "Unix2Dos"},
      {
          PropertyGet<static_cast<Reader<CTextFile, std::string>>(&CTextFile::FilePath)>("FilePath"),
          PropertyPut<static_cast<Writer<CTextFile, std::string>>(&CTextFile::FilePath)>("FilePath",
                                                                                         {"stPath"}),
          PropertyGet<&CTextFile::FileNr>("FileNr"),
          PropertyGet<&CTextFile::IsOpen>("IsOpen"),
          Method<&CTextFile::CloseFile>("CloseFile"),
          Method<&CTextFile::OpenFile>("OpenFile", {"eOpenMode"}),
          Method<&CTextFile::ReadLine>("ReadLine", {"stLine"}),
          Method<&CTextFile::ReadBlock>("ReadBlock", {"lPos", "iAnz", "stBlock"}),
          Method<&CTextFile::ReadLineA>("ReadLineA", {"stLine"}),
          Method<&CTextFile::WriteLine>("WriteLine", {"stLine"}),
          Method<&CTextFile::WriteBlock>("WriteBlock", {"lPos", "stBlock"}),
          Method<&CTextFile::FileLen>("FileLen"),
          Method<&CTextFile::EndOfFile>("EndOfFile"),
          Method<&CTextFile::IsUnixFile>("IsUnixFile"),
          Method<&CTextFile::Unix2Dos>("Unix2Dos"),
      });
  return table;
}

const frame::DispatchTable& CTextAttributDispatch() {
  using A = CTextAttribut;
  static const frame::DispatchTable table(
      "CTextAttribut",
      {"FontName", "FontSize", "FontColor", "FontBold", "FontItalic", "FontStrikeThrough", "FontUnderline",
       "IniSection", "Init", "CopyFrom", "ReadFromIni", "Write2Ini"},
      {
          PropertyGet<static_cast<Reader<A, std::string>>(&A::FontName)>("FontName"),
          PropertyPut<static_cast<Writer<A, std::string>>(&A::FontName)>("FontName", {"stFontName"}),
          PropertyGet<static_cast<Reader<A, int16_t>>(&A::FontSize)>("FontSize"),
          PropertyPut<static_cast<Writer<A, int16_t>>(&A::FontSize)>("FontSize", {"iFontSize"}),
          PropertyGet<static_cast<Reader<A, int32_t>>(&A::FontColor)>("FontColor"),
          PropertyPut<static_cast<Writer<A, int32_t>>(&A::FontColor)>("FontColor", {"lFontColor"}),
          PropertyGet<static_cast<Reader<A, bool>>(&A::FontBold)>("FontBold"),
          PropertyPut<static_cast<Writer<A, bool>>(&A::FontBold)>("FontBold", {"bFontBold"}),
          PropertyGet<static_cast<Reader<A, bool>>(&A::FontItalic)>("FontItalic"),
          PropertyPut<static_cast<Writer<A, bool>>(&A::FontItalic)>("FontItalic", {"bFontItalic"}),
          PropertyGet<static_cast<Reader<A, bool>>(&A::FontStrikeThrough)>("FontStrikeThrough"),
          PropertyPut<static_cast<Writer<A, bool>>(&A::FontStrikeThrough)>("FontStrikeThrough",
                                                                           {"bFontStrikeThrough"}),
          PropertyGet<static_cast<Reader<A, bool>>(&A::FontUnderline)>("FontUnderline"),
          PropertyPut<static_cast<Writer<A, bool>>(&A::FontUnderline)>("FontUnderline", {"bFontUnderline"}),
          PropertyGet<static_cast<Reader<A, std::string>>(&A::IniSection)>("IniSection"),
          PropertyPut<static_cast<Writer<A, std::string>>(&A::IniSection)>("IniSection", {"stIniSection"}),
          Method<&A::Init>("Init"),
          Method<&A::CopyFrom>("CopyFrom", {"obj"}),
          Method<&A::ReadFromIni>("ReadFromIni", {"stIniPath"}),
          Method<&A::Write2Ini>("Write2Ini", {"stIniPath"}),
      });
  return table;
}

const frame::DispatchTable& CFontDispatch() {
  static const frame::DispatchTable table(
      "CFont", {"ChangeFont", "ChangeFontByHDC", "Reset"},
      {
          Method<&CFont::ChangeFont>("ChangeFont", {"DC", "lDcHeight", "lEscapement", "bBold", "bItalic",
                                                    "bUnderline", "bStrikeOut", "stFontName"}),
          Method<&CFont::ChangeFontByHDC>("ChangeFontByHDC",
                                          {"stType", "hDC", "lDcHeight", "lEscapement", "bBold", "bItalic",
                                           "bUnderline", "bStrikeOut", "stFontName"}),
          Method<&CFont::Reset>("Reset"),
      });
  return table;
}

}  // namespace tessera
