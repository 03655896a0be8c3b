// Feeds arbitrary bytes to the number conversions and Format: each must either give a result or
// raise a RuntimeError. The first byte picks the locale and the text, when it holds a newline,
// splits into a value and a Format pattern.
#include <string>
#include <string_view>

#include "locale_text_input.hpp"
#include "tessera/platform/runtime/convert.hpp"
#include "tessera/platform/runtime/format.hpp"

namespace {

using tessera::fuzz::SucceedsOrRaises;

void Exercise(std::string_view text, std::string_view pattern) {
  using namespace tessera::platform;
  const bool numeric = IsNumeric(text);
  SucceedsOrRaises([&] {
    const double value = CDbl(text);
    if (!numeric) __builtin_trap();  // IsNumeric promises that CDbl succeeds
    (void)Format(value, pattern);
    (void)CStr(value);
  });
  SucceedsOrRaises([&] { (void)CLng(text); });
  SucceedsOrRaises([&] { (void)CInt(text); });
  SucceedsOrRaises([&] { (void)CBool(text); });
  SucceedsOrRaises([&] { (void)Format(text, pattern); });
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  return tessera::fuzz::FeedLocaleText(data, size, "0.00", Exercise);
}
