// Reading a number text the way the host runtime reads one under the user locale.
//
// Accepted: leading and trailing white space; one leading sign; digits, with the locale's
// thousands separator anywhere in the integer part after its first digit; the locale's decimal
// separator and fraction digits; an exponent "E" or "D" with an optional sign ("1,5E3"); or a
// "&H" (hexadecimal) or "&O" (octal) literal, which is a 16-bit value up to &HFFFF and a 32-bit
// value up to &HFFFFFFFF, so that "&HFFFF" is -1 as in the host. There must be at least one digit:
// "", a lone sign or a lone separator is not a number. Any text gives an answer; nothing throws
// but std::bad_alloc.
#pragma once

#include <string_view>

#include "tessera/platform/locale/user_locale.hpp"

namespace tessera::platform {

enum class NumberTextStatus {
  kNumber,
  kNotANumber,
  kOverflow,  // a number, but too large for a double (or, as a literal, for 32 bits)
};

struct ParsedNumber {
  NumberTextStatus status = NumberTextStatus::kNotANumber;
  double value = 0.0;  // the nearest double; 0 for a magnitude below the smallest one
};

ParsedNumber ParseNumberText(std::string_view text, const LocaleData& locale);

}  // namespace tessera::platform
