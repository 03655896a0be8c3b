#include "tessera/platform/runtime/strings.hpp"

#include <gtest/gtest.h>

#include "error_number.hpp"
#include "tessera/platform/runtime/codepage.hpp"
#include "tessera/platform/runtime/host_path.hpp"
#include "tessera/platform/runtime/text_case.hpp"

namespace tessera::platform {
namespace {

using testing::ErrorNumberOf;

// "Größe" has five characters in seven bytes; every position below counts characters.
constexpr std::string_view kUmlauts = "Größe";

TEST(Strings, SlicesCountCharactersAndBadPositionsAreInvalidCalls) {
  EXPECT_EQ(Mid(kUmlauts, 3), "öße");
  EXPECT_EQ(Mid(kUmlauts, 3, 2), "öß");
  EXPECT_EQ(Mid(kUmlauts, 6), "");
  EXPECT_EQ(Mid(kUmlauts, 2, 100), "röße");
  EXPECT_EQ(Left(kUmlauts, 3), "Grö");
  EXPECT_EQ(Left(kUmlauts, 9), kUmlauts);
  EXPECT_EQ(Right(kUmlauts, 2), "ße");
  EXPECT_EQ(Right(kUmlauts, 0), "");
  EXPECT_EQ(Right(kUmlauts, 9), kUmlauts);
  EXPECT_EQ(ErrorNumberOf([] { Mid("abc", 0); }), err::kInvalidProcedureCall);
  EXPECT_EQ(ErrorNumberOf([] { Mid("abc", 1, -2); }), err::kInvalidProcedureCall);
  EXPECT_EQ(ErrorNumberOf([] { Left("abc", -1); }), err::kInvalidProcedureCall);
  EXPECT_EQ(ErrorNumberOf([] { Right("abc", -1); }), err::kInvalidProcedureCall);
  EXPECT_EQ(ErrorNumberOf([] { InStr(0, "abc", "b"); }), err::kInvalidProcedureCall);
  EXPECT_EQ(ErrorNumberOf([] { InStrRev("abc", "b", 0); }), err::kInvalidProcedureCall);
  EXPECT_EQ(ErrorNumberOf([] { Replace("abc", "b", "", 0); }), err::kInvalidProcedureCall);
  EXPECT_EQ(ErrorNumberOf([] { Space(-1); }), err::kInvalidProcedureCall);
  EXPECT_EQ(ErrorNumberOf([] { Asc(""); }), err::kInvalidProcedureCall);
}

TEST(Strings, SearchesFindFromTheirStartAndReplaceCountsReplacements) {
  EXPECT_EQ(InStr("Straße 12", "12"), 8);
  EXPECT_EQ(InStr(2, "abcabc", "a"), 4);
  EXPECT_EQ(InStr(5, "abcabc", "a"), 0);
  EXPECT_EQ(InStr("abc", "x"), 0);
  EXPECT_EQ(InStr(2, "abc", ""), 2);
  EXPECT_EQ(InStr(4, "abc", ""), 0);
  EXPECT_EQ(InStr("", ""), 0);
  EXPECT_EQ(InStr(1, "GRÖSSE", "ö", CompareMethod::kText), 3);
  EXPECT_EQ(InStr(1, "GRÖSSE", "ö", CompareMethod::kBinary), 0);
  // InStrRev finds matches that end by its start.
  EXPECT_EQ(InStrRev("abcabc", "bc"), 5);
  EXPECT_EQ(InStrRev("abcabc", "bc", 5), 2);
  EXPECT_EQ(InStrRev("abcabc", "bc", 6), 5);
  EXPECT_EQ(InStrRev("abcabc", "abcabcd"), 0);
  EXPECT_EQ(InStrRev("abc", "", 2), 2);
  EXPECT_EQ(InStrRev("abc", "a", 4), 0);
  EXPECT_EQ(InStrRev("", "a"), 0);
  EXPECT_EQ(InStrRev("äxÄx", "ä", kToTheEnd, CompareMethod::kText), 3);
  // Replace starts the result at its start and counts replacements.
  EXPECT_EQ(Replace("a-b-c", "-", "--"), "a--b--c");
  EXPECT_EQ(Replace("a-b-c", "-", "", 3), "bc");
  EXPECT_EQ(Replace("a-b-c", "-", "+", 1, 1), "a+b-c");
  EXPECT_EQ(Replace("a-b-c", "-", "+", 1, 0), "a-b-c");
  EXPECT_EQ(Replace("a-b-c", "", "+"), "a-b-c");
  EXPECT_EQ(Replace("abc", "b", "x", 9), "");
  EXPECT_EQ(Replace("aaa", "aa", "b"), "ba");
  EXPECT_EQ(Replace("Öl öl", "öl", "Fett", 1, kToTheEnd, CompareMethod::kText), "Fett Fett");
}

TEST(Strings, TrimmingRemovesSpacesOnlyAndLengthsCountCharacters) {
  EXPECT_EQ(Trim("  a b  "), "a b");
  EXPECT_EQ(LTrim("  a "), "a ");
  EXPECT_EQ(RTrim(" a  "), " a");
  EXPECT_EQ(Trim("\ta\r\n"), "\ta\r\n");
  EXPECT_EQ(Trim("   "), "");
  EXPECT_EQ(Space(3), "   ");
  EXPECT_EQ(Len(kUmlauts), 5);
  EXPECT_EQ(Len(""), 0);
}

TEST(Codepage, CharacterCodesAndTextCrossAsWindows1252BytesAndEveryByteComesBack) {
  EXPECT_EQ(Asc("Ä"), 196);
  EXPECT_EQ(Asc("€uro"), 128);
  EXPECT_EQ(Asc("Ω"), '?');
  EXPECT_EQ(Chr(128), "€");
  EXPECT_EQ(Chr(65), "A");
  EXPECT_EQ(ErrorNumberOf([] { Chr(256); }), err::kInvalidProcedureCall);
  EXPECT_EQ(AscW("Ω"), 0x3A9);
  EXPECT_EQ(ChrW(0x3A9), "Ω");
  EXPECT_EQ(ChrW(-1), ChrW(0xFFFF));
  EXPECT_EQ(ChrW(-32768), ChrW(0x8000));
  EXPECT_EQ(ErrorNumberOf([] { ChrW(0xD800); }), err::kInvalidProcedureCall);
  EXPECT_EQ(ErrorNumberOf([] { ChrW(0x110000); }), err::kInvalidProcedureCall);
  EXPECT_EQ(ToAnsi("Größe=ä €"),
            "Gr\xF6\xDF"
            "e=\xE4 \x80");
  EXPECT_EQ(FromAnsi("Gr\xF6\xDF"
                     "e=\xE4 \x80"),
            "Größe=ä €");
  EXPECT_EQ(AnsiByte(U'‚'), 0x82);
  EXPECT_EQ(AnsiByte(U'Ÿ'), 0x9F);
  EXPECT_EQ(ToAnsi("Łódź 中"),
            "?\xF3"
            "d? ?");
  EXPECT_EQ(AnsiByte(0x10FFFF), '?');
  std::string all;
  for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
  EXPECT_EQ(ToAnsi(FromAnsi(all)), all);
}

TEST(Codepage, MalformedUtf8ReadsAsReplacementPerByte) {
  // A lone continuation, a truncated sequence, an overlong slash and an encoded surrogate.
  const std::u32string decoded = DecodeUtf8(
      "a\x80"
      "b\xE2\x82"
      "c\xC0\xAF"
      "\xED\xA0\x80");
  EXPECT_EQ(decoded, (std::u32string{U'a', 0xFFFD, U'b', 0xFFFD, 0xFFFD, U'c', 0xFFFD, 0xFFFD, 0xFFFD, 0xFFFD,
                                     0xFFFD}));
  EXPECT_EQ(EncodeUtf8(DecodeUtf8("x𝄞ÿ€")), "x𝄞ÿ€");
  EXPECT_EQ(EncodeUtf8(std::u32string{0xD800, 0x110000}), "\xEF\xBF\xBD\xEF\xBF\xBD");
}

TEST(TextCase, MapsAndFoldsEachCharacterWithoutChangingTheLength) {
  EXPECT_EQ(UCase("größe straße"), "GRÖßE STRAßE");
  EXPECT_EQ(LCase("ÄÖÜ Été"), "äöü été");
  EXPECT_EQ(UCase("a\x80z"), "A\xEF\xBF\xBDZ");
  EXPECT_TRUE(EqualsIgnoringCase("Raster", "rASTER"));
  EXPECT_TRUE(EqualsIgnoringCase("ÄRGER", "ärger"));
  EXPECT_FALSE(EqualsIgnoringCase("Straße", "STRASSE"));
  EXPECT_FALSE(EqualsIgnoringCase("abc", "ab"));
  EXPECT_EQ(FoldCase("DATEI"), FoldCase("datei"));
}

TEST(HostPath, BackslashesBecomeSlashesAndBack) {
  EXPECT_EQ(ToHostPath("\\srv\\proj\\Raster\\Raster.ini"),
            std::filesystem::path("/srv/proj/Raster/Raster.ini"));
  EXPECT_EQ(ToHostPath("/srv/proj\\Größe.bmp"), std::filesystem::path("/srv/proj/Größe.bmp"));
  EXPECT_EQ(ToLibraryPath("/srv/proj/Raster"), "\\srv\\proj\\Raster");
  EXPECT_EQ(ToLibraryPath(ToHostPath("a\\b")), "a\\b");
}

}  // namespace
}  // namespace tessera::platform
