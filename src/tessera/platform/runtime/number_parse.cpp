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

// The digits of a decimal number and the power of ten that scales them: digits × 10^exponent.
struct DecimalText {
  bool negative = false;
  std::string digits;
  int64_t exponent = 0;
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
      number.digits.push_back(digit);
      continue;
    }
    // The decimal separator wins where a locale's two separators look alike.
    if (cursor.LooksAt(locale.decimal_separator)) return;
    if (number.digits.empty() || !cursor.Consume(locale.thousand_separator)) return;
  }
}

void ReadFraction(Cursor& cursor, const LocaleData& locale, DecimalText& number) {
  if (!cursor.Consume(locale.decimal_separator)) return;
  char digit = 0;
  while (cursor.ConsumeDigit(digit)) {
    number.digits.push_back(digit);
    --number.exponent;
  }
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
  const std::size_t first = number.digits.find_first_not_of('0');
  if (first == std::string::npos) return {NumberTextStatus::kNumber, 0.0};
  const std::string digits = number.digits.substr(first);
  const std::string text = digits + 'e' + std::to_string(number.exponent);
  double value = 0.0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error == std::errc::result_out_of_range) {
    // Out of range with a positive order of magnitude is too large; otherwise too small to tell from 0.
    const bool too_large = static_cast<int64_t>(digits.size()) + number.exponent > 0;
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
  if (number.digits.empty() || !ReadExponent(cursor, number)) return {};
  cursor.SkipWhiteSpace();
  if (!cursor.AtEnd()) return {};
  return ToDouble(number);
}

}  // namespace tessera::platform
