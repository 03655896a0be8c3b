// GetUserDefaultLCID and GetLocaleInfoA over the user locale.
#include <cstring>
#include <string>

#include "tessera/platform/locale/user_locale.hpp"
#include "tessera/platform/runtime/codepage.hpp"

namespace tessera::platform {
namespace {

// LOCALE_NOUSEROVERRIDE and LOCALE_USE_CP_ACP: there are no user overrides and the answer is in
// the ANSI code page anyway, so they change nothing. Other flags are not supported.
constexpr uint32_t kLcTypeFlags = 0x80000000U | 0x40000000U;

const std::string* LocaleText(const LocaleData& data, uint32_t lctype) {
  switch (lctype & ~kLcTypeFlags) {
    case LOCALE_SDECIMAL:
      return &data.decimal_separator;
    case LOCALE_STHOUSAND:
      return &data.thousand_separator;
    case LOCALE_SCURRENCY:
      return &data.currency;
    case LOCALE_SDATE:
      return &data.date_separator;
    case LOCALE_STIME:
      return &data.time_separator;
    case LOCALE_SSHORTDATE:
      return &data.short_date;
    case LOCALE_SLONGDATE:
      return &data.long_date;
    case LOCALE_S1159:
      return &data.am_designator;
    case LOCALE_S2359:
      return &data.pm_designator;
    case LOCALE_STIMEFORMAT:
      return &data.time_format;
    default:
      return nullptr;
  }
}

const LocaleData* LocaleFor(uint32_t lcid) {
  // LOCALE_USER_DEFAULT, LOCALE_SYSTEM_DEFAULT and the neutral 0 all name the user's locale here.
  if (lcid == LOCALE_USER_DEFAULT || lcid == 0x0800 || lcid == 0) return &UserLocale();
  return FindLocale(lcid);
}

}  // namespace

uint32_t GetUserDefaultLCID() {
  return UserLocale().lcid;
}

int32_t GetLocaleInfoA(uint32_t lcid, uint32_t lctype, char* buffer, int32_t size) {
  const LocaleData* data = LocaleFor(lcid);
  const std::string* text = data != nullptr ? LocaleText(*data, lctype) : nullptr;
  if (text == nullptr || size < 0) return 0;
  const std::string ansi = ToAnsi(*text);
  const auto needed = static_cast<int32_t>(ansi.size() + 1);
  if (size == 0) return needed;
  if (buffer == nullptr || size < needed) return 0;
  std::memcpy(buffer, ansi.c_str(), ansi.size() + 1);
  return needed;
}

}  // namespace tessera::platform
