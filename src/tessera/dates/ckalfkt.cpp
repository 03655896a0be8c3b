#include "tessera/dates/ckalfkt.hpp"

#include <array>
#include <cmath>

#include "tessera/dates/date_pattern.hpp"
#include "tessera/dates/resource_setting.hpp"
#include "tessera/frame/errors/error_styles.hpp"
#include "tessera/platform/runtime/convert.hpp"
#include "tessera/platform/runtime/date_parts.hpp"

namespace tessera {

namespace {

using platform::CheckedDate;
using platform::Date;

// By the weekday of 1 January (Sunday = 1): the days from it to the Monday of week 1.
constexpr std::array<int, 8> kDaysToFirstMonday{0, 1, 0, -1, -2, -3, 3, 2};

Date DaysLater(Date date, double days) {
  return CheckedDate(date.serial() + days);
}

uint8_t WeeksOfYear(int32_t weekday, Date first_of_january) {
  constexpr int32_t kWednesday = 4;
  constexpr int32_t kThursday = 5;
  if (weekday == kThursday) return 53;
  if (weekday == kWednesday && platform::IsLeapYear(platform::Year(first_of_january))) return 53;
  return 52;
}

}  // namespace

uint8_t CKalFKt::AnzTageProMonat(uint8_t byMonat, const platform::Variant& stJahr) const {
  uint8_t days = 0;
  for (const int32_t day : {29, 30, 31}) {
    bool month_ended = false;
    frame::PassOver([&] {
      const Date built = DatumAusTeilen(std::to_string(day), std::to_string(byMonat), platform::CStr(stJahr));
      month_ended = built == Date() || !platform::IsDate(platform::CStr(built));
      days = static_cast<uint8_t>(month_ended ? day - 1 : platform::Day(built));
    });
    if (month_ended) break;
  }
  return days;
}

uint8_t CKalFKt::AnzWochenProJahr(const std::string& stJahr, Date& MonDate) const {
  uint8_t weeks = 0;
  Date first;  // the zero date, a Saturday, when the text is no date
  int32_t weekday = 0;
  frame::PassOver(
      [&] { first = platform::CDate("1.1." + stJahr); }, [&] { weekday = platform::Weekday(first); },
      [&] { weeks = WeeksOfYear(weekday, first); },
      [&] { MonDate = DaysLater(first, kDaysToFirstMonday.at(static_cast<std::size_t>(weekday))); });
  return weeks;
}

uint8_t CKalFKt::IdentWocheByDatum(Date aDatum) const {
  const int32_t year = platform::Year(aDatum);
  Date monday;
  const uint8_t weeks = AnzWochenProJahr(std::to_string(year), monday);
  if (aDatum < monday) {
    Date previous_monday;
    return AnzWochenProJahr(std::to_string(year - 1), previous_monday);
  }
  // The largest n with monday + 7n <= aDatum, comparing full date values.
  auto whole_weeks = static_cast<int64_t>(std::floor((aDatum.serial() - monday.serial()) / 7.0));
  while (monday.serial() + 7.0 * (whole_weeks + 1) <= aDatum.serial()) ++whole_weeks;
  while (monday.serial() + 7.0 * whole_weeks > aDatum.serial()) --whole_weeks;
  if (whole_weeks < weeks) return static_cast<uint8_t>(whole_weeks + 1);
  return 1;
}

void CKalFKt::IdentDatumByWoche(uint8_t byWoche, int32_t lJahr, Date& aDatum, Date& eDatum) const {
  Date monday;
  AnzWochenProJahr(std::to_string(lJahr), monday);
  aDatum = DaysLater(monday, 7.0 * (byWoche - 1));
  eDatum = DaysLater(aDatum, 6.0);
}

Date CKalFKt::DatumAusTeilen(const std::string& stDay, const std::string& stMonth,
                             const std::string& stYear) const {
  Date result;
  frame::PassOver([&] {
    const std::string pattern = ResourceSetting(kCalendarDatePatternText);
    if (pattern.empty()) {
      result = platform::CDate(stDay + "." + stMonth + "." + stYear);
      return;
    }
    result = DateOrZero(FillDatePattern(pattern, stDay, stMonth, stYear));
  });
  return result;
}

CKalFKt& ImplicitCKalFKt() {
  static CKalFKt instance;
  return instance;
}

}  // namespace tessera
