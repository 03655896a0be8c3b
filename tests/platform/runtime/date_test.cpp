// The host's dates: building them from parts, reading them from text, writing them as text.
#include <gtest/gtest.h>

#include <ctime>
#include <utility>
#include <vector>

#include "error_number.hpp"
#include "tessera/platform/locale/user_locale.hpp"
#include "tessera/platform/runtime/convert.hpp"
#include "tessera/platform/runtime/date_parts.hpp"
#include "tessera/platform/runtime/format.hpp"

namespace tessera::platform {
namespace {

using testing::ErrorNumberOf;

class DatesGerman : public ::testing::Test {
  ScopedUserLocale locale_{"de-DE"};
};

Date At(int32_t year, int32_t month, int32_t day, int32_t hour = 0, int32_t minute = 0, int32_t second = 0) {
  Date date;
  EXPECT_TRUE(DateFromParts({year, month, day, hour, minute, second}, date));
  return date;
}

TEST(DateParts, SerialsAroundTheZeroDate) {
  EXPECT_EQ(At(1899, 12, 30).serial(), 0.0);
  EXPECT_EQ(At(1900, 1, 1).serial(), 2.0);
  EXPECT_EQ(At(2024, 3, 5, 12).serial(), 45356.5);
  EXPECT_EQ(At(1899, 12, 29, 6).serial(), -1.25);  // the time still counts forward
  EXPECT_EQ(At(100, 1, 1).serial(), kFirstDateSerial);
  const DateParts parts = PartsOf(Date(-1.25));
  EXPECT_EQ(parts.day, 29);
  EXPECT_EQ(parts.hour, 6);
  // The time is rounded to the second, carrying into the next day.
  EXPECT_EQ(Day(Date(45356.99999999)), 6);
  EXPECT_EQ(Hour(Date(45356.99999999)), 0);
  EXPECT_EQ(ErrorNumberOf([] { PartsOf(Date(kLastDateSerial + 1)); }), err::kOverflow);
  EXPECT_EQ(ErrorNumberOf([] { CDate(-657435.0); }), err::kOverflow);
}

TEST(DateParts, DateSerialCarriesAndWindowsTheYearAndWeekdaysCountFromAChosenDay) {
  EXPECT_EQ(DateSerial(2024, 13, 1), At(2025, 1, 1));
  EXPECT_EQ(DateSerial(2024, 0, 1), At(2023, 12, 1));
  EXPECT_EQ(DateSerial(2024, 3, 0), At(2024, 2, 29));
  EXPECT_EQ(DateSerial(2023, 2, 29), At(2023, 3, 1));
  EXPECT_EQ(DateSerial(2024, -13, 1), At(2022, 11, 1));
  EXPECT_EQ(DateSerial(29, 1, 1), At(2029, 1, 1));
  EXPECT_EQ(DateSerial(30, 1, 1), At(1930, 1, 1));
  EXPECT_EQ(TimeSerial(14, 5, 0).serial(), (14 * 60 + 5) / 1440.0);
  EXPECT_EQ(TimeSerial(25, -1, 60), At(1899, 12, 31, 1));
  EXPECT_EQ(ErrorNumberOf([] { DateSerial(10000, 1, 1); }), err::kInvalidProcedureCall);
  EXPECT_EQ(ErrorNumberOf([] { DateSerial(9999, 12, 32); }), err::kInvalidProcedureCall);
  EXPECT_EQ(ErrorNumberOf([] { DateSerial(-1, 1, 1); }), err::kInvalidProcedureCall);
  EXPECT_EQ(Weekday(Date(0.0)), 7);  // a Saturday
  EXPECT_EQ(Weekday(Date(-1.25)), 6);
  EXPECT_EQ(Weekday(At(2024, 1, 1)), 2);
  EXPECT_EQ(Weekday(At(2024, 1, 1), kMonday), 1);
  EXPECT_EQ(Weekday(At(2024, 1, 7), kMonday), 7);
  EXPECT_EQ(ErrorNumberOf([] { Weekday(Date(0.0), 8); }), err::kInvalidProcedureCall);
}

int32_t ThisYear() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return local.tm_year + 1900;
}

// Texts CDate reads under a locale; year 0 is the current year, and 1899-12-30 a time alone.
struct Reading {
  const char* locale;
  const char* text;
  int32_t year, month, day, hour = 0, minute = 0, second = 0;
};

TEST(DateText, CDateReadsNumbersMonthNamesSeparatorsAndDesignators) {
  const Reading cases[] = {
      // Three numbers in the locale's order, then the likeliest other, then year first.
      {"de-DE", "5.3.2024", 2024, 3, 5},
      {"de-DE", " 05/03/2024 ", 2024, 3, 5},
      {"de-DE", "5. 3. 2024", 2024, 3, 5},
      {"de-DE", "5 . 3 . 2024", 2024, 3, 5},
      {"de-DE", "5-3-2024", 2024, 3, 5},
      {"de-DE", "2024-03-05", 2024, 3, 5},
      {"de-DE", "1.13.2024", 2024, 1, 13},
      {"de-DE", "1.1.0100", 100, 1, 1},
      {"en-US", "3/5/2024", 2024, 3, 5},
      {"en-US", "13/1/2024", 2024, 1, 13},
      {"en-US", "2024-03-05", 2024, 3, 5},
      {"nl-NL", "5-3-2024", 2024, 3, 5},
      // The two-digit year window.
      {"de-DE", "1.1.29", 2029, 1, 1},
      {"de-DE", "1.1.30", 1930, 1, 1},
      {"de-DE", "1 2 29", 2029, 2, 1},
      {"de-DE", "1 2 30", 1930, 2, 1},
      {"en-US", "1 2 29", 2029, 1, 2},
      // Two numbers: day and month of this year, or a month of a year.
      {"de-DE", "5.3", 0, 3, 5},
      {"de-DE", "1 2", 0, 2, 1},
      {"en-US", "1 2", 0, 1, 2},
      {"en-GB", "1-2", 0, 2, 1},
      {"de-DE", "2.5", 0, 5, 2},
      {"de-DE", "3.2024", 2024, 3, 1},
      {"de-DE", "2024-03", 2024, 3, 1},
      {"de-DE", "30 2", 1930, 2, 1},
      {"en-US", "30 2", 1930, 2, 1},
      // Month names and abbreviations of the locale, in any case.
      {"en-US", "Jan 35", 1935, 1, 1},
      {"en-US", "2 January 1970", 1970, 1, 2},
      {"en-GB", "2 January 1970", 1970, 1, 2},
      {"en-US", "2-Jan-1970", 1970, 1, 2},
      {"en-US", "JAN 5", 0, 1, 5},
      {"de-DE", "5 März 2024", 2024, 3, 5},
      {"de-DE", "5. Mai 2024", 2024, 5, 5},
      {"de-DE", "5. Jan. 2024", 2024, 1, 5},
      {"de-DE", "Mai 2024", 2024, 5, 1},
      {"fr-FR", "5 janv. 2024", 2024, 1, 5},
      // "." separates the time where the locale does not separate dates with it.
      {"en-US", "5.3.24", 1899, 12, 30, 5, 3, 24},
      {"en-GB", "5.3.24", 1899, 12, 30, 5, 3, 24},
      {"fr-FR", "5.3.24", 1899, 12, 30, 5, 3, 24},
      {"en-US", "1.1.30", 1899, 12, 30, 1, 1, 30},
      {"en-US", "1.5.2", 1899, 12, 30, 1, 5, 2},
      {"en-GB", "2.5", 1899, 12, 30, 2, 5},
      {"fr-FR", "0.1", 1899, 12, 30, 0, 1},
      {"nl-NL", "5.3.24", 1899, 12, 30, 5, 3, 24},
      // Times, with a date before or after them, and the designators.
      {"de-DE", "14:05", 1899, 12, 30, 14, 5},
      {"de-DE", "5.3.2024 14:05:30", 2024, 3, 5, 14, 5, 30},
      {"de-DE", "14:05 5.3.2024", 2024, 3, 5, 14, 5},
      {"de-DE", "2:05 PM", 1899, 12, 30, 14, 5},
      {"de-DE", "12:00 AM", 1899, 12, 30},
      {"en-US", "12:00:00 AM", 1899, 12, 30},
      {"en-US", "12:30 PM", 1899, 12, 30, 12, 30},
      {"en-US", "1:05:00 pm", 1899, 12, 30, 13, 5},
      {"en-US", "5 PM", 1899, 12, 30, 17},
      {"en-US", "13:00 AM", 1899, 12, 30, 13},
      {"de-DE", "13:00 PM", 1899, 12, 30, 13},
      {"en-GB", "2 Jan 2024 3:04 pm", 2024, 1, 2, 15, 4},
  };
  for (const Reading& c : cases) {
    const ScopedUserLocale locale(c.locale);
    ASSERT_TRUE(IsDate(c.text)) << c.locale << " " << c.text;
    EXPECT_EQ(CDate(c.text),
              At(c.year == 0 ? ThisYear() : c.year, c.month, c.day, c.hour, c.minute, c.second))
        << c.locale << " " << c.text;
  }
  const ScopedUserLocale english("en-US");
  EXPECT_EQ(CDate("30 2").serial(), 10990.0);
  EXPECT_DOUBLE_EQ(CDate("1.5.2").serial(), 0.04516203703703704);
  EXPECT_DOUBLE_EQ(CDate("0.1").serial(), 0.0006944444444444445);
}

TEST(DateText, TextsThatAreNotDates) {
  const std::pair<const char*, std::vector<const char*>> cases[] = {
      {"de-DE",
       {"", " ", "x", "2024", "Jan", "29.2.2023", "31.4.2024", "13.13.2024", "5.3.2024x", "5.3.", ".5.3",
        "1.1.10000", "5.3.2024.1"}},
      {"de-DE",
       {"25:00", "14:60", "14:", "1:2:3:4", "5,3,2024", "5.3.2024 AM", "5 AM PM", "14:05 14:05",
        "5.3 14:05 2024", "1234567890.1.1", "5..3.2024", "5 Januar Februar"}},
      // The German form "1.1.2024" is a time with 2024 seconds here.
      {"en-US", {"2/29/2023", "1.1.2024", "5.3.2024", "5 Janvier 2024", "5 PMx"}},
  };
  for (const auto& [name, texts] : cases) {
    const ScopedUserLocale locale(name);
    for (const char* text : texts) {
      EXPECT_FALSE(IsDate(text)) << name << " " << text;
      EXPECT_EQ(ErrorNumberOf([&] { CDate(text); }), err::kTypeMismatch) << name << " " << text;
    }
  }
  EXPECT_TRUE(IsDate(Date(1.0)));
  EXPECT_FALSE(IsDate(45356.0));
  EXPECT_EQ(ErrorNumberOf([] { CDate(Variant::Null()); }), err::kInvalidUseOfNull);
  EXPECT_EQ(CDate(45356.5), Date(45356.5));
}

TEST_F(DatesGerman, CStrWritesTheLocalesShortDateAndTimeAndFormatTheDatePatterns) {
  EXPECT_EQ(CStr(Date(0.0)), "00:00:00");
  EXPECT_EQ(CStr(At(2024, 3, 5)), "05.03.2024");
  EXPECT_EQ(CStr(At(2024, 3, 5, 14, 5, 9)), "05.03.2024 14:05:09");
  EXPECT_EQ(CStr(Date(0.75)), "18:00:00");
  EXPECT_EQ(CStr(At(100, 1, 1)), "01.01.0100");
  EXPECT_EQ(ErrorNumberOf([] { CStr(Date(1e9)); }), err::kOverflow);
  const Date date = At(2024, 3, 5, 14, 5, 9);
  EXPECT_EQ(Format(date, "dd.mm.yyyy"), "05.03.2024");
  EXPECT_EQ(Format(date, "d/m/yy"), "5.3.24");
  EXPECT_EQ(Format(date, "hh:mm:ss"), "14:05:09");
  EXPECT_EQ(Format(date, "h:nn AM/PM"), "2:05 PM");
  EXPECT_EQ(Format(date, "hh:mm a/p"), "02:05 p");
  EXPECT_EQ(Format(date, "dddd, d. mmmm yyyy"), "Dienstag, 5. März 2024");
  EXPECT_EQ(Format(date, "\"KW\" ww, \"Q\"q, y\\d w"), "KW 10, Q1, 65d 3");
  EXPECT_EQ(Format(date, "Short Date"), "05.03.2024");
  EXPECT_EQ(Format(date, "Long Date"), "Dienstag, 5. März 2024");
  EXPECT_EQ(Format(date, "Short Time"), "14:05");
  EXPECT_EQ(Format(date, "General Date"), "05.03.2024 14:05:09");
  EXPECT_EQ(Format(date, "ddddd ttttt"), "05.03.2024 14:05:09");
  EXPECT_EQ(Format("5.3.2024", "yyyy-mm-dd"), "2024-03-05");
  EXPECT_EQ(Format(45356, "yyyy-mm-dd"), "2024-03-05");
  EXPECT_EQ(Format("kein Datum", "yyyy"), "kein Datum");
  EXPECT_EQ(Format("7", "00"), "07");
  const ScopedUserLocale english("en-US");
  EXPECT_EQ(CStr(Date(0.0)), "12:00:00 AM");
  EXPECT_EQ(CStr(At(2024, 3, 5)), "3/5/2024");
  EXPECT_EQ(CStr(At(2024, 3, 5, 14, 5, 9)), "3/5/2024 2:05:09 PM");
}

}  // namespace
}  // namespace tessera::platform
