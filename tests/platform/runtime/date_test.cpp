// The host's dates: building them from parts, reading them from text, writing them as text.
#include <gtest/gtest.h>

#include <ctime>

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
class DatesEnglish : public ::testing::Test {
  ScopedUserLocale locale_{"en-US"};
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

TEST(DateParts, DateSerialCarriesAndWindowsTheYear) {
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
}

TEST(DateParts, WeekdayFromAChosenFirstDay) {
  EXPECT_EQ(Weekday(Date(0.0)), 7);  // a Saturday
  EXPECT_EQ(Weekday(Date(-1.25)), 6);
  EXPECT_EQ(Weekday(At(2024, 1, 1)), 2);
  EXPECT_EQ(Weekday(At(2024, 1, 1), kMonday), 1);
  EXPECT_EQ(Weekday(At(2024, 1, 7), kMonday), 7);
  EXPECT_EQ(ErrorNumberOf([] { Weekday(Date(0.0), 8); }), err::kInvalidProcedureCall);
}

TEST_F(DatesGerman, CDateReadsTheLocaleOrder) {
  EXPECT_EQ(CDate("5.3.2024"), At(2024, 3, 5));
  EXPECT_EQ(CDate(" 05/03/2024 "), At(2024, 3, 5));
  EXPECT_EQ(CDate("5. 3. 2024"), At(2024, 3, 5));
  EXPECT_EQ(CDate("2024-03-05"), At(2024, 3, 5));
  EXPECT_EQ(CDate("1.1.29"), At(2029, 1, 1));
  EXPECT_EQ(CDate("1.1.30"), At(1930, 1, 1));
  EXPECT_EQ(CDate("1.1.0100"), At(100, 1, 1));
  EXPECT_EQ(CDate("1.13.2024"), At(2024, 1, 13));
  EXPECT_EQ(CDate("14:05"), At(1899, 12, 30, 14, 5));
  EXPECT_EQ(CDate("5.3.2024 14:05:30"), At(2024, 3, 5, 14, 5, 30));
  EXPECT_EQ(CDate("14:05 5.3.2024"), At(2024, 3, 5, 14, 5));
  EXPECT_EQ(CDate("2:05 PM"), At(1899, 12, 30, 14, 5));
  EXPECT_EQ(CDate("12:00 AM"), Date(0.0));
  std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  EXPECT_EQ(CDate("5.3"), At(local.tm_year + 1900, 3, 5));
  EXPECT_EQ(CDate("3.2024"), At(2024, 3, 1));
}

TEST_F(DatesGerman, TextsThatAreNotDates) {
  for (const char* text : {"",
                           " ",
                           "x",
                           "2024",
                           "29.2.2023",
                           "31.4.2024",
                           "13.13.2024",
                           "5.3.2024x",
                           "5.3.",
                           "1.1.10000",
                           "5.3.2024.1",
                           "25:00",
                           "14:60",
                           "1:2:3:4",
                           "13:00 PM",
                           "5,3,2024",
                           "5.3.2024 AM",
                           "14:05 14:05",
                           "5-3-2024",
                           "5.3 14:05 2024",
                           "1234567890.1.1",
                           "5..3.2024"}) {
    EXPECT_FALSE(IsDate(text)) << text;
    EXPECT_EQ(ErrorNumberOf([&] { CDate(text); }), err::kTypeMismatch) << text;
  }
  EXPECT_TRUE(IsDate(Date(1.0)));
  EXPECT_FALSE(IsDate(45356.0));
  EXPECT_EQ(ErrorNumberOf([] { CDate(Variant::Null()); }), err::kInvalidUseOfNull);
  EXPECT_EQ(CDate(45356.5), Date(45356.5));
}

TEST_F(DatesEnglish, CDateReadsMonthFirst) {
  EXPECT_EQ(CDate("3/5/2024"), At(2024, 3, 5));
  EXPECT_EQ(CDate("13/1/2024"), At(2024, 1, 13));
  EXPECT_EQ(CDate("2024-03-05"), At(2024, 3, 5));
  EXPECT_EQ(CDate("12:00:00 AM"), Date(0.0));
  EXPECT_EQ(CDate("1:05:00 pm"), At(1899, 12, 30, 13, 5));
  EXPECT_EQ(CDate("5 PM"), At(1899, 12, 30, 17));
  EXPECT_FALSE(IsDate("2/29/2023"));
  EXPECT_FALSE(IsDate("1.1.2024"));  // the German form is no date here
}

TEST_F(DatesGerman, CStrWritesShortDateAndTime) {
  EXPECT_EQ(CStr(Date(0.0)), "00:00:00");
  EXPECT_EQ(CStr(At(2024, 3, 5)), "05.03.2024");
  EXPECT_EQ(CStr(At(2024, 3, 5, 14, 5, 9)), "05.03.2024 14:05:09");
  EXPECT_EQ(CStr(Date(0.75)), "18:00:00");
  EXPECT_EQ(CStr(At(100, 1, 1)), "01.01.0100");
  EXPECT_EQ(ErrorNumberOf([] { CStr(Date(1e9)); }), err::kOverflow);
}

TEST_F(DatesEnglish, CStrWritesShortDateAndTime) {
  EXPECT_EQ(CStr(Date(0.0)), "12:00:00 AM");
  EXPECT_EQ(CStr(At(2024, 3, 5)), "3/5/2024");
  EXPECT_EQ(CStr(At(2024, 3, 5, 14, 5, 9)), "3/5/2024 2:05:09 PM");
}

TEST_F(DatesGerman, FormatWithDatePatterns) {
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
}

}  // namespace
}  // namespace tessera::platform
