#include "tessera/platform/runtime/format.hpp"

#include <gtest/gtest.h>

#include "error_number.hpp"
#include "tessera/platform/locale/user_locale.hpp"

namespace tessera::platform {
namespace {

using testing::ErrorNumberOf;

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
