#include "tessera/platform/runtime/format.hpp"

#include <gtest/gtest.h>

#include "error_number.hpp"
#include "tessera/platform/locale/user_locale.hpp"

namespace tessera::platform {
namespace {

using testing::ErrorNumberOf;

class FormatGerman : public ::testing::Test {
  ScopedUserLocale locale_{"de-DE"};
};

TEST_F(FormatGerman, TwoDecimalsWithTheLocaleSeparator) {
  EXPECT_EQ(Format(5.0, "0.00"), "5,00");
  EXPECT_EQ(Format(-0.5, "0.00"), "-0,50");
  EXPECT_EQ(Format(1234567.891, "Fixed"), "1234567,89");
  EXPECT_EQ(Format(0.004, "fixed"), "0,00");
  EXPECT_EQ(Format(-0.004, "0.00"), "0,00");
  EXPECT_EQ(Format(1234567.891, "Standard"), "1.234.567,89");
  EXPECT_EQ(Format(0.256, "Percent"), "25,60%");
  EXPECT_EQ(Format(12.5, "General Number"), "12,5");
}

TEST_F(FormatGerman, RoundsHalfAwayFromZeroOnTheDecimalValue) {
  EXPECT_EQ(Format(2.675, "0.00"), "2,68");  // the nearest double is 2.67499999...
  EXPECT_EQ(Format(1.005, "0.00"), "1,01");
  EXPECT_EQ(Format(-2.5, "0"), "-3");
  EXPECT_EQ(Format(0.5, "00"), "01");
  EXPECT_EQ(Format(9.995, "0.00"), "10,00");
  EXPECT_EQ(Format(1e20, "0"), "100000000000000000000");
}

TEST_F(FormatGerman, DigitsOtherThanZeroAreLiterals) {
  EXPECT_EQ(Format(5, "2000"), "2005");
  EXPECT_EQ(Format(12345, "2000"), "212345");
  EXPECT_EQ(Format(7, "00"), "07");
  EXPECT_EQ(Format(123, "00"), "123");
  EXPECT_EQ(Format(5, "\\0\"0#\"0"), "00#5");
  EXPECT_EQ(Format(42, "\"Nr. \"0 m"), "Nr. 42 m");
}

TEST_F(FormatGerman, HashPlaceholdersDropWhatIsNotNeeded) {
  EXPECT_EQ(Format(0, "#"), "");
  EXPECT_EQ(Format(0.5, "#.##"), ",5");
  EXPECT_EQ(Format(1, "#.##"), "1,");
  EXPECT_EQ(Format(1.2, "0.0#"), "1,2");
  EXPECT_EQ(Format(1.25, ".0"), "1,3");
  EXPECT_EQ(Format(1234, "#,#"), "1.234");
  EXPECT_EQ(Format(123, "#,##0"), "123");
}

TEST_F(FormatGerman, SectionsForNegativeAndZero) {
  EXPECT_EQ(Format(-5, "0.0;(0.0)"), "(5,0)");
  EXPECT_EQ(Format(5, "0.0;(0.0)"), "5,0");
  EXPECT_EQ(Format(0, "0;-0;\"null\""), "null");
  EXPECT_EQ(Format(-5, "0;;\"null\""), "-5");
  EXPECT_EQ(Format(5, "\"a;b\"0"), "a;b5");
}

TEST_F(FormatGerman, ExpressionsOfOtherKinds) {
  EXPECT_EQ(Format("12,5", "0.00"), "12,50");
  EXPECT_EQ(Format("Text", "0.00"), "Text");
  EXPECT_EQ(Format(true, "0"), "-1");
  EXPECT_EQ(Format(true), "Wahr");
  EXPECT_EQ(Format(2.5), "2,5");
  EXPECT_EQ(Format(Variant(), "0.00"), "");
  EXPECT_EQ(Format(Variant::Null(), "0.00"), "");
  EXPECT_EQ(Format(Date(1.5), "0.00"), "1,50");
  EXPECT_EQ(ErrorNumberOf([] { Format(Variant::Missing(), "0"); }), err::kTypeMismatch);
  EXPECT_EQ(ErrorNumberOf([] { Format(1e306, "0%%%"); }), err::kOverflow);
  EXPECT_EQ(ErrorNumberOf([] { Format("1E999", "0"); }), err::kOverflow);
}

TEST(Format, EnglishSeparators) {
  const ScopedUserLocale locale("en-US");
  EXPECT_EQ(Format(1234567.891, "Standard"), "1,234,567.89");
  EXPECT_EQ(Format(-0.5, "Fixed"), "-0.50");
}

}  // namespace
}  // namespace tessera::platform
