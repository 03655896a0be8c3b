#include "tessera/platform/runtime/date_tokens.hpp"

#include "tessera/platform/runtime/text_case.hpp"

namespace tessera::platform {
namespace {

// More digits than any part of a date has: such a number is refused before it can overflow.
constexpr std::size_t kMaxDigits = 9;

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// ASCII letters and every byte of a multi-byte character, so that "März" is one word.
bool IsLetter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || static_cast<unsigned char>(c) >= 0x80;
}

bool Matches(std::string_view word, std::string_view name) {
  return !name.empty() && EqualsIgnoringCase(word, name);
}

class Tokenizer {
 public:
  Tokenizer(std::string_view text, const LocaleData& locale) : text_(text), locale_(locale) {}

  std::optional<std::vector<DateToken>> Run() {
    std::vector<DateToken> tokens;
    while (SkipBlanks(), pos_ < text_.size()) {
      const std::optional<DateToken> token = Next();
      if (!token) return std::nullopt;
      tokens.push_back(*token);
    }
    return tokens;
  }

 private:
  void SkipBlanks() {
    while (pos_ < text_.size() && IsBlank(text_[pos_])) ++pos_;
  }

  std::optional<DateToken> Next() {
    if (IsDigit(text_[pos_])) return Number();
    if (IsLetter(text_[pos_])) return Word();
    return Separator();
  }

  std::optional<DateToken> Number() {
    DateToken number{DateTokenKind::kNumber};
    while (pos_ < text_.size() && IsDigit(text_[pos_])) {
      if (++number.digits > kMaxDigits) return std::nullopt;
      number.value = number.value * 10 + (text_[pos_++] - '0');
    }
    return number;
  }

  std::optional<DateToken> Word() {
    const std::size_t start = pos_;
    while (pos_ < text_.size() && IsLetter(text_[pos_])) ++pos_;
    const std::string_view word = text_.substr(start, pos_ - start);
    if (Matches(word, locale_.am_designator) || Matches(word, "AM")) return DateToken{DateTokenKind::kAm};
    if (Matches(word, locale_.pm_designator) || Matches(word, "PM")) return DateToken{DateTokenKind::kPm};
    for (int32_t month = 1; month <= 12; ++month) {
      if (MatchesMonth(word, month)) return DateToken{DateTokenKind::kMonth, month};
    }
    return std::nullopt;
  }

  bool MatchesMonth(std::string_view word, int32_t month) {
    const auto index = static_cast<std::size_t>(month - 1);
    if (Matches(word, locale_.month_names[index])) return true;
    std::string_view abbreviation = locale_.abbreviated_month_names[index];
    const bool dotted = abbreviation.ends_with('.');
    if (dotted) abbreviation.remove_suffix(1);
    if (!Matches(word, abbreviation)) return false;
    if (dotted && pos_ < text_.size() && text_[pos_] == '.') ++pos_;
    return true;
  }

  std::optional<DateToken> Separator() {
    if (Take(locale_.date_separator) || Take("/") || Take("-"))
      return DateToken{DateTokenKind::kDateSeparator};
    if (Take(":") || Take(locale_.time_separator) || Take("."))
      return DateToken{DateTokenKind::kTimeSeparator};
    return std::nullopt;
  }

  bool Take(std::string_view what) {
    if (what.empty() || !text_.substr(pos_).starts_with(what)) return false;
    pos_ += what.size();
    return true;
  }

  std::string_view text_;
  const LocaleData& locale_;
  std::size_t pos_ = 0;
};

}  // namespace

std::optional<std::vector<DateToken>> DateTokens(std::string_view text, const LocaleData& locale) {
  return Tokenizer(text, locale).Run();
}

}  // namespace tessera::platform
