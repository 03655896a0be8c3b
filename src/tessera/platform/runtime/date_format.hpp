// Format for dates: the host's named date formats and its date patterns.
//
// Named, in any case: "General Date" (as CStr), "Long Date", "Short Date" and "Long Time" (the
// locale's patterns), "Medium Date" ("dd-mmm-yy"), "Medium Time" ("hh:mm AM/PM"), "Short Time"
// ("hh:mm", 24 hours). Pattern letters, in any case: d, dd (day), ddd, dddd (weekday name),
// ddddd (short date), dddddd (long date), w (weekday from Sunday = 1), ww (week of the year from
// 1 January), m, mm (month, or minutes right after an hour or before seconds), mmm, mmmm (month
// name), n, nn (minutes), q (quarter), y (day of the year), yy, yyyy, h, hh, s, ss, ttttt (long
// time), c (as CStr); AM/PM, am/pm, A/P, a/p write the designator in that form and AMPM the
// locale's, and each switches the hours to 12. "/" and ":" write the locale's separators; text
// in double quotes and a character after "\" stand for themselves, as does anything else.
#pragma once

#include <string>
#include <string_view>

#include "tessera/platform/locale/user_locale.hpp"
#include "tessera/platform/runtime/date.hpp"

namespace tessera::platform {

// Whether Format takes `format` as a date format: a named one, or a pattern with an unquoted date
// letter or designator and no digit placeholder ("0", "#").
bool IsDateFormat(std::string_view format);

// Error 6 for a date outside the host's range.
std::string FormatDate(Date date, std::string_view format, const LocaleData& locale);

}  // namespace tessera::platform
