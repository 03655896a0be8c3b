// What the library writes to settings files must read back to the same value under every locale.
#include <gtest/gtest.h>

#include <bit>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>

#include "tessera/platform/locale/user_locale.hpp"
#include "tessera/platform/runtime/convert.hpp"
#include "tessera/platform/runtime/date_parts.hpp"

namespace tessera::platform {
namespace {

class RoundTrip : public ::testing::TestWithParam<std::string> {
  ScopedUserLocale locale_{GetParam()};
};

// A random double that has at most 15 significant digits, over the whole exponent range.
double RandomFifteenDigitDouble(std::mt19937_64& random) {
  double value = 0.0;
  do {
    value = std::bit_cast<double>(random());
  } while (!std::isfinite(value));
  char text[32];
  const auto written = std::to_chars(text, text + sizeof text, value, std::chars_format::scientific, 14);
  std::from_chars(text, written.ptr, value);
  return value;
}

TEST_P(RoundTrip, DoublesOfFifteenDigits) {
  for (const double value : {12.5, -120.25, 0.1, 0.3, -0.001, 1.5e-7, 1e20, 123456789012345.0, 6.02214076e23,
                             1.7976931348623e308, 2.2250738585072e-308, 4.94065645841247e-324}) {
    EXPECT_EQ(CDbl(CStr(value)), value) << CStr(value);
  }
  std::mt19937_64 random(20240501);
  for (int i = 0; i < 2000; ++i) {
    const double value = RandomFifteenDigitDouble(random);
    ASSERT_EQ(CDbl(CStr(value)), value) << CStr(value);
  }
}

TEST_P(RoundTrip, IntegersAndBooleans) {
  for (const int32_t value :
       {0, -120, 48, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()}) {
    EXPECT_EQ(CLng(CStr(value)), value);
  }
  for (const int16_t value : {int16_t{-32768}, int16_t{12}, int16_t{32767}})
    EXPECT_EQ(CInt(CStr(value)), value);
  EXPECT_TRUE(CBool(CStr(true)));
  EXPECT_FALSE(CBool(CStr(false)));
  EXPECT_NE(CStr(true), CStr(false));
}

TEST_P(RoundTrip, EveryDayFrom1900To2100WithAndWithoutTime) {
  const double first = DateSerial(1900, 1, 1).serial();
  const double last = DateSerial(2100, 12, 31).serial();
  for (double day = first; day <= last; ++day) {
    const Date date(day);
    ASSERT_EQ(CDate(CStr(date)), date) << CStr(date);
  }
  // Times of day, on the zero date's day, before it and after it (whole seconds only: CStr writes
  // no fractions).
  for (const double serial : {0.0, 0.75, -1.25, -700.5, 45356.999988425923, 45356.5 + 1.0 / 86400}) {
    const Date date(serial);
    EXPECT_EQ(CStr(CDate(CStr(date))), CStr(date));
    EXPECT_NEAR(CDate(CStr(date)).serial(), serial, 0.5 / 86400) << CStr(date);
  }
}

INSTANTIATE_TEST_SUITE_P(AllKnownLocales, RoundTrip, ::testing::ValuesIn(KnownLocaleNames()),
                         [](const auto& info) {
                           std::string name = info.param;
                           for (char& c : name) {
                             if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                           }
                           return name;
                         });

}  // namespace
}  // namespace tessera::platform
