// The locales the library knows, built once: Windows' answers for each, with the number symbols
// and the currency taken from ICU where Windows and ICU agree.
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
