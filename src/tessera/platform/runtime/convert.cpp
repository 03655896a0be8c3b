#include "tessera/platform/runtime/convert.hpp"

#include <charconv>
#include <cmath>
#include <ctime>
#include <iterator>
#include <limits>
#include <optional>

#include "tessera/platform/locale/user_locale.hpp"
#include "tessera/platform/runtime/date_parse.hpp"
#include "tessera/platform/runtime/date_parts.hpp"
#include "tessera/platform/runtime/date_text.hpp"
#include "tessera/platform/runtime/number_parse.hpp"
#include "tessera/platform/runtime/text_case.hpp"

namespace tessera::platform {

namespace {

// 15 significant digits as the C "%.15G" writes them, with the locale's decimal separator.
std::string DoubleText(double value, const LocaleData& locale) {
  if (!std::isfinite(value)) Raise(err::kOverflow);
  if (value == 0.0) return "0";  // also for -0, which the host never shows
  char buffer[32];
  const auto written =
      std::to_chars(std::begin(buffer), std::end(buffer), value, std::chars_format::general, 15);
  std::string text;
  for (const char* c = buffer; c != written.ptr; ++c) {
    if (*c == '.') {
      text += locale.decimal_separator;
      continue;
    }
    text += *c == 'e' ? 'E' : *c;
  }
  return text;
}

double NumberFromText(const std::string& text) {
  const ParsedNumber parsed = ParseNumberText(text, UserLocale());
  if (parsed.status == NumberTextStatus::kOverflow) Raise(err::kOverflow);
  if (parsed.status == NumberTextStatus::kNotANumber) Raise(err::kTypeMismatch);
  return parsed.value;
}

// A day and month without a year are in the current year of the local clock.
int32_t CurrentYear() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return local.tm_year + 1900;
}

std::optional<Date> DateFromText(const std::string& text) {
  return ParseDateText(text, UserLocale(), CurrentYear());
}

double RoundHalfToEven(double value) {
  const double nearest = std::round(value);  // halves away from zero
  if (std::fabs(value - std::trunc(value)) != 0.5) return nearest;
  return 2.0 * std::round(value / 2.0);
}

template <typename T>
T RoundToInteger(const Variant& value) {
  const double rounded = RoundHalfToEven(CDbl(value));
  // Written so that NaN fails the test as well.
  if (!(rounded >= std::numeric_limits<T>::min() && rounded <= std::numeric_limits<T>::max())) {
    Raise(err::kOverflow);
  }
  return static_cast<T>(rounded);
}

bool BooleanFromText(const std::string& text) {
  const LocaleData& locale = UserLocale();
  if (EqualsIgnoringCase(text, locale.true_word) || EqualsIgnoringCase(text, "True")) return true;
  if (EqualsIgnoringCase(text, locale.false_word) || EqualsIgnoringCase(text, "False")) return false;
  return NumberFromText(text) != 0.0;
}

}  // namespace

std::string CStr(const Variant& value) {
  switch (value.kind()) {
    case VarType::kEmpty:
      return "";
    case VarType::kNull:
      Raise(err::kInvalidUseOfNull);
    case VarType::kBoolean:
      return value.AsBoolean() ? UserLocale().true_word : UserLocale().false_word;
    case VarType::kByte:
      return std::to_string(value.AsByte());
    case VarType::kInteger:
      return std::to_string(value.AsInteger());
    case VarType::kLong:
      return std::to_string(value.AsLong());
    case VarType::kDouble:
      return DoubleText(value.AsDouble(), UserLocale());
    case VarType::kString:
      return value.AsString();
    case VarType::kDate:
      return DateText(value.AsDate(), UserLocale());
    case VarType::kObject:
    case VarType::kMissing:
      break;
  }
  Raise(err::kTypeMismatch);
}

double CDbl(const Variant& value) {
  switch (value.kind()) {
    case VarType::kEmpty:
      return 0.0;
    case VarType::kNull:
      Raise(err::kInvalidUseOfNull);
    case VarType::kBoolean:
      return value.AsBoolean() ? -1.0 : 0.0;
    case VarType::kByte:
      return value.AsByte();
    case VarType::kInteger:
      return value.AsInteger();
    case VarType::kLong:
      return value.AsLong();
    case VarType::kDouble:
      return value.AsDouble();
    case VarType::kDate:
      return value.AsDate().serial();
    case VarType::kString:
      return NumberFromText(value.AsString());
    case VarType::kObject:
    case VarType::kMissing:
      break;
  }
  Raise(err::kTypeMismatch);
}

int16_t CInt(const Variant& value) {
  return RoundToInteger<int16_t>(value);
}

int32_t CLng(const Variant& value) {
  return RoundToInteger<int32_t>(value);
}

uint8_t CByte(const Variant& value) {
  return RoundToInteger<uint8_t>(value);
}

bool CBool(const Variant& value) {
  if (value.kind() == VarType::kString) return BooleanFromText(value.AsString());
  return CDbl(value) != 0.0;
}

Date CDate(const Variant& value) {
  switch (value.kind()) {
    case VarType::kDate:
      return CheckedDate(value.AsDate().serial());
    case VarType::kString: {
      const std::optional<Date> date = DateFromText(value.AsString());
      if (!date) Raise(err::kTypeMismatch);
      return *date;
    }
    default:
      return CheckedDate(CDbl(value));
  }
}

bool IsDate(const Variant& value) {
  if (value.kind() == VarType::kDate) return true;
  return value.kind() == VarType::kString && DateFromText(value.AsString()).has_value();
}

bool IsNumeric(const Variant& value) {
  switch (value.kind()) {
    case VarType::kEmpty:
    case VarType::kBoolean:
    case VarType::kByte:
    case VarType::kInteger:
    case VarType::kLong:
    case VarType::kDouble:
      return true;
    case VarType::kString:
      return ParseNumberText(value.AsString(), UserLocale()).status == NumberTextStatus::kNumber;
    case VarType::kNull:
    case VarType::kDate:
    case VarType::kObject:
    case VarType::kMissing:
      break;
  }
  return false;
}

}  // namespace tessera::platform
