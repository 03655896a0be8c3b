#include "tessera/platform/locale/locale_table.hpp"

#include <unicode/datefmt.h>
#include <unicode/dcfmtsym.h>
#include <unicode/dtfmtsym.h>
#include <unicode/locid.h>
#include <unicode/smpdtfmt.h>
#include <unicode/uloc.h>

#include <algorithm>
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "tessera/platform/runtime/codepage.hpp"
#include "tessera/platform/runtime/error.hpp"
#include "tessera/platform/runtime/text_case.hpp"

namespace tessera::platform::locale_table {
namespace {

// What ICU does not carry: the Boolean words of the host runtime, and Windows' own choices where
// they differ from CLDR's (de-CH groups with an apostrophe, not U+2019; fr-FR with a no-break
// space, which the ANSI code page holds, not U+202F; nl-NL writes "d-M-yyyy"; German locales
// leave the AM and PM designators empty).
struct WindowsForms {
  const char* name;
  const char* true_word;
  const char* false_word;
  const char* thousand_separator = nullptr;
  const char* short_date = nullptr;
  const char* long_date = nullptr;
  const char* am_pm = nullptr;  // both designators
};

constexpr WindowsForms kForms[] = {
    {.name = "de-DE", .true_word = "Wahr", .false_word = "Falsch", .am_pm = ""},
    {.name = "de-AT", .true_word = "Wahr", .false_word = "Falsch", .thousand_separator = ".", .am_pm = ""},
    {.name = "de-CH", .true_word = "Wahr", .false_word = "Falsch", .thousand_separator = "'", .am_pm = ""},
    {.name = "en-US", .true_word = "True", .false_word = "False"},
    {.name = "en-GB", .true_word = "True", .false_word = "False", .long_date = "dd MMMM yyyy"},
    {.name = "fr-FR", .true_word = "Vrai", .false_word = "Faux", .thousand_separator = "\u00A0"},
    {.name = "it-IT", .true_word = "Vero", .false_word = "Falso"},
    {.name = "nl-NL", .true_word = "Waar", .false_word = "Onwaar", .short_date = "d-M-yyyy"},
    {.name = "es-ES", .true_word = "Verdadero", .false_word = "Falso", .short_date = "dd/MM/yyyy"},
};

std::string Utf8(const icu::UnicodeString& text) {
  std::string out;
  text.toUTF8String(out);
  return out;
}

void RequireIcu(UErrorCode status, const char* name) {
  if (U_FAILURE(status)) Raise(err::kInternalError, std::string("No locale data for ") + name);
}

// The Windows form of one run of an ICU pattern letter: years always with four digits, as
// Windows writes them in these patterns, weekdays as "ddd"/"dddd", the day period as "tt".
std::u32string WindowsField(char32_t letter, std::size_t count) {
  switch (letter) {
    case U'y':
    case U'Y':
    case U'u':
      return U"yyyy";
    case U'E':
    case U'c':
      return count >= 4 ? U"dddd" : U"ddd";
    case U'L':
      return std::u32string(count, U'M');
    case U'a':
    case U'b':
    case U'B':
      return U"tt";
    case U'G':
      return U"gg";
    default:
      return std::u32string(count, letter);
  }
}

bool IsPatternLetter(char32_t c) {
  return (c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z');
}

// ICU's pattern in Windows' pattern letters. Quoted text stays as it is (both use '...'); ICU's
// narrow and plain no-break spaces become the blank Windows writes.
std::string WindowsPattern(const icu::UnicodeString& icu_pattern) {
  const std::u32string pattern = DecodeUtf8(Utf8(icu_pattern));
  std::u32string out;
  bool quoted = false;
  for (std::size_t i = 0; i < pattern.size();) {
    const char32_t c = pattern[i];
    if (c == U'\'') quoted = !quoted;
    if (quoted || c == U'\'' || !IsPatternLetter(c)) {
      out += (c == U'\u202F' || c == U'\u00A0') ? U' ' : c;
      ++i;
      continue;
    }
    std::size_t run = 1;
    while (i + run < pattern.size() && pattern[i + run] == c) ++run;
    out += WindowsField(c, run);
    i += run;
  }
  return EncodeUtf8(out);
}

std::string DatePattern(icu::DateFormat* format, const char* name) {
  const std::unique_ptr<icu::DateFormat> owned(format);
  const auto* simple = dynamic_cast<const icu::SimpleDateFormat*>(owned.get());
  if (simple == nullptr) Raise(err::kInternalError, std::string("No date patterns for ") + name);
  icu::UnicodeString pattern;
  return WindowsPattern(simple->toPattern(pattern));
}

// The separator of a pattern is its first character that is not a pattern letter.
std::string SeparatorOf(std::string_view pattern, std::string_view letters) {
  const auto pos = pattern.find_first_not_of(letters);
  return pos == std::string_view::npos ? std::string() : std::string(pattern.substr(pos, 1));
}

void AddNumberSymbols(const icu::Locale& icu_locale, const WindowsForms& forms, LocaleData& data) {
  UErrorCode status = U_ZERO_ERROR;
  const icu::DecimalFormatSymbols symbols(icu_locale, status);
  RequireIcu(status, forms.name);
  data.decimal_separator = Utf8(symbols.getSymbol(icu::DecimalFormatSymbols::kDecimalSeparatorSymbol));
  data.thousand_separator =
      forms.thousand_separator != nullptr
          ? forms.thousand_separator
          : Utf8(symbols.getSymbol(icu::DecimalFormatSymbols::kGroupingSeparatorSymbol));
  data.currency = Utf8(symbols.getSymbol(icu::DecimalFormatSymbols::kCurrencySymbol));
}

void AddDateForms(const icu::Locale& icu_locale, const WindowsForms& forms, LocaleData& data) {
  using icu::DateFormat;
  data.short_date =
      forms.short_date != nullptr
          ? forms.short_date
          : DatePattern(DateFormat::createDateInstance(DateFormat::kShort, icu_locale), forms.name);
  data.long_date =
      forms.long_date != nullptr
          ? forms.long_date
          : DatePattern(DateFormat::createDateInstance(DateFormat::kFull, icu_locale), forms.name);
  data.time_format = DatePattern(DateFormat::createTimeInstance(DateFormat::kMedium, icu_locale), forms.name);
  data.date_separator = SeparatorOf(data.short_date, "dMy");
  data.time_separator = SeparatorOf(data.time_format, "hHmst");
  if (forms.am_pm != nullptr) {
    data.am_designator = data.pm_designator = forms.am_pm;
    return;
  }
  UErrorCode status = U_ZERO_ERROR;
  const icu::DateFormatSymbols symbols(icu_locale, status);
  RequireIcu(status, forms.name);
  int32_t count = 0;
  const icu::UnicodeString* am_pm = symbols.getAmPmStrings(count);
  if (count >= 2) {
    data.am_designator = Utf8(am_pm[0]);
    data.pm_designator = Utf8(am_pm[1]);
  }
}

// ICU's weekday arrays count from 1 for Sunday; index 0 is unused.
template <std::size_t N>
void CopyNames(const icu::UnicodeString* names, int32_t count, int32_t first,
               std::array<std::string, N>& out) {
  for (std::size_t i = 0; i < N && first + static_cast<int32_t>(i) < count; ++i)
    out[i] = Utf8(names[first + i]);
}

void AddNames(const icu::Locale& icu_locale, const WindowsForms& forms, LocaleData& data) {
  using Symbols = icu::DateFormatSymbols;
  UErrorCode status = U_ZERO_ERROR;
  const Symbols symbols(icu_locale, status);
  RequireIcu(status, forms.name);
  int32_t count = 0;
  const icu::UnicodeString* names = symbols.getMonths(count, Symbols::FORMAT, Symbols::WIDE);
  CopyNames(names, count, 0, data.month_names);
  names = symbols.getMonths(count, Symbols::FORMAT, Symbols::ABBREVIATED);
  CopyNames(names, count, 0, data.abbreviated_month_names);
  names = symbols.getWeekdays(count, Symbols::FORMAT, Symbols::WIDE);
  CopyNames(names, count, 1, data.day_names);
  names = symbols.getWeekdays(count, Symbols::FORMAT, Symbols::ABBREVIATED);
  CopyNames(names, count, 1, data.abbreviated_day_names);
}

LocaleData Build(const WindowsForms& forms) {
  UErrorCode status = U_ZERO_ERROR;
  const icu::Locale icu_locale = icu::Locale::forLanguageTag(forms.name, status);
  RequireIcu(status, forms.name);
  LocaleData data;
  data.name = forms.name;
  data.lcid = uloc_getLCID(icu_locale.getName());
  data.true_word = forms.true_word;
  data.false_word = forms.false_word;
  AddNumberSymbols(icu_locale, forms, data);
  AddDateForms(icu_locale, forms, data);
  AddNames(icu_locale, forms, data);
  return data;
}

const std::vector<LocaleData>& Table() {
  static const std::vector<LocaleData> table = [] {
    std::vector<LocaleData> built;
    for (const WindowsForms& forms : kForms) built.push_back(Build(forms));
    return built;
  }();
  return table;
}

// "de_AT.UTF-8@euro" -> "de-at": the code set and modifier go, "_" becomes "-", case is folded.
std::string CanonicalName(std::string_view name) {
  name = name.substr(0, name.find_first_of(".@"));
  std::string canonical = FoldCase(name);
  std::replace(canonical.begin(), canonical.end(), '_', '-');
  return canonical;
}

}  // namespace

std::span<const LocaleData> All() {
  return Table();
}

const LocaleData* ByName(std::string_view name) {
  const std::string wanted = CanonicalName(name);
  if (wanted.empty()) return nullptr;
  const bool language_only = wanted.find('-') == std::string::npos;
  for (const LocaleData& data : Table()) {
    const std::string candidate = CanonicalName(data.name);
    if (candidate == wanted || (language_only && candidate.starts_with(wanted + "-"))) return &data;
  }
  return nullptr;
}

}  // namespace tessera::platform::locale_table
