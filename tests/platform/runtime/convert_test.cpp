#include "tessera/platform/runtime/convert.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <utility>

#include "error_number.hpp"
#include "tessera/platform/locale/user_locale.hpp"
#include "tessera/platform/runtime/collection.hpp"
#include "tessera/platform/runtime/format.hpp"

namespace tessera::platform {
namespace {

using testing::ErrorNumberOf;

class ConvertGerman : public ::testing::Test {
  ScopedUserLocale locale_{"de-DE"};
};

TEST_F(ConvertGerman, CStrWritesDecimalCommaHostExponentsAndTheLocalesWords) {
  const std::pair<Variant, const char*> cases[] = {
      {12.5, "12,5"},          {-0.1, "-0,1"},        {1.0 / 3.0, "0,333333333333333"},
      {1e20, "1E+20"},         {1.5e-7, "1,5E-07"},   {0.0001, "0,0001"},
      {1e15, "1E+15"},         {-0.0, "0"},           {999999999999999.0, "999999999999999"},
      {1234567.0, "1234567"},  {true, "Wahr"},        {false, "Falsch"},
      {int16_t{-120}, "-120"}, {uint8_t{255}, "255"}, {Variant(), ""},
  };
  for (const auto& [value, text] : cases) EXPECT_EQ(CStr(value), text) << text;
  EXPECT_EQ(ErrorNumberOf([] { CStr(Variant::Null()); }), err::kInvalidUseOfNull);
  EXPECT_EQ(ErrorNumberOf([] { CStr(Variant::Missing()); }), err::kTypeMismatch);
  EXPECT_EQ(ErrorNumberOf([] { CStr(std::make_shared<Collection>()); }), err::kTypeMismatch);
}

TEST_F(ConvertGerman, NumberTextsFollowTheLocale) {
  const std::pair<Variant, double> cases[] = {
      {"12,5", 12.5}, {"  -1.234,5  ", -1234.5}, {"12.5", 125.0},  // the point groups thousands here
      {"+,5", 0.5},   {"1,5E3", 1500.0},         {"1,5e-2", 0.015}, {"2D2", 200.0},  {"&H10", 16.0},
      {"&o17", 15.0}, {"1E-400", 0.0},           {true, -1.0},      {Variant(), 0.0}};
  for (const auto& [text, value] : cases) EXPECT_EQ(CDbl(text), value) << CStr(text);
}

TEST(ConvertEnglish, NumbersBooleansAndWordsInTheEnglishFormsAndLongDigitStringsRound) {
  const ScopedUserLocale locale("en-US");
  EXPECT_EQ(CStr(12.5), "12.5");
  EXPECT_EQ(CStr(1.5e-7), "1.5E-07");
  EXPECT_EQ(CStr(true), "True");
  EXPECT_EQ(CStr(false), "False");
  EXPECT_EQ(CDbl("12.5"), 12.5);
  EXPECT_EQ(CDbl("1,234.5"), 1234.5);
  EXPECT_EQ(CDbl("12,5"), 125.0);
  EXPECT_EQ(CLng("1,000,000"), 1000000);
  EXPECT_TRUE(CBool("TRUE"));
  EXPECT_EQ(ErrorNumberOf([] { CBool("Wahr"); }), err::kTypeMismatch);
  // Digits past those that decide a double's rounding are cut; what they add must still round.
  const std::string halfway_above_one = "1.00000000000000011102230246251565404236316680908203125";
  const std::string zeros(1000, '0');
  EXPECT_EQ(CDbl(halfway_above_one), 1.0);
  EXPECT_EQ(CDbl(halfway_above_one + zeros + "1"), std::nextafter(1.0, 2.0));
  EXPECT_EQ(CDbl("1" + zeros + "E-1000"), 1.0);
  EXPECT_EQ(CDbl(zeros + "5"), 5.0);
  EXPECT_EQ(CDbl("0." + zeros + "1"), 0.0);
  EXPECT_EQ(ErrorNumberOf([&] { CDbl(std::string(1000, '1')); }), err::kOverflow);
}

TEST_F(ConvertGerman, TextsThatAreNotNumbers) {
  for (const char* text : {"", " ", "-", "+", ",", ".", "-,", ".5", "1,2,3", "1E", "1E+", "12a", "1 2", "&H",
                           "&HG", "&O8", "- 5", "&", "Wahr"}) {
    EXPECT_FALSE(IsNumeric(text)) << text;
    EXPECT_EQ(ErrorNumberOf([&] { CDbl(text); }), err::kTypeMismatch) << text;
  }
  EXPECT_EQ(ErrorNumberOf([] { CDbl("1E400"); }), err::kOverflow);
  EXPECT_FALSE(IsNumeric("1E400"));
  EXPECT_EQ(ErrorNumberOf([] { CDbl(Variant::Null()); }), err::kInvalidUseOfNull);
  EXPECT_TRUE(IsNumeric(" 1.000,25 "));
  EXPECT_TRUE(IsNumeric(Variant()));
  EXPECT_TRUE(IsNumeric(false));
  EXPECT_FALSE(IsNumeric(Variant::Null()));
  EXPECT_FALSE(IsNumeric(Date(2.0)));
  EXPECT_FALSE(IsNumeric(Variant::Missing()));
}

TEST_F(ConvertGerman, IntegersRoundHalvesToEvenAndOverflowAtTheirLimits) {
  EXPECT_EQ(CInt(2.5), 2);
  EXPECT_EQ(CInt(3.5), 4);
  EXPECT_EQ(CInt(-2.5), -2);
  EXPECT_EQ(CInt(-3.5), -4);
  EXPECT_EQ(CInt(2.5000001), 3);
  EXPECT_EQ(CInt("12,5"), 12);
  EXPECT_EQ(CLng("13,5"), 14);
  EXPECT_EQ(CByte(0.5), 0);
  EXPECT_EQ(CByte(-0.4), 0);
  EXPECT_EQ(CInt(true), -1);
  EXPECT_EQ(CLng("&HFFFF"), -1);
  EXPECT_EQ(CLng("&H10000"), 65536);
  EXPECT_EQ(CLng("&HFFFFFFFF"), -1);
  EXPECT_EQ(CInt(32767.4), 32767);
  EXPECT_EQ(CInt(-32768.5), -32768);
  EXPECT_EQ(CLng("-2147483648"), INT32_MIN);
  EXPECT_EQ(ErrorNumberOf([] { CInt(32767.5); }), err::kOverflow);
  EXPECT_EQ(ErrorNumberOf([] { CInt(40000); }), err::kOverflow);
  EXPECT_EQ(ErrorNumberOf([] { CLng("2147483647,5"); }), err::kOverflow);
  EXPECT_EQ(ErrorNumberOf([] { CByte(-1); }), err::kOverflow);
  EXPECT_EQ(ErrorNumberOf([] { CByte(255.5); }), err::kOverflow);
  EXPECT_EQ(ErrorNumberOf([] { CLng("&H100000000"); }), err::kOverflow);
  EXPECT_EQ(ErrorNumberOf([] { CInt("abc"); }), err::kTypeMismatch);
  EXPECT_EQ(ErrorNumberOf([] { CLng(std::make_shared<Collection>()); }), err::kTypeMismatch);
}

TEST_F(ConvertGerman, BooleansFromWordsAndNumbers) {
  for (const char* text : {"Wahr", "wAHR", "true", "-1", "0,5"}) EXPECT_TRUE(CBool(text)) << text;
  for (const char* text : {"FALSCH", "False", " 0 "}) EXPECT_FALSE(CBool(text)) << text;
  EXPECT_FALSE(CBool(Variant()));
  EXPECT_TRUE(CBool(2.0));
  for (const char* text : {"", "Ja", "Wahrheit", "yes"}) {
    EXPECT_EQ(ErrorNumberOf([&] { CBool(text); }), err::kTypeMismatch) << text;
  }
  EXPECT_EQ(ErrorNumberOf([] { CBool(Variant::Null()); }), err::kInvalidUseOfNull);
}

struct Formatted {
  Variant value;
  const char* format;
  const char* text;
};

// Two decimals with the locale's separator; halves away from zero on the decimal value (the nearest
// double to 2.675 is 2.67499999...); digits other than zero as literals; hash placeholders that drop
// what is not needed; sections for negative numbers and zero; expressions of other kinds.
TEST(Format, NumbersUnderTheGermanLocaleAndEnglishSeparators) {
  const ScopedUserLocale locale("de-DE");
  const Formatted cases[] = {{5.0, "0.00", "5,00"},
                             {-0.5, "0.00", "-0,50"},
                             {1234567.891, "Fixed", "1234567,89"},
                             {0.004, "fixed", "0,00"},
                             {-0.004, "0.00", "0,00"},
                             {1234567.891, "Standard", "1.234.567,89"},
                             {0.256, "Percent", "25,60%"},
                             {12.5, "General Number", "12,5"},
                             {2.675, "0.00", "2,68"},
                             {1.005, "0.00", "1,01"},
                             {-2.5, "0", "-3"},
                             {0.5, "00", "01"},
                             {9.995, "0.00", "10,00"},
                             {1e20, "0", "100000000000000000000"},
                             {5, "2000", "2005"},
                             {12345, "2000", "212345"},
                             {7, "00", "07"},
                             {123, "00", "123"},
                             {5, "\\0\"0#\"0", "00#5"},
                             {42, "\"Nr. \"0 m", "Nr. 42 m"},
                             {0, "#", ""},
                             {0.5, "#.##", ",5"},
                             {1, "#.##", "1,"},
                             {1.2, "0.0#", "1,2"},
                             {1.25, ".0", "1,3"},
                             {1234, "#,#", "1.234"},
                             {123, "#,##0", "123"},
                             {-5, "0.0;(0.0)", "(5,0)"},
                             {5, "0.0;(0.0)", "5,0"},
                             {0, "0;-0;\"null\"", "null"},
                             {-5, "0;;\"null\"", "-5"},
                             {5, "\"a;b\"0", "a;b5"},
                             {"12,5", "0.00", "12,50"},
                             {"Text", "0.00", "Text"},
                             {true, "0", "-1"},
                             {true, "", "Wahr"},
                             {2.5, "", "2,5"},
                             {Variant(), "0.00", ""},
                             {Variant::Null(), "0.00", ""},
                             {Date(1.5), "0.00", "1,50"}};
  for (const Formatted& c : cases) EXPECT_EQ(Format(c.value, c.format), c.text) << c.format << " " << c.text;
  EXPECT_EQ(ErrorNumberOf([] { Format(Variant::Missing(), "0"); }), err::kTypeMismatch);
  EXPECT_EQ(ErrorNumberOf([] { Format(1e306, "0%%%"); }), err::kOverflow);
  EXPECT_EQ(ErrorNumberOf([] { Format("1E999", "0"); }), err::kOverflow);
  const ScopedUserLocale english("en-US");
  EXPECT_EQ(Format(1234567.891, "Standard"), "1,234,567.89");
  EXPECT_EQ(Format(-0.5, "Fixed"), "-0.50");
}

}  // namespace
}  // namespace tessera::platform
