// What the text-conversion fuzzers share: an input is a locale and a text. The first byte picks one
// of the library's locales; the rest is the text and, after its first newline, a Format pattern.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "tessera/platform/locale/user_locale.hpp"
#include "tessera/platform/runtime/error.hpp"

namespace tessera::fuzz {

inline constexpr std::size_t kMaxTextInput = 4096;

// Raising the runtime's error is a correct answer to bad input; anything else escapes.
template <typename Operation>
void SucceedsOrRaises(Operation operation) {
  try {
    operation();
  } catch (const platform::RuntimeError&) {
  }
}

// Runs exercise(text, pattern) under the input's locale; `pattern` is `default_pattern` when the
// input holds no newline.
template <typename Exercise>
int FeedLocaleText(const uint8_t* data, std::size_t size, std::string_view default_pattern,
                   Exercise exercise) {
  if (size == 0 || size > kMaxTextInput) return 0;
  static const std::vector<std::string> locales = platform::KnownLocaleNames();
  const platform::ScopedUserLocale locale(locales[data[0] % locales.size()]);
  const std::string_view input(reinterpret_cast<const char*>(data + 1), size - 1);
  const std::size_t newline = input.find('\n');
  if (newline == std::string_view::npos) {
    exercise(input, default_pattern);
    return 0;
  }
  exercise(input.substr(0, newline), input.substr(newline + 1));
  return 0;
}

}  // namespace tessera::fuzz
