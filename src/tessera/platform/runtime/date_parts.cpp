#include "tessera/platform/runtime/date_parts.hpp"

#include <chrono>
#include <cmath>

#include "tessera/platform/runtime/error.hpp"

namespace tessera::platform {
namespace {

constexpr int64_t kSecondsPerDay = 86400;

// 30 December 1899 counted from 1 January 1970.
constexpr std::chrono::sys_days kZeroDate = std::chrono::sys_days(std::chrono::year{1899} / 12 / 30);

// A date as a day number from the zero date and the seconds into that day.
struct DayAndSeconds {
  int64_t day = 0;
  int64_t seconds = 0;
};

DayAndSeconds Split(double serial) {
  const double day = std::trunc(serial);
  auto seconds = static_cast<int64_t>(std::llround(std::fabs(serial - day) * kSecondsPerDay));
  auto whole_day = static_cast<int64_t>(day);
  if (seconds == kSecondsPerDay) {
    seconds = 0;
    whole_day += serial < 0.0 ? -1 : 1;
  }
  return {whole_day, seconds};
}

// Before the zero date the time of day still counts forward, so it is subtracted.
double Serial(int64_t day, int64_t seconds) {
  const double fraction = static_cast<double>(seconds) / kSecondsPerDay;
  return day < 0 ? static_cast<double>(day) - fraction : static_cast<double>(day) + fraction;
}

int64_t DayNumber(int32_t year, int32_t month, int32_t day) {
  using namespace std::chrono;
  const sys_days date =
      sys_days(std::chrono::year{year} / std::chrono::month{static_cast<unsigned>(month)} / 1) +
      days{day - 1};
  return (date - kZeroDate).count();
}

Date BuiltInRange(double serial) {
  if (!IsInDateRange(serial)) Raise(err::kInvalidProcedureCall);
  return Date(serial);
}

int64_t FloorDiv(int64_t a, int64_t b) {
  return a / b - ((a % b != 0) && ((a < 0) != (b < 0)) ? 1 : 0);
}

}  // namespace

bool IsInDateRange(double serial) noexcept {
  return serial >= kFirstDateSerial && serial <= kLastDateSerial;
}

Date CheckedDate(double serial) {
  if (!IsInDateRange(serial)) Raise(err::kOverflow);
  return Date(serial);
}

DateParts PartsOf(Date date) {
  using namespace std::chrono;
  const DayAndSeconds split = Split(CheckedDate(date.serial()).serial());
  const year_month_day ymd(kZeroDate + days{split.day});
  return {static_cast<int32_t>(ymd.year()),
          static_cast<int32_t>(static_cast<unsigned>(ymd.month())),
          static_cast<int32_t>(static_cast<unsigned>(ymd.day())),
          static_cast<int32_t>(split.seconds / 3600),
          static_cast<int32_t>(split.seconds / 60 % 60),
          static_cast<int32_t>(split.seconds % 60)};
}

bool DateFromParts(const DateParts& parts, Date& date) {
  using namespace std::chrono;
  // std::chrono::day keeps only 0-255, so a day past 31 is refused before it could wrap.
  if (parts.year < 100 || parts.year > 9999 || parts.month < 1 || parts.month > 12 || parts.day > 31)
    return false;
  const year_month_day ymd(std::chrono::year{parts.year},
                           std::chrono::month{static_cast<unsigned>(parts.month)},
                           std::chrono::day{static_cast<unsigned>(std::max(parts.day, 0))});
  if (parts.day < 1 || !ymd.ok()) return false;
  if (parts.hour < 0 || parts.hour > 23 || parts.minute < 0 || parts.minute > 59 || parts.second < 0 ||
      parts.second > 59) {
    return false;
  }
  date = Date(Serial(DayNumber(parts.year, parts.month, parts.day),
                     parts.hour * 3600LL + parts.minute * 60LL + parts.second));
  return true;
}

Date DateSerial(int32_t year, int32_t month, int32_t day) {
  if (year >= 0 && year <= 29) year += 2000;
  if (year >= 30 && year <= 99) year += 1900;
  const int64_t months = static_cast<int64_t>(year) * 12 + (static_cast<int64_t>(month) - 1);
  const int64_t whole_year = FloorDiv(months, 12);
  if (whole_year < 0 || whole_year > 9999) Raise(err::kInvalidProcedureCall);
  const auto first_month = static_cast<int32_t>(months - whole_year * 12 + 1);
  const int64_t first = DayNumber(static_cast<int32_t>(whole_year), first_month, 1);
  return BuiltInRange(static_cast<double>(first + (static_cast<int64_t>(day) - 1)));
}

Date TimeSerial(int32_t hour, int32_t minute, int32_t second) {
  const int64_t total = static_cast<int64_t>(hour) * 3600 + static_cast<int64_t>(minute) * 60 + second;
  const int64_t day = FloorDiv(total, kSecondsPerDay);
  return BuiltInRange(Serial(day, total - day * kSecondsPerDay));
}

int32_t Year(Date date) {
  return PartsOf(date).year;
}
int32_t Month(Date date) {
  return PartsOf(date).month;
}
int32_t Day(Date date) {
  return PartsOf(date).day;
}
int32_t Hour(Date date) {
  return PartsOf(date).hour;
}
int32_t Minute(Date date) {
  return PartsOf(date).minute;
}
int32_t Second(Date date) {
  return PartsOf(date).second;
}

int32_t Weekday(Date date, int32_t first_day) {
  if (first_day < kSunday || first_day > 7) Raise(err::kInvalidProcedureCall);
  const int64_t day = Split(CheckedDate(date.serial()).serial()).day;
  // The zero date was a Saturday, day 7 of a week from Sunday.
  const auto from_sunday = static_cast<int32_t>(((day + 6) % 7 + 7) % 7);  // 0 for Sunday
  return (from_sunday - (first_day - 1) + 7) % 7 + 1;
}

bool IsLeapYear(int32_t year) noexcept {
  return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

}  // namespace tessera::platform
