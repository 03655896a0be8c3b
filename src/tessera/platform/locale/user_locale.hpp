// The user locale: which one is in force, and what the host's locale calls answer for it.
//
// There is one user locale for every member and every conversion (masks, numbers, currency,
// dates, Booleans), as Windows has one format locale. It is taken from the first of LC_ALL,
// LC_TIME and LANG that is set and not empty (the date and time category decides, as dates are
// what most members ask the locale for; LC_NUMERIC and LC_MONETARY play no part). Unset, "C",
// "POSIX" or a locale the library does not know means de-DE, the product's home locale. A host or
// a test can force one locale with SetUserLocaleOverride. Every question resolves the locale
// anew, so a changed environment or override is seen at the next call; the data of each locale
// is built once from ICU and kept.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tessera::platform {

// What the library needs to know of one locale. Texts are UTF-8, in the forms that Windows
// answers for the locale (pattern letters as GetLocaleInfo uses them).
struct LocaleData {
  std::string name;                                     // "de-DE"
  uint32_t lcid = 0;                                    // 0x0407
  std::string decimal_separator;                        // LOCALE_SDECIMAL, ","
  std::string thousand_separator;                       // LOCALE_STHOUSAND, "."
  std::string true_word;                                // "Wahr"
  std::string false_word;                               // "Falsch"
  std::string currency;                                 // LOCALE_SCURRENCY, "€"
  std::string date_separator;                           // LOCALE_SDATE, "."
  std::string time_separator;                           // LOCALE_STIME, ":"
  std::string short_date;                               // LOCALE_SSHORTDATE, "dd.MM.yyyy"
  std::string long_date;                                // LOCALE_SLONGDATE, "dddd, d. MMMM yyyy"
  std::string time_format;                              // LOCALE_STIMEFORMAT, "HH:mm:ss"
  std::string am_designator;                            // LOCALE_S1159, "" under de-DE, "AM" under en-US
  std::string pm_designator;                            // LOCALE_S2359
  std::array<std::string, 12> month_names;              // "Januar" ...
  std::array<std::string, 12> abbreviated_month_names;  // "Jan." ...
  std::array<std::string, 7> day_names;                 // from Sunday: "Sonntag" ...
  std::array<std::string, 7> abbreviated_day_names;     // "So." ...
};

// The data of the locale in force.
const LocaleData& UserLocale();

// The data of a locale by name ("de-DE", "en_US.UTF-8", "de_AT@euro" ...), or nullopt when the
// library does not know it.
const LocaleData* FindLocale(std::string_view name);
const LocaleData* FindLocale(uint32_t lcid);

// Names of every locale the library knows, in a fixed order.
std::vector<std::string> KnownLocaleNames();

// Forces one locale for every category; a name the library does not know raises error 5.
void SetUserLocaleOverride(std::string_view name);
void ClearUserLocaleOverride();

// RAII override for tests and hosts that switch the locale for a stretch of work.
class ScopedUserLocale {
 public:
  explicit ScopedUserLocale(std::string_view name);
  ~ScopedUserLocale();
  ScopedUserLocale(const ScopedUserLocale&) = delete;
  ScopedUserLocale& operator=(const ScopedUserLocale&) = delete;

 private:
  std::optional<std::string> previous_;
};

// The Windows locale calls, with their contracts.
inline constexpr uint32_t LOCALE_SDECIMAL = 0x0E;
inline constexpr uint32_t LOCALE_STHOUSAND = 0x0F;
inline constexpr uint32_t LOCALE_SCURRENCY = 0x14;
inline constexpr uint32_t LOCALE_SDATE = 0x1D;
inline constexpr uint32_t LOCALE_STIME = 0x1E;
inline constexpr uint32_t LOCALE_SSHORTDATE = 0x1F;
inline constexpr uint32_t LOCALE_SLONGDATE = 0x20;
inline constexpr uint32_t LOCALE_S1159 = 0x28;
inline constexpr uint32_t LOCALE_S2359 = 0x29;
inline constexpr uint32_t LOCALE_STIMEFORMAT = 0x1003;
inline constexpr uint32_t LOCALE_USER_DEFAULT = 0x0400;

// The identifier of the user locale, as GetUserDefaultLCID.
uint32_t GetUserDefaultLCID();

// Copies the text of `lctype` for `lcid` into `buffer` in the ANSI code page, NUL-terminated.
// `size` counts characters including the NUL. Returns the characters written including the NUL;
// with size 0 the size needed and nothing written; 0 when the buffer is too small, the locale or
// the lctype is unknown (buffer then unchanged). LOCALE_USER_DEFAULT names the user's locale.
int32_t GetLocaleInfoA(uint32_t lcid, uint32_t lctype, char* buffer, int32_t size);

}  // namespace tessera::platform
