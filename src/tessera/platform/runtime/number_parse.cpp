#include "tessera/platform/runtime/number_parse.hpp"

#include <charconv>
#include <cstdint>
#include <string>

namespace tessera::platform {

namespace {

// Beyond this an exponent cannot change the outcome (overflow or zero), so it stops growing.
constexpr int64_t kExponentCap = 100'000'000;

// A cursor over the text with the few questions the grammar asks.
class Cursor {
 public:
  explicit Cursor(std::string_view text) : text_(text) {}

  bool AtEnd() const { return pos_ == text_.size(); }
  char Peek() const { return AtEnd() ? '\0' : text_[pos_]; }
  void Advance() { ++pos_; }

  // Whether the text continues with `token`; an empty token never matches.
  bool LooksAt(std::string_view token) const {
    return !token.empty() && text_.substr(pos_).starts_with(token);
  }
  bool Consume(std::string_view token) {
    if (!LooksAt(token)) return false;
    pos_ += token.size();
    return true;
  }
  bool ConsumeAnyOf(std::string_view chars) {
    if (AtEnd() || chars.find(Peek()) == std::string_view::npos) return false;
    ++pos_;
    return true;
  }
  bool ConsumeDigit(char& digit) {
    if (Peek() < '0' || Peek() > '9') return false;
    digit = text_[pos_++];
    return true;
  }
  void SkipWhiteSpace() {
    while (ConsumeAnyOf(" \t\r\n\v\f")) {
    }
  }

 private:
  std::string_view text_;
  std::size_t pos_ = 0;
};

// A double's rounding is decided within its first 768 significant digits: past them only
// whether any digit is non-zero counts. So no more are kept, and a number costs the same to read
// at any length.
constexpr std::size_t kDecidingDigits = 780;

// A decimal number as digits × 10^exponent, its significant digits cut to those that decide.
struct DecimalText {
  bool negative = false;
  bool any_digit = false;
  std::string digits;         // from the first non-zero digit on
  bool cut_non_zero = false;  // a non-zero digit was cut
  int64_t exponent = 0;

  void Add(char digit, bool in_fraction) {
    any_digit = true;
    if (in_fraction) --exponent;
    if (digits.empty() && digit == '0') return;
    if (digits.size() < kDecidingDigits) return digits.push_back(digit);
    ++exponent;
    cut_non_zero = cut_non_zero || digit != '0';
  }
};

int DigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return 99;
}

// "&H..." or "&O..." after the white space; the cursor stands behind the "&".
ParsedNumber ParseRadixLiteral(Cursor& cursor) {
  const bool hex = cursor.ConsumeAnyOf("Hh");
  if (!hex && !cursor.ConsumeAnyOf("Oo")) return {};
  const int radix = hex ? 16 : 8;
  uint64_t value = 0;
  bool any_digit = false;
  while (DigitValue(cursor.Peek()) < radix) {
    value = value * radix + static_cast<uint64_t>(DigitValue(cursor.Peek()));
    if (value > UINT32_MAX) return {NumberTextStatus::kOverflow, 0.0};
    any_digit = true;
    cursor.Advance();
  }
  cursor.SkipWhiteSpace();
  if (!any_digit || !cursor.AtEnd()) return {};
  // The literal's bits are those of the smallest signed type that holds them.
  const double bits = value <= UINT16_MAX ? static_cast<int16_t>(value) : static_cast<int32_t>(value);
  return {NumberTextStatus::kNumber, bits};
}

void ReadIntegerPart(Cursor& cursor, const LocaleData& locale, DecimalText& number) {
  char digit = 0;
  while (true) {
    if (cursor.ConsumeDigit(digit)) {
      number.Add(digit, false);
      continue;
    }
    // The decimal separator wins where a locale's two separators look alike.
    if (cursor.LooksAt(locale.decimal_separator)) return;
    if (!number.any_digit || !cursor.Consume(locale.thousand_separator)) return;
  }
}

void ReadFraction(Cursor& cursor, const LocaleData& locale, DecimalText& number) {
  if (!cursor.Consume(locale.decimal_separator)) return;
  char digit = 0;
  while (cursor.ConsumeDigit(digit)) number.Add(digit, true);
}

// The exponent part, when there is one; false when it is malformed ("1E", "1E+").
bool ReadExponent(Cursor& cursor, DecimalText& number) {
  if (!cursor.ConsumeAnyOf("EeDd")) return true;
  const bool negative = cursor.Peek() == '-';
  cursor.ConsumeAnyOf("+-");
  int64_t exponent = 0;
  bool any_digit = false;
  char digit = 0;
  while (cursor.ConsumeDigit(digit)) {
    if (exponent < kExponentCap) exponent = exponent * 10 + (digit - '0');
    any_digit = true;
  }
  number.exponent += negative ? -exponent : exponent;
  return any_digit;
}

ParsedNumber ToDouble(const DecimalText& number) {
  if (number.digits.empty()) return {NumberTextStatus::kNumber, 0.0};
  // A 1 past the kept digits stands for the cut ones: it rounds as they do.
  const std::string digits = number.cut_non_zero ? number.digits + '1' : number.digits;
  const int64_t exponent = number.exponent - (number.cut_non_zero ? 1 : 0);
  const std::string text = digits + 'e' + std::to_string(exponent);
  double value = 0.0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error == std::errc::result_out_of_range) {
    // Out of range with a positive order of magnitude is too large; otherwise too small to tell from 0.
    const bool too_large = static_cast<int64_t>(digits.size()) + exponent > 0;
    return too_large ? ParsedNumber{NumberTextStatus::kOverflow, 0.0}
                     : ParsedNumber{NumberTextStatus::kNumber, 0.0};
  }
  return {NumberTextStatus::kNumber, number.negative ? -value : value};
}

}  // namespace

ParsedNumber ParseNumberText(std::string_view text, const LocaleData& locale) {
  Cursor cursor(text);
  cursor.SkipWhiteSpace();
  if (cursor.Consume("&")) return ParseRadixLiteral(cursor);

  DecimalText number;
  number.negative = cursor.Peek() == '-';
  cursor.ConsumeAnyOf("+-");
  ReadIntegerPart(cursor, locale, number);
  ReadFraction(cursor, locale, number);
  if (!number.any_digit || !ReadExponent(cursor, number)) return {};
  cursor.SkipWhiteSpace();
  if (!cursor.AtEnd()) return {};
  return ToDouble(number);
}

}  // namespace tessera::platform
