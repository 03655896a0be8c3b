#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/runtime/error_number.hpp"
#include "support/recorded_ui.hpp"
#include "tessera/tool/gtool.hpp"

namespace tessera {
namespace {

using platform::Variant;

class GToolStringsTest : public tessera::testing::RecordedUiTest {
 protected:
  GTool tool_;
};

TEST_F(GToolStringsTest, CountsFieldsSearchingAgainOneCharacterOnAndReadsThemFromBothEnds) {
  EXPECT_EQ(tool_.ParaAnz("", ";"), 0);
  EXPECT_EQ(tool_.ParaAnz("abc", ";"), 1);
  EXPECT_EQ(tool_.ParaAnz("a;;b;", ";"), 4);
  EXPECT_EQ(tool_.ParaAnz("aaa", "aa"), 3);
  EXPECT_EQ(tool_.ParaAnz("Größe;Maß", ";"), 2);
  // A count past the Integer range is passed over.
  EXPECT_EQ(tool_.ParaAnz(std::string(32766, ';'), ";"), 32767);
  EXPECT_EQ(tool_.ParaAnz(std::string(32767, ';'), ";"), 0);
  EXPECT_EQ(tool_.ParaGib(std::string(40000, ';'), ";", 2), "");
  EXPECT_TRUE(ui_->message_boxes().empty());

  const std::vector<std::pair<int16_t, std::string>> cases{{1, "a"}, {2, ""},   {3, "b"},  {4, ""},  {5, ""},
                                                           {-1, ""}, {-2, "b"}, {-4, "a"}, {-5, ""}, {0, ""}};
  for (const auto& [nr, field] : cases) EXPECT_EQ(tool_.ParaGib("a;;b;", ";", nr), field) << nr;
  EXPECT_EQ(tool_.ParaGib("", ";", 1), "");
  EXPECT_EQ(tool_.ParaGib("abc", ";", 1), "abc");
  EXPECT_EQ(tool_.ParaGib("abc", ";", -1), "abc");
  // A long separator leaves its other characters in the field.
  EXPECT_EQ(tool_.ParaGib("a, b", ", ", 2), " b");
  EXPECT_EQ(tool_.ParaGib("a, b, c", ", ", -2), " b");
  EXPECT_EQ(tool_.ParaGib("Ä--Ö--Ü", "--", 3), "-Ü");
  EXPECT_EQ(tool_.ParaGib("Ä--Ö--Ü", "--", 1), "Ä");
}

TEST_F(GToolStringsTest, FindsTheLastOccurrenceAtOrBeforeTheStartAndAnEmptyTextAtTheStart) {
  Variant missing = Variant::Missing();
  EXPECT_EQ(tool_.RInStr("a\\b\\c", "\\", missing), "4");
  Variant three = int16_t{3};
  EXPECT_EQ(tool_.RInStr("a\\b\\c", "\\", three), "2");
  EXPECT_EQ(three, Variant(int16_t{3}));
  Variant one = "1";
  EXPECT_EQ(tool_.RInStr("a\\b\\c", "\\", one), "");
  Variant half = 3.5;  // rounds to the even 4
  EXPECT_EQ(tool_.RInStr("a\\b\\c", "\\", half), "4");
  Variant far = 1e9;
  EXPECT_EQ(tool_.RInStr("a\\b\\c", "\\", far), "4");
  Variant text = "not a number";
  EXPECT_EQ(tool_.RInStr("Größe\\x", "\\", text), "6");
  EXPECT_EQ(tool_.RInStr("ab", "abc", missing), "");
  // An empty search text matches wherever the search starts, and the search starts where asked.
  const struct {
    const char* text;
    Variant start;
    const char* found;
  } cases[] = {{"abc", int32_t{10}, "10"}, {"", int32_t{3}, "3"},   {"abc", Variant::Missing(), "4"},
               {"abc", int32_t{2}, "2"},   {"abc", int32_t{0}, ""}, {"", Variant::Missing(), "1"}};
  for (auto [text, start, found] : cases) EXPECT_EQ(tool_.RInStr(text, "", start), found) << text;
}

// Texts on which a search that steps back character by character would take quadratic time
// (and once did); the answers show that skipping ahead never skips an occurrence.
TEST_F(GToolStringsTest, RepetitiveTextsFindEveryOverlappingOccurrence) {
  const std::string many_a(200000, 'a');
  const std::string needle = std::string(1000, 'a') + "b";
  Variant missing = Variant::Missing();
  EXPECT_EQ(tool_.RInStr(many_a, needle, missing), "");
  EXPECT_EQ(tool_.RInStr(many_a + "b", needle, missing), "199001");
  Variant before_end = int32_t{198999};
  EXPECT_EQ(tool_.RInStr(many_a + "b" + many_a, needle, before_end), "");
  EXPECT_EQ(tool_.RInStr("abababab", "abab", missing), "5");
  Variant four = int32_t{4};
  EXPECT_EQ(tool_.RInStr("abababab", "abab", four), "3");
  EXPECT_EQ(tool_.RInStr("ÄäÄäÄ", "ÄäÄ", missing), "3");
  EXPECT_EQ(tool_.ParaAnz(many_a, needle), 1);
  EXPECT_EQ(tool_.ParaAnz("aabaabaab", "aab"), 4);
  EXPECT_EQ(tool_.ParaAnz("abababa", "aba"), 4);
  EXPECT_EQ(tool_.ParaGib("abababa", "aba", 3), "b");
  EXPECT_EQ(tool_.ParaGib("abababa", "aba", -1), "ba");
  EXPECT_EQ(tool_.ParaGib(many_a + needle + "x", needle, 2), std::string(999, 'a') + "bx");
}

TEST_F(GToolStringsTest, SortsByCodePageValueKeepingEqualCharactersInOrder) {
  EXPECT_EQ(tool_.SortString("dcba"), "abcd");
  EXPECT_EQ(tool_.SortString("bBa"), "Bab");
  EXPECT_EQ(tool_.SortString(""), "");
  EXPECT_EQ(tool_.SortString("€a"), "a€");  // the euro sign is 0x80 in Windows-1252
  EXPECT_EQ(tool_.SortString("äa"), "aä");
  EXPECT_TRUE(ui_->message_boxes().empty());
  EXPECT_EQ(tool_.SortString(std::string(40000, 'x')), "");
  ASSERT_EQ(ui_->message_boxes().size(), 1u);
  EXPECT_EQ(ui_->message_boxes()[0].text, "GTool.SortString\r\nOverflow");
}

TEST_F(GToolStringsTest, IncrementsTheTrailingNumberKeepingItsWidth) {
  const std::vector<std::pair<std::string, std::string>> cases{
      {"Raum", "Raum1"},
      {"Raum9", "Raum10"},
      {"Raum09", "Raum10"},
      {"Raum007", "Raum008"},
      {"R2D2", "R2D3"},
      {"99", "100"},
      {"", "1"},
      {"Büro 1", "Büro 2"},
      {"x99999999999999999999", "x100000000000000000000"}};
  for (const auto& [name, next] : cases) EXPECT_EQ(tool_.IncName(name), next) << name;
}

TEST_F(GToolStringsTest, DoublesApostrophesAndSpellsOutUmlautsInPlace) {
  EXPECT_EQ(tool_.ReplaceH("O'Neil"), "O''Neil");
  EXPECT_EQ(tool_.ReplaceH("plain"), "plain");
  std::string text = "Größe Ärger";
  EXPECT_EQ(tool_.ReplaceGermanSonderzeichen(text), "Groesse Aerger");
  EXPECT_EQ(text, "Groesse Aerger");
  std::string all = "ÄÖÜäöüß";
  EXPECT_EQ(tool_.ReplaceGermanSonderzeichen(all), "AeOeUeaeoeuess");
}

TEST_F(GToolStringsTest, SplitsAColourIgnoringItsHighestByte) {
  int16_t r = 0, g = 0, b = 0;
  tool_.RGBReverse(16711680 + 32768 + 1, r, g, b);
  EXPECT_EQ((std::vector<int16_t>{r, g, b}), (std::vector<int16_t>{1, 128, 255}));
  tool_.RGBReverse(static_cast<int32_t>(0x80000005u), r, g, b);  // a system colour
  EXPECT_EQ((std::vector<int16_t>{r, g, b}), (std::vector<int16_t>{5, 0, 0}));
}

}  // namespace
}  // namespace tessera
