// The locales the library knows, built once from ICU's data: number symbols, currency and the
// date and time patterns converted to Windows' pattern letters, with a small table for what ICU
// does not carry (the Boolean words, Windows' own choices where they differ from CLDR's).
#pragma once

#include <span>
#include <string_view>

#include "tessera/platform/locale/user_locale.hpp"

namespace tessera::platform::locale_table {

// Every known locale, in a fixed order; the first is the product's home locale, de-DE.
std::span<const LocaleData> All();

// The known locale a name stands for, or nullptr. Accepts "de-DE", "de_DE", "de_DE.UTF-8",
// "de_AT@euro" and a bare language ("de" means its first locale in the table), in any case.
const LocaleData* ByName(std::string_view name);

}  // namespace tessera::platform::locale_table
