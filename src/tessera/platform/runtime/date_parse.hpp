// Reading a date text the way the host runtime reads one under the user locale (CDate, IsDate).
//
// The text is read as tokens, with blanks and tabs around them skipped:
// - numbers (up to nine digits);
// - the locale's month names and abbreviations, without regard to case ("März", "Jan", "janv.");
// - date separators: the locale's, "/" and "-"; a blank between two parts of a date separates
//   them too ("1 2", "2 January 1970");
// - time separators: ":", the locale's, and "." where the locale does not separate dates with
//   it, so "5.3.24" is the time 05:03:24 under en-US;
// - the locale's AM and PM designators, and the English ones.
// A number followed by a time separator starts the time, "h:m" or "h:m:s"; every other number or
// month name is a part of the date, which may come before or after the time, once and in one
// piece. A designator follows the time or a lone hour ("5 PM"): PM adds 12 hours to an hour
// below 12, AM makes 12 midnight, and an hour past 12 stays as it is ("13:00 AM" is 13:00).
// The date's parts are read in the first order that makes a valid date: year first when the first
// of three parts has three digits or more, the locale's order, then day and month swapped; a
// month name is always the month. Two parts are a day and month of `current_year`, or when no day fits, a
// month of a year, its first day ("30 2" is February 1930, "Jan 35" January 1935). A year of one or two
// digits follows the runtime's window, 0-29 being 2000-2029 and 30-99 1930-1999. A lone number,
// a designator without an hour, an empty text and one with a stray character are no date.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "tessera/platform/locale/user_locale.hpp"
#include "tessera/platform/runtime/date.hpp"

namespace tessera::platform {

std::optional<Date> ParseDateText(std::string_view text, const LocaleData& locale, int32_t current_year);

}  // namespace tessera::platform
