// Filling a date pattern with day, month and year texts, as CKalFKt's date builder does and as
// GTool.DatumAusStrings does with the locale's pattern.
//
// The placeholders are lower case and matched with case, every occurrence replaced: "dd" (the day
// with two digits) or else "d" (the day as given), "mm" or else "m" for the month, and "yyyy"
// (a year above 1000 as given, up to 70 as 20xx, else as 19xx) or else "yy" (a year above 1000
// as its last two digits without a leading zero, else as given). The year text must be a number
// once the pattern holds "yyyy" or "yy"; the runtime's errors (13, 6) pass through.
#pragma once

#include <string>

#include "tessera/platform/runtime/date.hpp"

namespace tessera {

std::string FillDatePattern(std::string pattern, const std::string& stDay, const std::string& stMonth,
                            const std::string& stYear);

// A filled pattern as a date when the runtime reads it as one, else the zero date.
platform::Date DateOrZero(const std::string& filled);

}  // namespace tessera
