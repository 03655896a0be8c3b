#include "tessera/platform/locale/user_locale.hpp"

#include <cstdlib>
#include <mutex>

#include "tessera/platform/locale/locale_table.hpp"
#include "tessera/platform/runtime/error.hpp"

namespace tessera::platform {
namespace {

std::mutex override_mutex;
std::optional<std::string> override_name;  // guarded by override_mutex

std::optional<std::string> CurrentOverride() {
  const std::lock_guard lock(override_mutex);
  return override_name;
}

void StoreOverride(std::optional<std::string> name) {
  const std::lock_guard lock(override_mutex);
  override_name = std::move(name);
}

// The first of LC_ALL, LC_TIME and LANG that is set and not empty.
std::string_view EnvironmentLocaleName() {
  for (const char* variable : {"LC_ALL", "LC_TIME", "LANG"}) {
    const char* value = std::getenv(variable);
    if (value != nullptr && *value != '\0') return value;
  }
  return {};
}

const LocaleData& HomeLocale() {
  return locale_table::All().front();
}

}  // namespace

const LocaleData& UserLocale() {
  if (const auto forced = CurrentOverride()) return *locale_table::ByName(*forced);
  // "C", "POSIX", an unset environment and a locale the library does not know all mean the
  // product's home locale.
  const LocaleData* found = locale_table::ByName(EnvironmentLocaleName());
  return found != nullptr ? *found : HomeLocale();
}

const LocaleData* FindLocale(std::string_view name) {
  return locale_table::ByName(name);
}

const LocaleData* FindLocale(uint32_t lcid) {
  for (const LocaleData& data : locale_table::All()) {
    if (data.lcid == lcid) return &data;
  }
  return nullptr;
}

std::vector<std::string> KnownLocaleNames() {
  std::vector<std::string> names;
  for (const LocaleData& data : locale_table::All()) names.push_back(data.name);
  return names;
}

void SetUserLocaleOverride(std::string_view name) {
  const LocaleData* found = locale_table::ByName(name);
  if (found == nullptr) Raise(err::kInvalidProcedureCall, "Unknown locale '" + std::string(name) + "'");
  StoreOverride(found->name);
}

void ClearUserLocaleOverride() {
  StoreOverride(std::nullopt);
}

ScopedUserLocale::ScopedUserLocale(std::string_view name) : previous_(CurrentOverride()) {
  SetUserLocaleOverride(name);
}

ScopedUserLocale::~ScopedUserLocale() {
  StoreOverride(previous_);
}

}  // namespace tessera::platform
