// Reading a date text the way the host runtime reads one under the user locale (CDate, IsDate).
//
// Accepted, with white space around and between the parts:
// - a date of three numbers in the locale's day-month-year order ("5.3.2024" under de-DE,
//   "3/5/2024" under en-US), or year first when the first number has three digits or more
//   ("2024-03-05"); the separators are the locale's own and "/", or blanks, and "-" in the
//   year-first form (so "1.1.2024" is no date under en-US, and "5-3-2024" none under de-DE);
// - a date of two numbers: day and month in the locale's order in `current_year`, or month and
//   year when the second number has three digits or more (day 1);
// - a time "h:m" or "h:m:s" with ":" or the locale's time separator, optionally followed by the
//   locale's or the English AM/PM designator, or a lone hour with a designator ("5 PM");
// - a date followed or preceded by a time.
// Years of one or two digits follow the runtime's window: 0-29 are 2000-2029, 30-99 1930-1999.
// When the month is out of range and swapping day and month makes a valid date, the runtime
// swaps them ("1.13.2024" under de-DE is 13 January 2024); a day the month does not have fails
// ("29.2.2023"). Anything else, an empty text or one with a stray character, is not a date.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "tessera/platform/locale/user_locale.hpp"
#include "tessera/platform/runtime/date.hpp"

namespace tessera::platform {

std::optional<Date> ParseDateText(std::string_view text, const LocaleData& locale, int32_t current_year);

}  // namespace tessera::platform
