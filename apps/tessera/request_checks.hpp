// What the batch checks in a request before it acts on it, so that a hostile line is a request
// error and never a crash, a wrapped number or gigabytes.
#pragma once

#include <cstdint>
#include <limits>
#include <nlohmann/json.hpp>
#include <string_view>

#include "tessera/platform/runtime/error.hpp"

namespace tessera::cli {

// Arrays and objects inside one another on one line; deeper is refused before it is parsed.
inline constexpr int kMaxNesting = 256;

// Characters one "type" request may type: each goes through the field's key filter and change
// handler, which look at the whole text.
inline constexpr std::size_t kMaxTypedCharacters = 4096;

// Error 5 naming what is wrong with the request.
[[noreturn]] void RaiseBadRequest(const std::string& what);

// Error 5 when `line` nests arrays and objects deeper than kMaxNesting.
void CheckNesting(std::string_view line);

// A JSON integer as T: 13 for anything else, Overflow (6) past T's range.
template <typename T>
T IntegerOf(const nlohmann::ordered_json& value) {
  if (!value.is_number_integer()) platform::Raise(platform::err::kTypeMismatch);
  const bool fits = value.is_number_unsigned()
                        ? value.get<uint64_t>() <= static_cast<uint64_t>(std::numeric_limits<T>::max())
                        : value.get<int64_t>() >= std::numeric_limits<T>::min() &&
                              value.get<int64_t>() <= std::numeric_limits<T>::max();
  if (!fits) platform::Raise(platform::err::kOverflow);
  return static_cast<T>(value.get<int64_t>());
}

// The resource id a "resources" key names: a whole 32-bit number, else error 5 saying so.
int32_t ResourceId(std::string_view key);

// Error 5 for a canvas below 1 x 1, and for one whose pixels (4 bytes each) a picture load of that
// size would not be given.
void CheckCanvasSize(int32_t width, int32_t height);

}  // namespace tessera::cli
