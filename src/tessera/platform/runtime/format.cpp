#include "tessera/platform/runtime/format.hpp"

#include <algorithm>
#include <array>
#include <optional>
#include <utility>
#include <vector>

#include "tessera/platform/locale/user_locale.hpp"
#include "tessera/platform/runtime/convert.hpp"
#include "tessera/platform/runtime/date_format.hpp"
#include "tessera/platform/runtime/date_parts.hpp"
#include "tessera/platform/runtime/number_parse.hpp"
#include "tessera/platform/runtime/number_pattern.hpp"
#include "tessera/platform/runtime/text_case.hpp"

namespace tessera::platform {

namespace {

constexpr std::string_view kGeneralNumber = "General Number";

constexpr std::array<std::pair<std::string_view, std::string_view>, 3> kNamedPatterns{{
    {"Fixed", "0.00"},
    {"Standard", "#,##0.00"},
    {"Percent", "0.00%"},
}};

std::string_view PatternOf(std::string_view format) {
  for (const auto& [name, pattern] : kNamedPatterns) {
    if (EqualsIgnoringCase(format, name)) return pattern;
  }
  return format;
}

// Splits at the ";" that are not quoted or escaped.
std::vector<std::string_view> Sections(std::string_view pattern) {
  std::vector<std::string_view> sections;
  std::size_t start = 0;
  bool quoted = false;
  for (std::size_t pos = 0; pos < pattern.size(); ++pos) {
    const char c = pattern[pos];
    if (c == '"') quoted = !quoted;
    if (c == '\\' && !quoted) ++pos;
    if (c == ';' && !quoted) {
      sections.push_back(pattern.substr(start, pos - start));
      start = pos + 1;
    }
  }
  sections.push_back(pattern.substr(std::min(start, pattern.size())));
  return sections;
}

std::string FormatNumber(double value, std::string_view pattern, const LocaleData& locale) {
  const std::vector<std::string_view> sections = Sections(pattern);
  // An empty section falls back to the first, which writes the sign itself.
  const auto section = [&](std::size_t index) { return index < sections.size() ? sections[index] : ""; };
  if (value == 0.0 && !section(2).empty()) return ApplyNumberPattern(0.0, section(2), locale);
  if (value < 0.0 && !section(1).empty()) return ApplyNumberPattern(-value, section(1), locale);
  return ApplyNumberPattern(value, sections[0], locale);
}

// The number that a Format pattern is applied to; nullopt for a text that is not a number.
std::optional<double> NumberToFormat(const Variant& expression, const LocaleData& locale) {
  if (expression.kind() != VarType::kString) return CDbl(expression);
  const ParsedNumber parsed = ParseNumberText(expression.AsString(), locale);
  if (parsed.status == NumberTextStatus::kOverflow) Raise(err::kOverflow);
  if (parsed.status == NumberTextStatus::kNotANumber) return std::nullopt;
  return parsed.value;
}

bool IsNumberFormat(std::string_view format) {
  if (EqualsIgnoringCase(format, kGeneralNumber)) return true;
  return std::any_of(kNamedPatterns.begin(), kNamedPatterns.end(),
                     [&](const auto& named) { return EqualsIgnoringCase(format, named.first); });
}

// A date pattern takes dates as they are, numbers as date serials and texts that read as dates
// (before numbers: "5.3.2024" is a number too under de-DE); any other text comes back unchanged.
std::string FormatAsDate(const Variant& expression, std::string_view format) {
  const LocaleData& locale = UserLocale();
  if (expression.kind() == VarType::kString && !IsDate(expression)) {
    if (!IsNumeric(expression)) return expression.AsString();
    return FormatDate(CheckedDate(CDbl(expression)), format, locale);
  }
  return FormatDate(CDate(expression), format, locale);
}

}  // namespace

std::string Format(const Variant& expression, std::string_view format) {
  if (expression.IsEmpty() || expression.IsNull()) return "";
  if (format.empty()) return CStr(expression);
  if (!IsNumberFormat(format) && IsDateFormat(format)) return FormatAsDate(expression, format);
  const LocaleData& locale = UserLocale();
  const std::optional<double> number = NumberToFormat(expression, locale);
  if (!number) return expression.AsString();
  if (EqualsIgnoringCase(format, kGeneralNumber)) return CStr(*number);
  return FormatNumber(*number, PatternOf(format), locale);
}

}  // namespace tessera::platform
