#include "tessera/platform/runtime/date_text.hpp"

#include <string>

namespace tessera::platform {
namespace {

int32_t Hour12(int32_t hour) {
  return hour % 12 == 0 ? 12 : hour % 12;
}

const std::string& Designator(const DateParts& parts, const LocaleData& locale) {
  return parts.hour < 12 ? locale.am_designator : locale.pm_designator;
}

// The weekday of the parts, 0 for Sunday.
std::size_t WeekdayFromSunday(const DateParts& parts) {
  Date date;
  DateFromParts(parts, date);
  return static_cast<std::size_t>(Weekday(date) - 1);
}

// One run of a pattern letter written out.
std::string Field(char letter, std::size_t count, const DateParts& parts, const LocaleData& locale) {
  const std::size_t width = count >= 2 ? 2 : 1;
  switch (letter) {
    case 'd':
      if (count >= 4) return locale.day_names[WeekdayFromSunday(parts)];
      if (count == 3) return locale.abbreviated_day_names[WeekdayFromSunday(parts)];
      return ZeroPadded(parts.day, width);
    case 'M':
      if (count >= 4) return locale.month_names[parts.month - 1];
      if (count == 3) return locale.abbreviated_month_names[parts.month - 1];
      return ZeroPadded(parts.month, width);
    case 'y':
      if (count >= 3) return ZeroPadded(parts.year, 4);
      return ZeroPadded(parts.year % 100, width);
    case 'h':
      return ZeroPadded(Hour12(parts.hour), width);
    case 'H':
      return ZeroPadded(parts.hour, width);
    case 'm':
      return ZeroPadded(parts.minute, width);
    case 's':
      return ZeroPadded(parts.second, width);
    case 't':
      return count >= 2 ? Designator(parts, locale) : Designator(parts, locale).substr(0, 1);
    case 'g':
      return "";
    default:
      return std::string(count, letter);
  }
}

bool IsFieldLetter(char c) {
  return std::string_view("dMyhHmstg").find(c) != std::string_view::npos;
}

}  // namespace

std::string ZeroPadded(int32_t value, std::size_t width) {
  const std::string digits = std::to_string(value);
  return digits.size() < width ? std::string(width - digits.size(), '0') + digits : digits;
}

std::string WriteLocalePattern(const DateParts& parts, std::string_view pattern, const LocaleData& locale) {
  std::string out;
  for (std::size_t pos = 0; pos < pattern.size();) {
    const char c = pattern[pos];
    if (c == '\'') {
      const std::size_t close = pattern.find('\'', pos + 1);
      const std::size_t end = close == std::string_view::npos ? pattern.size() : close;
      out += end == pos + 1 ? std::string_view("'") : pattern.substr(pos + 1, end - pos - 1);
      pos = end + 1;
      continue;
    }
    std::size_t run = 1;
    while (IsFieldLetter(c) && pos + run < pattern.size() && pattern[pos + run] == c) ++run;
    out += IsFieldLetter(c) ? Field(c, run, parts, locale) : std::string(1, c);
    pos += run;
  }
  return out;
}

std::string DateText(Date date, const LocaleData& locale) {
  const DateParts parts = PartsOf(date);
  const bool zero_day = parts.year == 1899 && parts.month == 12 && parts.day == 30;
  const bool midnight = parts.hour == 0 && parts.minute == 0 && parts.second == 0;
  if (zero_day) return WriteLocalePattern(parts, locale.time_format, locale);
  if (midnight) return WriteLocalePattern(parts, locale.short_date, locale);
  return WriteLocalePattern(parts, locale.short_date, locale) + " " +
         WriteLocalePattern(parts, locale.time_format, locale);
}

}  // namespace tessera::platform
