#include "tessera/platform/runtime/date_parse.hpp"

#include <array>
#include <vector>

#include "tessera/platform/runtime/date_parts.hpp"
#include "tessera/platform/runtime/text_case.hpp"

namespace tessera::platform {
namespace {

// More digits than any part of a date has: such a number is refused before it can overflow.
constexpr std::size_t kMaxDigits = 9;

struct Number {
  int32_t value = 0;
  std::size_t digits = 0;
};

enum class Designator { kNone, kAm, kPm };

// The pieces of a date text, in the order they came.
struct DateTextParts {
  std::vector<Number> date;
  std::vector<Number> time;
  Designator designator = Designator::kNone;
  bool dashes = false;  // the date was separated with "-"
};

enum class Order { kDayMonthYear, kMonthDayYear, kYearMonthDay };

Order LocaleOrder(const LocaleData& locale) {
  const std::size_t day = locale.short_date.find('d');
  const std::size_t month = locale.short_date.find('M');
  const std::size_t year = locale.short_date.find('y');
  if (year < day && year < month) return Order::kYearMonthDay;
  return month < day ? Order::kMonthDayYear : Order::kDayMonthYear;
}

bool IsSpace(char c) {
  return c == ' ' || c == '\t';
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

class Scanner {
 public:
  Scanner(std::string_view text, const LocaleData& locale) : text_(text), locale_(locale) {}

  std::optional<DateTextParts> Scan() {
    while (SkipSpaces(), pos_ < text_.size()) {
      if (ScanDesignator()) continue;
      if (!IsDigit(text_[pos_])) return std::nullopt;
      const std::optional<Number> first = ScanNumber();
      if (!first) return std::nullopt;
      const bool ok = AtTimeSeparator() ? ScanTime(*first) : ScanDate(*first);
      if (!ok) return std::nullopt;
    }
    return parts_;
  }

 private:
  void SkipSpaces() {
    while (pos_ < text_.size() && IsSpace(text_[pos_])) ++pos_;
  }

  bool Consume(std::string_view what) {
    if (what.empty() || text_.substr(pos_, what.size()) != what) return false;
    pos_ += what.size();
    return true;
  }

  bool ConsumeIgnoringCase(std::string_view what) {
    if (what.empty() || !EqualsIgnoringCase(text_.substr(pos_, what.size()), what)) return false;
    pos_ += what.size();
    return true;
  }

  bool AtTimeSeparator() const {
    return text_.substr(pos_, 1) == ":" ||
           (!locale_.time_separator.empty() && text_.substr(pos_).starts_with(locale_.time_separator));
  }

  bool ConsumeTimeSeparator() { return Consume(":") || Consume(locale_.time_separator); }

  // "-" is read everywhere, but outside locales that separate with it only the year-first form
  // takes it (checked once the date is complete).
  bool ConsumeDateSeparator() {
    if (Consume(locale_.date_separator) || Consume("/")) return true;
    if (!Consume("-")) return false;
    parts_.dashes = true;
    return true;
  }

  std::optional<Number> ScanNumber() {
    Number number;
    while (pos_ < text_.size() && IsDigit(text_[pos_])) {
      if (++number.digits > kMaxDigits) return std::nullopt;
      number.value = number.value * 10 + (text_[pos_++] - '0');
    }
    if (number.digits == 0) return std::nullopt;
    return number;
  }

  bool ScanDesignator() {
    if (parts_.designator != Designator::kNone) return false;
    for (const auto& [word, designator] :
         std::array<std::pair<std::string_view, Designator>, 4>{{{locale_.am_designator, Designator::kAm},
                                                                 {locale_.pm_designator, Designator::kPm},
                                                                 {"AM", Designator::kAm},
                                                                 {"PM", Designator::kPm}}}) {
      if (ConsumeIgnoringCase(word)) {
        parts_.designator = designator;
        return true;
      }
    }
    return false;
  }

  // "h:m" or "h:m:s"; the time may come only once.
  bool ScanTime(Number hour) {
    if (!parts_.time.empty()) return false;
    parts_.time.push_back(hour);
    while (parts_.time.size() < 3 && ConsumeTimeSeparator()) {
      const std::optional<Number> next = ScanNumber();
      if (!next) return false;
      parts_.time.push_back(*next);
    }
    return parts_.time.size() >= 2 && !AtTimeSeparator();
  }

  // Numbers joined by date separators or blanks; the date may come only once, in one piece.
  bool ScanDate(Number first) {
    if (date_closed_ || parts_.date.size() >= 3) return false;
    parts_.date.push_back(first);
    if (ConsumeDateSeparator()) {
      SkipSpaces();
      return pos_ < text_.size() && IsDigit(text_[pos_]);
    }
    if (pos_ < text_.size() && !IsSpace(text_[pos_])) return false;
    SkipSpaces();
    // A blank followed by a time or a designator ends the date.
    if (pos_ < text_.size() && !IsDigit(text_[pos_])) date_closed_ = true;
    if (pos_ < text_.size() && IsDigit(text_[pos_]) && LooksLikeTime()) date_closed_ = true;
    return true;
  }

  bool LooksLikeTime() const {
    std::size_t p = pos_;
    while (p < text_.size() && IsDigit(text_[p])) ++p;
    Scanner probe(text_, locale_);
    probe.pos_ = p;
    return probe.AtTimeSeparator();
  }

  std::string_view text_;
  const LocaleData& locale_;
  std::size_t pos_ = 0;
  bool date_closed_ = false;
  DateTextParts parts_;
};

int32_t WindowedYear(Number year) {
  if (year.digits > 2) return year.value;
  return year.value < 30 ? 2000 + year.value : 1900 + year.value;
}

// Day, month and year from two or three numbers of a date.
DateParts DayMonthYear(const std::vector<Number>& numbers, Order order, int32_t current_year) {
  if (numbers.size() == 2) {
    if (numbers[1].digits > 2) return {WindowedYear(numbers[1]), numbers[0].value, 1};
    if (order == Order::kDayMonthYear) return {current_year, numbers[1].value, numbers[0].value};
    return {current_year, numbers[0].value, numbers[1].value};
  }
  if (numbers[0].digits > 2) order = Order::kYearMonthDay;
  switch (order) {
    case Order::kDayMonthYear:
      return {WindowedYear(numbers[2]), numbers[1].value, numbers[0].value};
    case Order::kMonthDayYear:
      return {WindowedYear(numbers[2]), numbers[0].value, numbers[1].value};
    case Order::kYearMonthDay:
      break;
  }
  return {WindowedYear(numbers[0]), numbers[1].value, numbers[2].value};
}

// Hours, minutes and seconds into `parts`; with a designator the hour counts 1 to 12.
bool SetTime(const std::vector<Number>& time, Designator designator, DateParts& parts) {
  parts.hour = time[0].value;
  parts.minute = time.size() > 1 ? time[1].value : 0;
  parts.second = time.size() > 2 ? time[2].value : 0;
  if (designator == Designator::kNone) return true;
  if (parts.hour > 12) return false;
  parts.hour = parts.hour % 12 + (designator == Designator::kPm ? 12 : 0);
  return true;
}

}  // namespace

std::optional<Date> ParseDateText(std::string_view text, const LocaleData& locale, int32_t current_year) {
  const std::optional<DateTextParts> scanned = Scanner(text, locale).Scan();
  if (!scanned) return std::nullopt;
  std::vector<Number> date = scanned->date;
  std::vector<Number> time = scanned->time;
  const Designator designator = scanned->designator;
  if (time.empty() && date.size() == 1 && designator != Designator::kNone) time.swap(date);  // "5 PM"
  if (date.size() == 1) return std::nullopt;  // a lone number is not a date
  if (time.empty() && (date.empty() || designator != Designator::kNone)) return std::nullopt;
  const bool year_first = date.size() == 3 && date[0].digits > 2;
  if (scanned->dashes && locale.date_separator != "-" && !year_first) return std::nullopt;
  DateParts parts;
  if (!date.empty()) parts = DayMonthYear(date, LocaleOrder(locale), current_year);
  if (!time.empty() && !SetTime(time, designator, parts)) return std::nullopt;
  Date result;
  if (DateFromParts(parts, result)) return result;
  // An impossible month swaps with the day when that makes a date.
  std::swap(parts.day, parts.month);
  if (parts.day > 12 && DateFromParts(parts, result)) return result;
  return std::nullopt;
}

}  // namespace tessera::platform
