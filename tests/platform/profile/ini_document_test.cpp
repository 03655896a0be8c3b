#include "tessera/platform/profile/ini_document.hpp"

#include <gtest/gtest.h>

namespace tessera::platform {
namespace {

// A file as users have them: a comment before the first section, blank lines, a line that is
// not key=value, CRLF line ends, Windows-1252 umlauts and a value with "=" in it.
const std::string kRaster =
    "; Rasterhintergruende\r\n"
    "orphan=1\r\n"
    "[5]\r\n"
    "Datei = plan5.bmp \r\n"
    "; alt: plan5_alt.bmp\r\n"
    "Faktor=12,5\r\n"
    "Formel=a=b\r\n"
    "frei\r\n"
    "\r\n"
    "[Gr\366\337e]\r\n"  // "Größe" in Windows-1252
    "Breite=\"  3 \"\r\n"
    "\r\n"
    "[5]\r\n"
    "Datei=zweite.bmp\r\n";

TEST(IniDocumentReading, MatchesNamesWithoutCaseOrBlanksAndTheFirstOneCounts) {
  const IniDocument ini(kRaster);
  EXPECT_EQ(ini.Value("5", "datei"), "plan5.bmp");
  EXPECT_EQ(ini.Value(" 5 ", " DATEI "), "plan5.bmp");
  EXPECT_EQ(ini.Value("5", "Formel"), "a=b");
  EXPECT_EQ(ini.Value("GR\326\337E", "breite"), "\"  3 \"");
  EXPECT_EQ(ini.Value("5", "orphan"), std::nullopt);
  EXPECT_EQ(ini.Value("5", "; alt: plan5_alt.bmp"), std::nullopt);
  EXPECT_EQ(ini.Value("6", "Datei"), std::nullopt);
  EXPECT_EQ(ini.SectionNames(), (std::vector<std::string>{"5", "Gr\366\337e"}));
  EXPECT_EQ(ini.KeyNames("5"), (std::vector<std::string>{"Datei", "Faktor", "Formel"}));
  // Section lines leave out comments and blank lines.
  EXPECT_EQ(ini.SectionLines("5"),
            (std::vector<std::string>{"Datei=plan5.bmp", "Faktor=12,5", "Formel=a=b", "frei"}));
  EXPECT_TRUE(ini.SectionLines("fehlt").empty());
}

TEST(IniDocumentReading, LfFilesLongLinesAndOddHeadersParse) {
  const std::string long_value(100000, 'x');
  const IniDocument ini("[a]\nk=" + long_value + "\n[b\nk=2\n[c] rest\nk=3");
  EXPECT_EQ(ini.Value("a", "k")->size(), long_value.size());
  EXPECT_EQ(ini.Value("b", "k"), "2");
  EXPECT_EQ(ini.Value("c", "k"), "3");
}

TEST(IniDocumentEditing, ChangingAValueTouchesOnlyItsBytesAndNewOnesGoAtTheEnd) {
  const IniDocument ini(kRaster);
  std::string expected = kRaster;
  expected.replace(expected.find("plan5.bmp "), 10, "neu.bmp");
  EXPECT_EQ(ini.WithValue("5", "DATEI", "neu.bmp"), expected);
  EXPECT_EQ(IniDocument("[s]\r\nk=\r\n").WithValue("s", "k", "v"), "[s]\r\nk=v\r\n");
  // New keys end their section, new sections the file.
  expected = kRaster;
  expected.insert(expected.find("\r\n\r\n[Gr") + 2, "DX=-120\r\n");
  EXPECT_EQ(ini.WithValue("5", "DX", "-120"), expected);
  EXPECT_EQ(ini.WithValue("7", "DX", "1"), kRaster + "[7]\r\nDX=1\r\n");
  EXPECT_EQ(IniDocument("[a]\nx=1").WithValue("a", "y", "2"), "[a]\nx=1\ny=2\n");
  EXPECT_EQ(IniDocument("[a]\nx=1").WithValue("b", "y", "2"), "[a]\nx=1\n[b]\ny=2\n");
  EXPECT_EQ(IniDocument("").WithValue("s", "k", "v"), "[s]\r\nk=v\r\n");
}

TEST(IniDocumentEditing, RemovingAndReplacingKeysAndSections) {
  const IniDocument ini(kRaster);
  std::string without_key = kRaster;
  without_key.erase(without_key.find("Faktor"), 13);
  EXPECT_EQ(ini.WithoutKey("5", "faktor"), without_key);
  EXPECT_EQ(ini.WithoutKey("5", "fehlt"), kRaster);
  std::string without_section = kRaster;
  without_section.erase(without_section.find("[Gr"),
                        without_section.find("[5]\r\nDatei=zweite") - without_section.find("[Gr"));
  EXPECT_EQ(ini.WithoutSection("gr\366\337e"), without_section);
  // Replacing a section keeps the blank lines after it.
  const std::string replaced = ini.WithSectionLines("5", {"A=1", "B=2"});
  EXPECT_EQ(replaced, "; Rasterhintergruende\r\norphan=1\r\n[5]\r\nA=1\r\nB=2\r\n\r\n" +
                          kRaster.substr(kRaster.find("[Gr")));
  EXPECT_EQ(IniDocument("[a]").WithSectionLines("a", {"k=v"}), "[a]\r\nk=v\r\n");
  EXPECT_EQ(IniDocument("[a]\nk=1\n").WithSectionLines("b", {"k=v"}), "[a]\nk=1\n[b]\nk=v\n");
}

// Files saved by editors that mark UTF-8, and files with the old Macintosh line ends.
TEST(IniDocumentEditing, AByteOrderMarkIsSkippedAndKeptAndBareCrEndsLines) {
  const std::string mark = "\xEF\xBB\xBF";
  const IniDocument marked(mark + "[s]\r\nk=1\r\n");
  EXPECT_EQ(marked.Value("s", "k"), "1");
  EXPECT_EQ(marked.SectionNames(), std::vector<std::string>{"s"});
  EXPECT_EQ(marked.WithValue("s", "k", "2"), mark + "[s]\r\nk=2\r\n");
  EXPECT_EQ(marked.WithoutSection("s"), mark);
  EXPECT_EQ(IniDocument(mark).WithValue("s", "k", "v"), mark + "[s]\r\nk=v\r\n");

  const IniDocument old_mac("[s]\rk=1\r[t]\rk=2");
  EXPECT_EQ(old_mac.Value("s", "k"), "1");
  EXPECT_EQ(old_mac.Value("t", "k"), "2");
  EXPECT_EQ(old_mac.WithValue("s", "j", "3"), "[s]\rk=1\rj=3\r[t]\rk=2");
  EXPECT_EQ(old_mac.WithValue("t", "j", "3"), "[s]\rk=1\r[t]\rk=2\rj=3\r");
  EXPECT_EQ(IniDocument("[s]\rk=1\r").WithValue("u", "k", "v"), "[s]\rk=1\r[u]\rk=v\r");
}

}  // namespace
}  // namespace tessera::platform
