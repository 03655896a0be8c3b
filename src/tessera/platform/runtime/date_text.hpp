// Dates written as text under a locale: the locale's own patterns, and CStr of a date.
//
// The patterns are Windows' (GetDateFormat and GetTimeFormat letters): d, dd, ddd, dddd; M, MM,
// MMM, MMMM; y, yy, yyyy; h, hh, H, HH; m, mm; s, ss; t, tt; text in '...' as it is, "''" an
// apostrophe. A year of yyyy has at least four digits; an era ("g", "gg") writes nothing.
#pragma once

#include <string>
#include <string_view>

#include "tessera/platform/locale/user_locale.hpp"
#include "tessera/platform/runtime/date_parts.hpp"

namespace tessera::platform {

// A date field's number with at least `width` digits.
std::string ZeroPadded(int32_t value, std::size_t width);

std::string WriteLocalePattern(const DateParts& parts, std::string_view pattern, const LocaleData& locale);

// CStr of a date: the short date alone when the time is midnight, the time alone on the zero
// date's day (so the zero date is "00:00:00" under de-DE and "12:00:00 AM" under en-US), else
// both, separated by a blank. Error 6 for a date outside the host's range.
std::string DateText(Date date, const LocaleData& locale);

}  // namespace tessera::platform
