// The decimal digits of a double, rounded to a number of decimals the way the host's Format
// rounds: half away from zero, on the value as the host sees it in decimal (its 15 significant
// digits), so that 2.675 rounds to 2.68 although the nearest double lies a little below.
//
// Precondition: the value is finite (callers raise 6 for anything else).
#pragma once

#include <string>

namespace tessera::platform {

struct DecimalDigits {
  bool negative = false;
  std::string integer_digits;   // without leading zeros, "" when the integer part is 0
  std::string fraction_digits;  // exactly as many as asked for

  bool IsZero() const {
    return integer_digits.empty() && fraction_digits.find_first_not_of('0') == std::string::npos;
  }
};

DecimalDigits RoundToDecimals(double value, int decimals);

}  // namespace tessera::platform
