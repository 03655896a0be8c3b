#include "tessera/platform/locale/locale_table.hpp"

#include <unicode/dcfmtsym.h>
#include <unicode/locid.h>
#include <unicode/uloc.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "tessera/platform/runtime/error.hpp"
#include "tessera/platform/runtime/text_case.hpp"

namespace tessera::platform::locale_table {
namespace {

// What ICU does not carry in the Windows form: the Boolean words of the host runtime, the date
// and time patterns with Windows' pattern letters, and the separators where Windows and CLDR
// differ (de-CH groups with an apostrophe, not U+2019; fr-FR with a no-break space, which the
// ANSI code page holds, not U+202F).
struct WindowsForms {
  const char* name;
  const char* true_word;
  const char* false_word;
  const char* short_date;
  const char* long_date;
  const char* time_format;
  const char* am_designator;
  const char* pm_designator;
  std::optional<const char*> thousand_separator;
};

constexpr WindowsForms kForms[] = {
    {"de-DE", "Wahr", "Falsch", "dd.MM.yyyy", "dddd, d. MMMM yyyy", "HH:mm:ss", "", "", "."},
    {"de-AT", "Wahr", "Falsch", "dd.MM.yyyy", "dddd, d. MMMM yyyy", "HH:mm:ss", "", "", "."},
    {"de-CH", "Wahr", "Falsch", "dd.MM.yyyy", "dddd, d. MMMM yyyy", "HH:mm:ss", "", "", "'"},
    {"en-US", "True", "False", "M/d/yyyy", "dddd, MMMM d, yyyy", "h:mm:ss tt", "AM", "PM", {}},
    {"en-GB", "True", "False", "dd/MM/yyyy", "dd MMMM yyyy", "HH:mm:ss", "AM", "PM", {}},
    {"fr-FR", "Vrai", "Faux", "dd/MM/yyyy", "dddd d MMMM yyyy", "HH:mm:ss", "", "", "\u00A0"},
    {"it-IT", "Vero", "Falso", "dd/MM/yyyy", "dddd d MMMM yyyy", "HH:mm:ss", "", "", "."},
    {"nl-NL", "Waar", "Onwaar", "d-M-yyyy", "dddd d MMMM yyyy", "HH:mm:ss", "", "", "."},
    {"es-ES", "Verdadero", "Falso", "dd/MM/yyyy", "dddd, d' de 'MMMM' de 'yyyy", "H:mm:ss", "", "", "."},
};

std::string Utf8(const icu::UnicodeString& text) {
  std::string out;
  text.toUTF8String(out);
  return out;
}

// The separators of a pattern are the first character that is not a pattern letter.
std::string SeparatorOf(std::string_view pattern, std::string_view letters) {
  const auto pos = pattern.find_first_not_of(letters);
  return pos == std::string_view::npos ? std::string() : std::string(pattern.substr(pos, 1));
}

LocaleData Build(const WindowsForms& forms) {
  UErrorCode status = U_ZERO_ERROR;
  const icu::Locale icu_locale = icu::Locale::forLanguageTag(forms.name, status);
  const icu::DecimalFormatSymbols symbols(icu_locale, status);
  LocaleData data;
  data.name = forms.name;
  data.lcid = uloc_getLCID(icu_locale.getName());
  if (U_FAILURE(status)) Raise(err::kInternalError, std::string("No locale data for ") + forms.name);
  data.decimal_separator = Utf8(symbols.getSymbol(icu::DecimalFormatSymbols::kDecimalSeparatorSymbol));
  data.thousand_separator = Utf8(symbols.getSymbol(icu::DecimalFormatSymbols::kGroupingSeparatorSymbol));
  data.currency = Utf8(symbols.getSymbol(icu::DecimalFormatSymbols::kCurrencySymbol));
  if (forms.thousand_separator) data.thousand_separator = *forms.thousand_separator;
  data.true_word = forms.true_word;
  data.false_word = forms.false_word;
  data.short_date = forms.short_date;
  data.long_date = forms.long_date;
  data.time_format = forms.time_format;
  data.date_separator = SeparatorOf(forms.short_date, "dMy");
  data.time_separator = SeparatorOf(forms.time_format, "hHmst");
  data.am_designator = forms.am_designator;
  data.pm_designator = forms.pm_designator;
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
