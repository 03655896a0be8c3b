// Feeds arbitrary bytes to the date conversions and Format with date patterns: each must either
// give a result or raise a RuntimeError. The first byte picks the locale; the text, when it holds
// a newline, splits into a date text and a Format pattern. A text read as a date must be written
// and read back to the same text.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "tessera/platform/locale/user_locale.hpp"
#include "tessera/platform/runtime/convert.hpp"
#include "tessera/platform/runtime/error.hpp"
#include "tessera/platform/runtime/format.hpp"

namespace {

using tessera::platform::RuntimeError;

constexpr std::size_t kMaxInput = 4096;

template <typename Operation>
void SucceedsOrRaises(Operation operation) {
  try {
    operation();
  } catch (const RuntimeError&) {
    // Raising the runtime's error is a correct answer to bad input; anything else escapes.
  }
}

void Exercise(std::string_view text, std::string_view pattern) {
  using namespace tessera::platform;
  const bool is_date = IsDate(text);
  SucceedsOrRaises([&] {
    const Date date = CDate(text);
    if (!is_date) __builtin_trap();  // IsDate promises that CDate succeeds
    const std::string written = CStr(date);
    if (CStr(CDate(written)) != written) __builtin_trap();
    (void)Format(date, pattern);
  });
  SucceedsOrRaises([&] { (void)Format(text, pattern); });
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0 || size > kMaxInput) return 0;
  static const std::vector<std::string> locales = tessera::platform::KnownLocaleNames();
  const tessera::platform::ScopedUserLocale locale(locales[data[0] % locales.size()]);
  const std::string_view input(reinterpret_cast<const char*>(data + 1), size - 1);
  const std::size_t newline = input.find('\n');
  if (newline == std::string_view::npos) {
    Exercise(input, "dddd, d. mmmm yyyy hh:nn:ss AM/PM");
    return 0;
  }
  Exercise(input.substr(0, newline), input.substr(newline + 1));
  return 0;
}
