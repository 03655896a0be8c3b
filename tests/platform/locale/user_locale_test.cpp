#include "tessera/platform/locale/user_locale.hpp"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <array>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "../runtime/error_number.hpp"

namespace tessera::platform {
namespace {

// Sets the locale variables for one test and restores the previous environment afterwards.
class LocaleEnvironment : public ::testing::Test {
 protected:
  static constexpr const char* kVariables[] = {"LC_ALL", "LC_NUMERIC", "LC_TIME", "LC_MONETARY", "LANG"};

  void SetUp() override {
    for (const char* variable : kVariables) {
      if (const char* value = getenv(variable)) saved_[variable] = value;
      unsetenv(variable);
    }
  }
  void TearDown() override {
    for (const char* variable : kVariables) unsetenv(variable);
    for (const auto& [variable, value] : saved_) setenv(variable.c_str(), value.c_str(), 1);
  }
  static void Set(const char* variable, const char* value) { setenv(variable, value, 1); }

 private:
  std::map<std::string, std::string> saved_;
};

// One locale answers every question, whichever category a variable names: LC_ALL, then LC_TIME,
// then LANG; nothing set, C, POSIX and unknown names mean the home locale.
TEST_F(LocaleEnvironment, OneRuleChoosesTheLocaleOfEveryQuestion) {
  const struct {
    std::vector<std::pair<const char*, const char*>> set;
    const char* locale;
  } cases[] = {
      {{}, "de-DE"},
      {{{"LANG", "C"}}, "de-DE"},
      {{{"LANG", "POSIX"}}, "de-DE"},
      {{{"LANG", "C.UTF-8"}}, "de-DE"},
      {{{"LANG", "xx_YY.UTF-8"}}, "de-DE"},
      {{{"LANG", "fr_FR.UTF-8"}}, "fr-FR"},
      {{{"LANG", "en_US.UTF-8"}, {"LC_TIME", "en_GB.UTF-8"}}, "en-GB"},
      {{{"LANG", "de_DE"}, {"LC_TIME", "en_US"}, {"LC_NUMERIC", "it_IT"}, {"LC_MONETARY", "fr_FR"}}, "en-US"},
      {{{"LANG", "en_US.UTF-8"}, {"LC_NUMERIC", "de_DE.UTF-8"}}, "en-US"},
      {{{"LANG", "fr_FR"}, {"LC_TIME", "it_IT"}, {"LC_ALL", "de_CH.UTF-8"}}, "de-CH"},
      {{{"LANG", "fr_FR"}, {"LC_TIME", "it_IT"}, {"LC_ALL", ""}}, "it-IT"},  // empty counts as unset
  };
  for (const auto& c : cases) {
    for (const char* variable : kVariables) unsetenv(variable);
    for (const auto& [variable, value] : c.set) Set(variable, value);
    const LocaleData& expected = *FindLocale(c.locale);
    EXPECT_EQ(UserLocale().name, c.locale);
    EXPECT_EQ(GetUserDefaultLCID(), expected.lcid) << c.locale;
    std::array<char, 32> buffer{};
    ASSERT_GT(GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SSHORTDATE, buffer.data(), 32), 0);
    EXPECT_EQ(buffer.data(), expected.short_date) << c.locale;
  }
}

TEST_F(LocaleEnvironment, OverrideBeatsTheEnvironmentAndScopesNest) {
  Set("LC_ALL", "en_GB.UTF-8");
  {
    const ScopedUserLocale outer("nl-NL");
    EXPECT_EQ(UserLocale().name, "nl-NL");
    {
      const ScopedUserLocale inner("de_AT@euro");
      EXPECT_EQ(UserLocale().name, "de-AT");
    }
    EXPECT_EQ(UserLocale().name, "nl-NL");
  }
  EXPECT_EQ(UserLocale().name, "en-GB");
  EXPECT_EQ(testing::ErrorNumberOf([] { SetUserLocaleOverride("tlh-QO"); }), err::kInvalidProcedureCall);
  EXPECT_EQ(UserLocale().name, "en-GB");
}

TEST(LocaleData, SpellingsAndIdentifiersFindTheirLocaleWhichAnswersAsWindowsDoes) {
  const LocaleData* de_de = FindLocale("de-DE");
  ASSERT_NE(de_de, nullptr);
  for (const char* spelling : {"de_DE", "DE-de", "de_DE.UTF-8", "de_DE@euro", "de"}) {
    EXPECT_EQ(FindLocale(spelling), de_de) << spelling;
  }
  EXPECT_EQ(FindLocale("en")->name, "en-US");
  EXPECT_EQ(FindLocale(""), nullptr);
  EXPECT_EQ(FindLocale("de-XX"), nullptr);
  EXPECT_EQ(FindLocale(0x0407U), de_de);
  EXPECT_EQ(FindLocale(0x7777U), nullptr);
  const std::map<std::string, uint32_t> required = {{"de-DE", 0x0407}, {"de-AT", 0x0C07}, {"de-CH", 0x0807},
                                                    {"en-US", 0x0409}, {"en-GB", 0x0809}, {"fr-FR", 0x040C},
                                                    {"it-IT", 0x0410}, {"nl-NL", 0x0413}};
  const auto names = KnownLocaleNames();
  EXPECT_EQ(names.front(), "de-DE");
  for (const auto& [name, lcid] : required) {
    const LocaleData* data = FindLocale(name);
    ASSERT_NE(data, nullptr) << name;
    EXPECT_EQ(data->lcid, lcid) << name;
  }
  const LocaleData& de = *FindLocale("de-DE");
  EXPECT_EQ(de.decimal_separator, ",");
  EXPECT_EQ(de.thousand_separator, ".");
  EXPECT_EQ(de.currency, "€");
  EXPECT_EQ(de.true_word, "Wahr");
  EXPECT_EQ(de.false_word, "Falsch");
  EXPECT_EQ(de.short_date, "dd.MM.yyyy");
  EXPECT_EQ(de.date_separator, ".");
  EXPECT_EQ(de.time_format, "HH:mm:ss");
  const LocaleData& us = *FindLocale("en-US");
  EXPECT_EQ(us.decimal_separator, ".");
  EXPECT_EQ(us.thousand_separator, ",");
  EXPECT_EQ(us.currency, "$");
  EXPECT_EQ(us.short_date, "M/d/yyyy");
  EXPECT_EQ(us.date_separator, "/");
  EXPECT_EQ(us.time_format, "h:mm:ss tt");
  EXPECT_EQ(us.am_designator, "AM");
  const LocaleData& ch = *FindLocale("de-CH");
  EXPECT_EQ(ch.decimal_separator, ".");
  EXPECT_EQ(ch.thousand_separator, "'");
  EXPECT_EQ(ch.currency, "CHF");
  EXPECT_EQ(FindLocale("nl-NL")->date_separator, "-");
  EXPECT_EQ(FindLocale("en-GB")->currency, "£");
}

// Into a buffer of spaces, as callers prepare it, so that untouched bytes show.
TEST(GetLocaleInfoA, FillsTheBufferCountingTheNulAndAnswersInTheAnsiCodePage) {
  const ScopedUserLocale locale("de-DE");
  std::string buffer(15, ' ');
  EXPECT_EQ(GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SSHORTDATE, buffer.data(), 15), 11);
  EXPECT_EQ(buffer, std::string("dd.MM.yyyy\0    ", 15));
  EXPECT_EQ(GetUserDefaultLCID(), 0x0407U);
  EXPECT_EQ(GetLocaleInfoA(GetUserDefaultLCID(), LOCALE_STIME, buffer.data(), 2), 2);
  EXPECT_EQ(buffer.substr(0, 2), std::string(":\0", 2));
  buffer.assign(15, ' ');
  EXPECT_EQ(GetLocaleInfoA(0x0409, LOCALE_STIMEFORMAT, nullptr, 0), 11);
  EXPECT_EQ(GetLocaleInfoA(0x0409, LOCALE_STIMEFORMAT, buffer.data(), 4), 0);
  EXPECT_EQ(buffer, std::string(15, ' ')) << "too small: untouched";
  EXPECT_EQ(GetLocaleInfoA(0x7777, LOCALE_SDATE, buffer.data(), 4), 0);
  EXPECT_EQ(GetLocaleInfoA(0x0409, 0x9999, buffer.data(), 4), 0);
  EXPECT_EQ(buffer, std::string(15, ' '));
  // The euro sign is one byte, 0x80, in Windows-1252.
  EXPECT_EQ(GetLocaleInfoA(0x0407, LOCALE_SCURRENCY, buffer.data(), 10), 2);
  EXPECT_EQ(buffer[0], '\x80');
  EXPECT_EQ(GetLocaleInfoA(0x040C, LOCALE_STHOUSAND | 0x80000000U, buffer.data(), 10), 2);
  EXPECT_EQ(buffer[0], '\xA0');
}

// The date masks fetch these into buffers of 10, 2 and 15 characters (with the NUL): every known
// locale must answer each, and fit. (That numbers and words written under every locale read
// back, which needs usable number symbols, the round trip tests show.)
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
    EXPECT_EQ(FindLocale(name)->time_separator, ":") << name;
  }
}

}  // namespace
}  // namespace tessera::platform
