#include "tessera/platform/runtime/decimal_digits.hpp"

#include <cassert>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <iterator>

namespace tessera::platform {

namespace {

constexpr int kSignificantDigits = 15;

// The value as digits d1 d2 ... and the place of the decimal point: value = 0.d1d2... × 10^point.
struct Significand {
  std::string digits;
  int point = 0;
};

Significand SignificandOf(double magnitude) {
  char buffer[40];
  const auto written = std::to_chars(std::begin(buffer), std::end(buffer), magnitude,
                                     std::chars_format::scientific, kSignificantDigits - 1);
  const std::string_view text(buffer, static_cast<std::size_t>(written.ptr - buffer));  // "d.ddde+XX"
  const std::size_t e = text.find('e');
  Significand result;
  result.digits = std::string(text.substr(0, 1)) + std::string(text.substr(2, e - 2));
  result.point = std::atoi(std::string(text.substr(e + 1)).c_str()) + 1;
  return result;
}

// Drops the digits after `keep`, rounding the last kept one up when the first dropped is 5 or more.
void RoundAt(Significand& value, int keep) {
  if (keep >= static_cast<int>(value.digits.size())) return;
  if (keep < 0) {
    value.digits.clear();
    return;
  }
  const bool round_up = value.digits[static_cast<std::size_t>(keep)] >= '5';
  value.digits.resize(static_cast<std::size_t>(keep));
  if (!round_up) return;
  for (auto digit = value.digits.rbegin(); digit != value.digits.rend(); ++digit) {
    if (*digit != '9') {
      ++*digit;
      return;
    }
    *digit = '0';
  }
  value.digits.insert(value.digits.begin(), '1');  // 9.99 became 10.0
  ++value.point;
}

char DigitAt(const Significand& value, int place) {
  if (place < 0 || place >= static_cast<int>(value.digits.size())) return '0';
  return value.digits[static_cast<std::size_t>(place)];
}

}  // namespace

DecimalDigits RoundToDecimals(double value, int decimals) {
  assert(std::isfinite(value) && "RoundToDecimals needs a finite value");
  assert(decimals >= 0 && "RoundToDecimals needs a count of decimals");
  Significand significand = SignificandOf(std::fabs(value));
  RoundAt(significand, significand.point + decimals);

  DecimalDigits result;
  result.negative = std::signbit(value);
  for (int place = 0; place < significand.point; ++place)
    result.integer_digits += DigitAt(significand, place);
  result.integer_digits.erase(0, result.integer_digits.find_first_not_of('0'));
  for (int place = 0; place < decimals; ++place)
    result.fraction_digits += DigitAt(significand, significand.point + place);
  return result;
}

}  // namespace tessera::platform
