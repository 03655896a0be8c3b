#include "tessera/platform/runtime/date_format.hpp"

#include <array>
#include <optional>
#include <vector>

#include "tessera/platform/runtime/date_parts.hpp"
#include "tessera/platform/runtime/date_text.hpp"
#include "tessera/platform/runtime/text_case.hpp"

namespace tessera::platform {
namespace {

// Named formats that are written by the locale's own patterns or by a fixed date pattern.
enum class Named { kGeneralDate, kLongDate, kShortDate, kLongTime, kMediumDate, kMediumTime, kShortTime };

constexpr std::array<std::pair<std::string_view, Named>, 7> kNamedFormats{{
    {"General Date", Named::kGeneralDate},
    {"Long Date", Named::kLongDate},
    {"Short Date", Named::kShortDate},
    {"Long Time", Named::kLongTime},
    {"Medium Date", Named::kMediumDate},
    {"Medium Time", Named::kMediumTime},
    {"Short Time", Named::kShortTime},
}};

std::optional<Named> NamedFormat(std::string_view format) {
  for (const auto& [name, named] : kNamedFormats) {
    if (EqualsIgnoringCase(format, name)) return named;
  }
  return std::nullopt;
}

constexpr std::array<std::string_view, 4> kDesignatorForms{"AM/PM", "A/P", "AMPM", "am/pm"};

char Lower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool IsDateLetter(char c) {
  return std::string_view("dmynhswqct").find(Lower(c)) != std::string_view::npos;
}

struct Token {
  enum class Kind { kField, kLiteral, kDesignator } kind = Kind::kLiteral;
  char letter = 0;        // lower case, for fields
  std::size_t count = 0;  // run length, for fields
  std::string text;       // literal text, or the designator form as written

  static Token Literal(std::string_view text) { return {Kind::kLiteral, 0, 0, std::string(text)}; }
  static Token Field(char letter, std::size_t count) { return {Kind::kField, letter, count, {}}; }
  static Token Designator(std::string_view form) { return {Kind::kDesignator, 0, 0, std::string(form)}; }
};

// The designator form at `pos`, matched as the host matches it: "AM/PM" and "A/P" in either case
// (their case is kept for the output), "AMPM" in any case.
std::optional<std::string_view> DesignatorAt(std::string_view pattern, std::size_t pos) {
  for (const std::string_view form : kDesignatorForms) {
    const std::string_view here = pattern.substr(pos, form.size());
    if (EqualsIgnoringCase(here, form)) return here;
  }
  return std::nullopt;
}

std::vector<Token> Tokenize(std::string_view pattern) {
  std::vector<Token> tokens;
  for (std::size_t pos = 0; pos < pattern.size();) {
    const char c = pattern[pos];
    if (c == '"') {
      const std::size_t close = std::min(pattern.find('"', pos + 1), pattern.size());
      tokens.push_back(Token::Literal(pattern.substr(pos + 1, close - pos - 1)));
      pos = close + 1;
      continue;
    }
    if (c == '\\') {
      tokens.push_back(Token::Literal(pattern.substr(pos + 1, 1)));
      pos += 2;
      continue;
    }
    if (const auto designator = DesignatorAt(pattern, pos)) {
      tokens.push_back(Token::Designator(*designator));
      pos += designator->size();
      continue;
    }
    if (!IsDateLetter(c)) {
      tokens.push_back(Token::Literal(pattern.substr(pos, 1)));
      ++pos;
      continue;
    }
    std::size_t run = 1;
    while (pos + run < pattern.size() && Lower(pattern[pos + run]) == Lower(c)) ++run;
    tokens.push_back(Token::Field(Lower(c), run));
    pos += run;
  }
  return tokens;
}

// "m" and "mm" are minutes right after an hour field or right before a seconds field.
void MarkMinutes(std::vector<Token>& tokens) {
  char previous = 0;
  for (std::size_t i = 0; i < tokens.size(); ++i) {
    Token& token = tokens[i];
    if (token.kind != Token::Kind::kField) continue;
    if (token.letter == 'm' && token.count <= 2) {
      char next = 0;
      for (std::size_t j = i + 1; j < tokens.size() && next == 0; ++j) {
        if (tokens[j].kind == Token::Kind::kField) next = tokens[j].letter;
      }
      if (previous == 'h' || next == 's') token.letter = 'n';
    }
    previous = token.letter;
  }
}

int32_t DayOfYear(const DateParts& parts) {
  return static_cast<int32_t>(DateSerial(parts.year, parts.month, parts.day).serial() -
                              DateSerial(parts.year, 1, 1).serial()) +
         1;
}

// One letter writes the number as it is, two or more with at least two digits.
std::string Padded(int32_t value, std::size_t count) {
  return ZeroPadded(value, count >= 2 ? 2 : 1);
}

struct Writer {
  Date date;
  DateParts parts;
  const LocaleData& locale;
  bool twelve_hours = false;

