// Checked integer arithmetic and narrowing for the 8-, 16- and 32-bit types of the host runtime.
//
// The host raises "Overflow" (6) when arithmetic leaves its type, and "Division by zero" (11);
// these helpers do the same so that typed arithmetic in the library follows it literally.
#pragma once

#include <concepts>
#include <cstdint>
#include <limits>
#include <utility>

#include "tessera/platform/runtime/error.hpp"

namespace tessera::platform {

template <std::integral T>
T CheckedAdd(T a, T b) {
  T result{};
  if (__builtin_add_overflow(a, b, &result)) Raise(err::kOverflow);
  return result;
}

template <std::integral T>
T CheckedSub(T a, T b) {
  T result{};
  if (__builtin_sub_overflow(a, b, &result)) Raise(err::kOverflow);
  return result;
}

template <std::integral T>
T CheckedMul(T a, T b) {
  T result{};
  if (__builtin_mul_overflow(a, b, &result)) Raise(err::kOverflow);
  return result;
}

// Integer division as the host's "\" operator: truncates toward zero.
template <std::integral T>
T CheckedDiv(T a, T b) {
  if (b == 0) Raise(err::kDivisionByZero);
  if constexpr (std::is_signed_v<T>) {
    if (a == std::numeric_limits<T>::min() && b == T{-1}) Raise(err::kOverflow);
  }
  return static_cast<T>(a / b);
}

// The value of `value` as To, or error 6 when To cannot hold it.
template <std::integral To, std::integral From>
To CheckedNarrow(From value) {
  if (!std::in_range<To>(value)) Raise(err::kOverflow);
  return static_cast<To>(value);
}

// Convenience names for the host's integer types.
inline int16_t ToInteger(std::integral auto value) {
  return CheckedNarrow<int16_t>(value);
}
inline int32_t ToLong(std::integral auto value) {
  return CheckedNarrow<int32_t>(value);
}
inline uint8_t ToByte(std::integral auto value) {
  return CheckedNarrow<uint8_t>(value);
}

}  // namespace tessera::platform
