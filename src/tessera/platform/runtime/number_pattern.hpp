// One section of a user-defined number format, as the host's Format applies it to a number.
//
// Placeholders: "0" a digit or a zero, "#" a digit or nothing; the first "." is the decimal point
// and is written as the locale's decimal separator; a "," after the first digit placeholder of
// the integer part groups the integer digits with the locale's thousands separator; "%" scales by
// 100 and is written. Everything else is written as it stands: other digits ("2000" turns 5 into
// "2005"), letters, "\x" (the character x) and "quoted" text. Integer digits beyond the
// placeholders go in front of the first one; "#" decimals drop trailing zeros. Rounding is half
// away from zero on the decimal value. A negative value that rounds to non-zero gets a leading
// "-". A non-finite value, or one that the scaling makes too large, raises 6.
#pragma once

#include <string>
#include <string_view>

#include "tessera/platform/locale/user_locale.hpp"

namespace tessera::platform {

std::string ApplyNumberPattern(double value, std::string_view pattern, const LocaleData& locale);

}  // namespace tessera::platform
