// The host runtime's date arithmetic: checked dates, building dates from parts, and the parts of
// a date.
//
// Dates live in the host's range, 1 January 100 to 31 December 9999 (23:59:59), in the
// proleptic Gregorian calendar. A serial before the zero date keeps its time of day as a positive
// fraction: -1.25 is 29 December 1899, 06:00, as the OLE Automation date has it. The parts of a
// date are taken with the time rounded to the nearest second, as the host rounds it, so that
// 23:59:59.7 is the next day's midnight.
#pragma once

#include <cstdint>

#include "tessera/platform/runtime/date.hpp"

namespace tessera::platform {

inline constexpr double kFirstDateSerial = -657434.0;                     // 1 January 100
inline constexpr double kLastDateSerial = 2958465.0 + 86399.0 / 86400.0;  // 31 December 9999, 23:59:59

// The runtime's day numbers for the first day of the week (vbSunday ... vbSaturday).
inline constexpr int kSunday = 1;
inline constexpr int kMonday = 2;

struct DateParts {
  int32_t year = 1899;
  int32_t month = 12;
  int32_t day = 30;
  int32_t hour = 0;
  int32_t minute = 0;
  int32_t second = 0;
};

// Whether a serial number is a date of the host's range.
bool IsInDateRange(double serial) noexcept;

// The serial as a date; error 6 "Overflow" outside the range (or for NaN).
Date CheckedDate(double serial);

// The parts of a date; error 6 outside the range.
DateParts PartsOf(Date date);

// The date of exact parts, or false when a part is out of its range (month 1-12, the month's
// days, hour 0-23, minute and second 0-59, year 100-9999).
bool DateFromParts(const DateParts& parts, Date& date);

// DateSerial: years 0-29 mean 2000-2029 and 30-99 mean 1930-1999; a month or day outside its
// range carries into the year or month (month 13 is January of the next year, day 0 the last day
// of the month before). Error 5 when the result leaves the date range.
Date DateSerial(int32_t year, int32_t month, int32_t day);

// TimeSerial: hours, minutes and seconds carry into each other and into days; error 5 outside the
// date range.
Date TimeSerial(int32_t hour, int32_t minute, int32_t second);

int32_t Year(Date date);
int32_t Month(Date date);
int32_t Day(Date date);
int32_t Hour(Date date);
int32_t Minute(Date date);
int32_t Second(Date date);

// The day of the week counted from `first_day` (1 Sunday ... 7 Saturday) as 1; error 5 for a first
// day outside 1-7.
int32_t Weekday(Date date, int32_t first_day = kSunday);

// The Gregorian leap-year rule.
bool IsLeapYear(int32_t year) noexcept;

}  // namespace tessera::platform
