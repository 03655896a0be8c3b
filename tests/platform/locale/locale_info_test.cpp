#include <gtest/gtest.h>

#include <string>

#include "tessera/platform/locale/user_locale.hpp"

namespace tessera::platform {
namespace {

// A buffer of spaces, as callers prepare it, so that untouched bytes show.
std::string Spaces(std::size_t n) {
  return std::string(n, ' ');
}

TEST(GetLocaleInfoA, FillsTheBufferAndCountsTheNul) {
  const ScopedUserLocale locale("de-DE");
  std::string buffer = Spaces(15);
  EXPECT_EQ(GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SSHORTDATE, buffer.data(), 15), 11);
  EXPECT_EQ(buffer, std::string("dd.MM.yyyy\0    ", 15));
  EXPECT_EQ(GetUserDefaultLCID(), 0x0407U);
  EXPECT_EQ(GetLocaleInfoA(GetUserDefaultLCID(), LOCALE_STIME, buffer.data(), 2), 2);
  EXPECT_EQ(buffer.substr(0, 2), std::string(":\0", 2));
}

TEST(GetLocaleInfoA, SizeZeroAsksAndTooSmallLeavesTheBufferAlone) {
  std::string buffer = Spaces(4);
  EXPECT_EQ(GetLocaleInfoA(0x0409, LOCALE_STIMEFORMAT, nullptr, 0), 11);
  EXPECT_EQ(GetLocaleInfoA(0x0409, LOCALE_STIMEFORMAT, buffer.data(), 4), 0);
  EXPECT_EQ(buffer, Spaces(4));
  EXPECT_EQ(GetLocaleInfoA(0x7777, LOCALE_SDATE, buffer.data(), 4), 0);
  EXPECT_EQ(GetLocaleInfoA(0x0409, 0x9999, buffer.data(), 4), 0);
  EXPECT_EQ(buffer, Spaces(4));
}

TEST(GetLocaleInfoA, AnswersInTheAnsiCodePage) {
  std::string buffer = Spaces(10);
  // The euro sign is one byte, 0x80, in Windows-1252.
  EXPECT_EQ(GetLocaleInfoA(0x0407, LOCALE_SCURRENCY, buffer.data(), 10), 2);
  EXPECT_EQ(buffer[0], '\x80');
  EXPECT_EQ(GetLocaleInfoA(0x040C, LOCALE_STHOUSAND | 0x80000000U, buffer.data(), 10), 2);
  EXPECT_EQ(buffer[0], '\xA0');
}

}  // namespace
}  // namespace tessera::platform

namespace tessera::platform {
namespace {

// The date masks fetch these into buffers of 10, 2 and 15 characters (with the NUL): every known
// locale must answer each, and fit.
TEST(GetLocaleInfoA, EveryLocaleHasItsDateAndTimeFormsWithinTheMaskBuffers) {
  struct Field {
    uint32_t lctype;
    int32_t buffer;
  };
  for (const std::string& name : KnownLocaleNames()) {
    const ScopedUserLocale locale(name);
    for (const Field field : {Field{LOCALE_SCURRENCY, 10}, Field{LOCALE_SDATE, 2}, Field{LOCALE_STIME, 2},
                              Field{LOCALE_SSHORTDATE, 15}, Field{LOCALE_STIMEFORMAT, 15}}) {
      const int32_t needed = GetLocaleInfoA(LOCALE_USER_DEFAULT, field.lctype, nullptr, 0);
      EXPECT_GT(needed, 1) << name << " " << field.lctype;
      EXPECT_LE(needed, field.buffer) << name << " " << field.lctype;
    }
  }
}

}  // namespace
}  // namespace tessera::platform
