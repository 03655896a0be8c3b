// Feeds arbitrary bytes to the date conversions and Format with date patterns: each must either
// give a result or raise a RuntimeError. The first byte picks the locale; the text, when it holds
// a newline, splits into a date text and a Format pattern. A text read as a date must be written
// and read back to the same text.
#include <string>
#include <string_view>

#include "locale_text_input.hpp"
#include "tessera/platform/runtime/convert.hpp"
#include "tessera/platform/runtime/format.hpp"

namespace {

using tessera::fuzz::SucceedsOrRaises;

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
  return tessera::fuzz::FeedLocaleText(data, size, "dddd, d. mmmm yyyy hh:nn:ss AM/PM", Exercise);
}