  std::string Locale(std::string_view pattern) const { return WriteLocalePattern(parts, pattern, locale); }

  std::string Day(std::size_t count) const {
    switch (count) {
      case 1:
      case 2:
        return Padded(parts.day, count);
      case 3:
        return Locale("ddd");
      case 4:
        return Locale("dddd");
      case 5:
        return Locale(locale.short_date);
      default:
        return Locale(locale.long_date);
    }
  }

  std::string Year(std::size_t count) const {
    if (count == 1) return std::to_string(DayOfYear(parts));
    if (count == 2) return Padded(parts.year % 100, 2);
    return std::to_string(parts.year);
  }

  std::string Hour(std::size_t count) const {
    int32_t hour = parts.hour;
    if (twelve_hours) hour = hour % 12 == 0 ? 12 : hour % 12;
    return Padded(hour, count);
  }

  std::string Weekday(std::size_t count) const {
    const int32_t weekday = platform::Weekday(date);
    if (count == 1) return std::to_string(weekday);
    const int32_t first = platform::Weekday(DateSerial(parts.year, 1, 1));
    return std::to_string((DayOfYear(parts) + first - 2) / 7 + 1);
  }

  std::string Field(const Token& token) const {
    switch (token.letter) {
      case 'd':
        return Day(token.count);
      case 'm':
        return token.count <= 2 ? Padded(parts.month, token.count)
                                : Locale(token.count == 3 ? "MMM" : "MMMM");
      case 'n':
        return Padded(parts.minute, token.count);
      case 'y':
        return Year(token.count);
      case 'h':
        return Hour(token.count);
      case 's':
        return Padded(parts.second, token.count);
      case 'w':
        return Weekday(token.count);
      case 'q':
        return std::to_string((parts.month + 2) / 3);
      case 'c':
        return DateText(date, locale);
      default:  // 't': ttttt is the long time; fewer are text
        return token.count >= 5 ? Locale(locale.time_format) : std::string(token.count, 't');
    }
  }

  std::string Designator(std::string_view form) const {
    const bool am = parts.hour < 12;
    if (EqualsIgnoringCase(form, "AMPM")) return am ? locale.am_designator : locale.pm_designator;
    const std::size_t slash = form.find('/');
    return std::string(am ? form.substr(0, slash) : form.substr(slash + 1));
  }

  std::string Write(const std::vector<Token>& tokens) const {
    std::string out;
    for (const Token& token : tokens) {
      switch (token.kind) {
        case Token::Kind::kField:
          out += Field(token);
          break;
        case Token::Kind::kDesignator:
          out += Designator(token.text);
          break;
        case Token::Kind::kLiteral:
          out += token.text == "/"   ? locale.date_separator
                 : token.text == ":" ? locale.time_separator
                                     : token.text;
          break;
      }
    }
    return out;
  }
};

std::string FormatPattern(Date date, std::string_view pattern, const LocaleData& locale) {
  std::vector<Token> tokens = Tokenize(pattern);
  MarkMinutes(tokens);
  Writer writer{date, PartsOf(date), locale};
  for (const Token& token : tokens) writer.twelve_hours |= token.kind == Token::Kind::kDesignator;
  return writer.Write(tokens);
}

std::string FormatNamed(Date date, Named named, const LocaleData& locale) {
  const DateParts parts = PartsOf(date);
  switch (named) {
    case Named::kGeneralDate:
      return DateText(date, locale);
    case Named::kLongDate:
      return WriteLocalePattern(parts, locale.long_date, locale);
    case Named::kShortDate:
      return WriteLocalePattern(parts, locale.short_date, locale);
    case Named::kLongTime:
      return WriteLocalePattern(parts, locale.time_format, locale);
    case Named::kMediumDate:
      return FormatPattern(date, "dd-mmm-yy", locale);
    case Named::kMediumTime:
      return FormatPattern(date, "hh:mm AM/PM", locale);
    case Named::kShortTime:
      break;
  }
  return FormatPattern(date, "hh:mm", locale);
}

}  // namespace

bool IsDateFormat(std::string_view format) {
  if (NamedFormat(format)) return true;
  bool date_letters = false;
  for (const Token& token : Tokenize(format)) {
    // A digit placeholder makes it a number pattern, whose other letters are plain text.
    if (token.kind == Token::Kind::kLiteral && (token.text == "0" || token.text == "#")) return false;
    date_letters |= token.kind != Token::Kind::kLiteral;
  }
  return date_letters;
}

std::string FormatDate(Date date, std::string_view format, const LocaleData& locale) {
  if (const auto named = NamedFormat(format)) return FormatNamed(date, *named, locale);
  return FormatPattern(date, format, locale);
}

}  // namespace tessera::platform
