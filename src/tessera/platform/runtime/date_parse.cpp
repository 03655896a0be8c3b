#include "tessera/platform/runtime/date_parse.hpp"

#include <vector>

#include "tessera/platform/runtime/date_parts.hpp"
#include "tessera/platform/runtime/date_tokens.hpp"

namespace tessera::platform {
namespace {

struct DatePart {
  int32_t value;
  std::size_t digits;
  bool month_name;
};

enum class Designator { kNone, kAm, kPm };

// The date and the time of a text, as they came.
struct DateTextParts {
  std::vector<DatePart> date;
  std::vector<int32_t> time;
  Designator designator = Designator::kNone;
};

// Groups the tokens into the date's parts, the time and the designator.
class Reader {
 public:
  explicit Reader(const std::vector<DateToken>& tokens) : tokens_(tokens) {}

  std::optional<DateTextParts> Read() {
    while (at_ < tokens_.size()) {
      if (!ReadOne()) return std::nullopt;
    }
    return parts_;
  }

 private:
  bool Is(std::size_t at, DateTokenKind kind) const {
    return at < tokens_.size() && tokens_[at].kind == kind;
  }

  bool ReadOne() {
    switch (tokens_[at_].kind) {
      case DateTokenKind::kAm:
      case DateTokenKind::kPm:
        return ReadDesignator();
      case DateTokenKind::kNumber:
        return Is(at_ + 1, DateTokenKind::kTimeSeparator) ? ReadTime() : ReadDatePart();
      case DateTokenKind::kMonth:
        return ReadDatePart();
      case DateTokenKind::kDateSeparator:
      case DateTokenKind::kTimeSeparator:
        break;
    }
    return false;  // a separator with nothing before it
  }

  bool ReadDesignator() {
    if (parts_.designator != Designator::kNone) return false;
    parts_.designator = tokens_[at_++].kind == DateTokenKind::kAm ? Designator::kAm : Designator::kPm;
    return true;
  }

  // "h:m" or "h:m:s", once; a date begun before it is complete.
  bool ReadTime() {
    if (!parts_.time.empty()) return false;
    date_closed_ = !parts_.date.empty();
    parts_.time.push_back(tokens_[at_++].value);
    while (Is(at_, DateTokenKind::kTimeSeparator)) {
      if (parts_.time.size() == 3 || !Is(at_ + 1, DateTokenKind::kNumber)) return false;
      parts_.time.push_back(tokens_[at_ + 1].value);
      at_ += 2;
    }
    return true;
  }

  // A number or month name of the date; a separator after it must lead to the next part.
  bool ReadDatePart() {
    if (date_closed_ || parts_.date.size() == 3) return false;
    const DateToken& token = tokens_[at_++];
    parts_.date.push_back({token.value, token.digits, token.kind == DateTokenKind::kMonth});
    if (!Is(at_, DateTokenKind::kDateSeparator)) return true;
    ++at_;
    return Is(at_, DateTokenKind::kNumber) || Is(at_, DateTokenKind::kMonth);
  }

  const std::vector<DateToken>& tokens_;
  std::size_t at_ = 0;
  bool date_closed_ = false;
  DateTextParts parts_;
};

enum class Order { kDayMonthYear, kMonthDayYear, kYearMonthDay };

Order LocaleOrder(const LocaleData& locale) {
  const std::size_t day = locale.short_date.find('d');
  const std::size_t month = locale.short_date.find('M');
  const std::size_t year = locale.short_date.find('y');
  if (year < day && year < month) return Order::kYearMonthDay;
  return month < day ? Order::kMonthDayYear : Order::kDayMonthYear;
}

// The readings of the date's parts in the order they are tried, each a role per part: 'D'ay,
// 'M'onth or 'Y'ear. Three parts are read in the locale's order, then with day and month swapped,
// then year first when the first part has three digits or more. Two parts are day and month in
// the locale's order, then swapped, then a year and a month, then a month and a year.
using Reading = std::string_view;

std::vector<Reading> Readings(const std::vector<DatePart>& parts, Order order) {
  const bool day_first = order == Order::kDayMonthYear;
  if (parts.size() == 2) return {day_first ? "DM" : "MD", day_first ? "MD" : "DM", "YM", "MY"};
  std::vector<Reading> readings{day_first ? "DMY" : "MDY", day_first ? "MDY" : "DMY"};
  if (order == Order::kYearMonthDay || parts[0].digits > 2) readings.insert(readings.begin(), "YMD");
  return readings;
}

int32_t WindowedYear(const DatePart& year) {
  if (year.digits > 2) return year.value;
  return year.value < 30 ? 2000 + year.value : 1900 + year.value;
}

// The date of one reading with the time of `clock`; without a year, `current_year`, without a
// day, the first. A month name must be read as the month.
std::optional<Date> DateOfReading(const std::vector<DatePart>& parts, Reading reading, DateParts clock,
                                  int32_t current_year) {
  clock.year = current_year;
  clock.day = 1;
  for (std::size_t i = 0; i < parts.size(); ++i) {
    if (parts[i].month_name && reading[i] != 'M') return std::nullopt;
    if (reading[i] == 'D') clock.day = parts[i].value;
    if (reading[i] == 'M') clock.month = parts[i].value;
    if (reading[i] == 'Y') clock.year = WindowedYear(parts[i]);
  }
  Date date;
  if (DateFromParts(clock, date)) return date;
  return std::nullopt;
}

std::optional<Date> FirstValidReading(const std::vector<DatePart>& parts, Order order, const DateParts& clock,
                                      int32_t current_year) {
  for (const Reading reading : Readings(parts, order)) {
    if (const auto date = DateOfReading(parts, reading, clock, current_year)) return date;
  }
  return std::nullopt;
}

// The time of day on the zero date; PM adds 12 hours to an hour below 12, AM makes 12 midnight.
DateParts Clock(const std::vector<int32_t>& time, Designator designator) {
  DateParts clock;
  if (time.empty()) return clock;
  clock.hour = time[0];
  clock.minute = time.size() > 1 ? time[1] : 0;
  clock.second = time.size() > 2 ? time[2] : 0;
  if (designator == Designator::kPm && clock.hour < 12) clock.hour += 12;
  if (designator == Designator::kAm && clock.hour == 12) clock.hour = 0;
  return clock;
}

}  // namespace

std::optional<Date> ParseDateText(std::string_view text, const LocaleData& locale, int32_t current_year) {
  const std::optional<std::vector<DateToken>> tokens = DateTokens(text, locale);
  if (!tokens) return std::nullopt;
  std::optional<DateTextParts> parts = Reader(*tokens).Read();
  if (!parts) return std::nullopt;
  auto& [date, time, designator] = *parts;
  const bool lone_hour = time.empty() && designator != Designator::kNone && date.size() == 1;
  if (lone_hour && !date[0].month_name) {  // "5 PM"
    time.push_back(date[0].value);
    date.clear();
  }
  if (time.empty() && (date.size() < 2 || designator != Designator::kNone)) return std::nullopt;
  if (date.size() == 1) return std::nullopt;  // a lone number is not a date
  const DateParts clock = Clock(time, designator);
  if (!date.empty()) return FirstValidReading(date, LocaleOrder(locale), clock, current_year);
  Date result;
  if (DateFromParts(clock, result)) return result;
  return std::nullopt;
}

}  // namespace tessera::platform
