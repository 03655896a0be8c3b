#include "tessera/platform/runtime/number_pattern.hpp"

#include <algorithm>
#include <cmath>
#include <vector>

#include "tessera/platform/runtime/codepage.hpp"
#include "tessera/platform/runtime/decimal_digits.hpp"
#include "tessera/platform/runtime/error.hpp"

namespace tessera::platform {

namespace {

enum class TokenKind { kLiteral, kIntegerPlace, kFractionPlace, kPoint, kPercent };

struct Token {
  TokenKind kind;
  std::string literal;
};

enum class Placeholder { kZero, kHash };

struct Pattern {
  std::vector<Token> tokens;
  int integer_places = 0;
  int first_integer_zero = -1;  // the first "0" among the integer places, -1 for none
  std::vector<Placeholder> fraction_places;
  bool has_point = false;
  bool grouping = false;
  int percent_signs = 0;
};

void AddPlaceholder(Pattern& pattern, Placeholder placeholder) {
  if (pattern.has_point) {
    pattern.tokens.push_back({TokenKind::kFractionPlace, {}});
    pattern.fraction_places.push_back(placeholder);
    return;
  }
  pattern.tokens.push_back({TokenKind::kIntegerPlace, {}});
  if (placeholder == Placeholder::kZero && pattern.first_integer_zero < 0) {
    pattern.first_integer_zero = pattern.integer_places;
  }
  ++pattern.integer_places;
}

void AddLiteral(Pattern& pattern, std::string_view text) {
  if (text.empty()) return;
  if (pattern.tokens.empty() || pattern.tokens.back().kind != TokenKind::kLiteral) {
    pattern.tokens.push_back({TokenKind::kLiteral, {}});
  }
  pattern.tokens.back().literal += text;
}

// The text of "\x" (one whole character) or of a quoted run; `pos` stands behind the opening mark.
std::string_view EscapedText(std::string_view text, char mark, std::size_t& pos) {
  const std::size_t start = pos;
  if (mark == '\\') {
    if (pos < text.size()) NextCodePoint(text, pos);
    return text.substr(start, pos - start);
  }
  const std::size_t close = std::min(text.find('"', start), text.size());
  pos = std::min(close + 1, text.size());
  return text.substr(start, close - start);
}

Pattern ParsePattern(std::string_view text) {
  Pattern pattern;
  for (std::size_t pos = 0; pos < text.size();) {
    const char c = text[pos++];
    if (c == '0' || c == '#') {
      AddPlaceholder(pattern, c == '0' ? Placeholder::kZero : Placeholder::kHash);
    } else if (c == '.' && !pattern.has_point) {
      pattern.has_point = true;
      pattern.tokens.push_back({TokenKind::kPoint, {}});
    } else if (c == ',' && !pattern.has_point && pattern.integer_places > 0) {
      pattern.grouping = true;
    } else if (c == '%') {
      ++pattern.percent_signs;
      pattern.tokens.push_back({TokenKind::kPercent, {}});
    } else if (c == '\\' || c == '"') {
      AddLiteral(pattern, EscapedText(text, c, pos));
    } else {
      AddLiteral(pattern, text.substr(pos - 1, 1));
    }
  }
  return pattern;
}

// The integer digits, padded to what the "0" placeholders demand, one piece per digit; a digit
// that ends a group of thousands carries the separator behind it.
std::vector<std::string> IntegerPieces(std::string digits, const Pattern& pattern, const LocaleData& locale) {
  const int required =
      pattern.first_integer_zero < 0 ? 0 : pattern.integer_places - pattern.first_integer_zero;
  if (static_cast<int>(digits.size()) < required) digits.insert(0, required - digits.size(), '0');
  std::vector<std::string> pieces;
  const std::size_t count = digits.size();
  for (std::size_t i = 0; i < count; ++i) {
    pieces.emplace_back(1, digits[i]);
    const bool ends_group = i + 1 < count && (count - 1 - i) % 3 == 0;
    if (pattern.grouping && ends_group) pieces.back() += locale.thousand_separator;
  }
  return pieces;
}

// How many fraction digits are written: trailing zeros that stand on "#" places are dropped.
std::size_t WrittenFractionDigits(const std::string& fraction, const Pattern& pattern) {
  std::size_t kept = fraction.size();
  while (kept > 0 && pattern.fraction_places[kept - 1] == Placeholder::kHash && fraction[kept - 1] == '0') {
    --kept;
  }
  return kept;
}

// Writes the pieces that fall on integer placeholder `place` (counted from the left): one each
// from the right, and all that are left over on the first.
void AppendIntegerPlace(std::string& out, const std::vector<std::string>& pieces, int place, int places) {
  const auto count = static_cast<int>(pieces.size());
  const int from_right = places - 1 - place;
  const int first = place == 0 ? 0 : count - 1 - from_right;
  const int last = count - 1 - from_right;
  for (int i = std::max(first, 0); i <= last; ++i) out += pieces[static_cast<std::size_t>(i)];
}

double Scaled(double value, int percent_signs) {
  for (int i = 0; i < percent_signs; ++i) value *= 100.0;
  if (!std::isfinite(value)) Raise(err::kOverflow);
  return value;
}

}  // namespace

std::string ApplyNumberPattern(double value, std::string_view pattern_text, const LocaleData& locale) {
  const Pattern pattern = ParsePattern(pattern_text);
  const DecimalDigits digits =
      RoundToDecimals(Scaled(value, pattern.percent_signs), static_cast<int>(pattern.fraction_places.size()));
  const std::vector<std::string> pieces = IntegerPieces(digits.integer_digits, pattern, locale);
  const std::size_t fraction_written = WrittenFractionDigits(digits.fraction_digits, pattern);

  std::string out = digits.negative && !digits.IsZero() ? "-" : "";
  int integer_place = 0;
  std::size_t fraction_place = 0;
  for (const Token& token : pattern.tokens) {
    switch (token.kind) {
      case TokenKind::kLiteral:
        out += token.literal;
        break;
      case TokenKind::kPercent:
        out += '%';
        break;
      case TokenKind::kPoint:
        // Without integer placeholders the integer digits still stand before the point.
        if (pattern.integer_places == 0) AppendIntegerPlace(out, pieces, 0, 1);
        out += locale.decimal_separator;
        break;
      case TokenKind::kIntegerPlace:
        AppendIntegerPlace(out, pieces, integer_place++, pattern.integer_places);
        break;
      case TokenKind::kFractionPlace:
        if (fraction_place < fraction_written) out += digits.fraction_digits[fraction_place];
        ++fraction_place;
        break;
    }
  }
  return out;
}

}  // namespace tessera::platform
