#include "tessera/platform/runtime/codepage.hpp"

#include <gtest/gtest.h>

namespace tessera::platform {
namespace {

TEST(Codepage, GermanTextAndEuroCrossAsWindows1252Bytes) {
  EXPECT_EQ(ToAnsi("Größe=ä €"),
            "Gr\xF6\xDF"
            "e=\xE4 \x80");
  EXPECT_EQ(FromAnsi("Gr\xF6\xDF"
                     "e=\xE4 \x80"),
            "Größe=ä €");
  EXPECT_EQ(AnsiByte(U'‚'), 0x82);
  EXPECT_EQ(AnsiByte(U'Ÿ'), 0x9F);
}

TEST(Codepage, UnmappableCharactersBecomeQuestionMarks) {
  EXPECT_EQ(ToAnsi("Łódź 中"),
            "?\xF3"
            "d? ?");
  EXPECT_EQ(AnsiByte(0x10FFFF), '?');
}

TEST(Codepage, EveryByteSurvivesTheRoundTrip) {
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

}  // namespace
}  // namespace tessera::platform
