// The host-visible types of a dispatch member's parameters and result, and how an argument of each
// type is taken from a Variant and given back.
//
// A parameter's C++ type says everything: `T` or `const T&` is by value, `T&` by reference. The
// types a member may use are std::string, uint8_t, int16_t, int32_t, double, bool, Date, Variant and
// shared_ptr to an object class; conversions are the runtime's own, with their errors (13, 6, 94).
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <type_traits>

#include "tessera/platform/runtime/convert.hpp"
#include "tessera/platform/runtime/variant.hpp"

namespace tessera::frame {

enum class ValueType { kNone, kString, kByte, kInteger, kLong, kDouble, kBoolean, kDate, kVariant, kObject };

// "String", "Integer", ...: the type names the host's type library uses.
std::string_view ValueTypeName(ValueType type);

template <typename T>
struct ArgumentType;

template <>
struct ArgumentType<std::string> {
  static constexpr ValueType kType = ValueType::kString;
  static std::string From(const platform::Variant& value) { return platform::CStr(value); }
};
template <>
struct ArgumentType<uint8_t> {
  static constexpr ValueType kType = ValueType::kByte;
  static uint8_t From(const platform::Variant& value) { return platform::CByte(value); }
};
template <>
struct ArgumentType<int16_t> {
  static constexpr ValueType kType = ValueType::kInteger;
  static int16_t From(const platform::Variant& value) { return platform::CInt(value); }
};
template <>
struct ArgumentType<int32_t> {
  static constexpr ValueType kType = ValueType::kLong;
  static int32_t From(const platform::Variant& value) { return platform::CLng(value); }
};
template <>
struct ArgumentType<double> {
  static constexpr ValueType kType = ValueType::kDouble;
  static double From(const platform::Variant& value) { return platform::CDbl(value); }
};
template <>
struct ArgumentType<bool> {
  static constexpr ValueType kType = ValueType::kBoolean;
  // A left-out optional Boolean counts as false.
  static bool From(const platform::Variant& value) { return !value.IsMissing() && platform::CBool(value); }
};
template <>
struct ArgumentType<platform::Date> {
  static constexpr ValueType kType = ValueType::kDate;
  static platform::Date From(const platform::Variant& value) { return platform::CDate(value); }
};
template <>
struct ArgumentType<platform::Variant> {
  static constexpr ValueType kType = ValueType::kVariant;
  static platform::Variant From(const platform::Variant& value) { return value; }
};
template <typename T>
struct ArgumentType<std::shared_ptr<T>> {
  static constexpr ValueType kType = ValueType::kObject;
  static std::shared_ptr<T> From(const platform::Variant& value) {
    if (!value.IsObject()) platform::Raise(platform::err::kTypeMismatch);
    if (!value.AsObject()) return nullptr;  // Nothing is a valid object argument
    if constexpr (std::is_same_v<T, platform::Object>) {
      return value.AsObject();
    } else {
      return platform::ObjectAs<T>(value.AsObject());
    }
  }
};

// The library's enumerations cross as the 32-bit values they are at the component interface.
template <typename T>
requires std::is_enum_v<T>
struct ArgumentType<T> {
  static constexpr ValueType kType = ValueType::kLong;
  static T From(const platform::Variant& value) { return static_cast<T>(platform::CLng(value)); }
};

// A member's result as a Variant.
template <typename R>
platform::Variant ResultVariant(R&& value) {
  if constexpr (std::is_enum_v<std::remove_cvref_t<R>>) {
    return platform::Variant(static_cast<int32_t>(value));
  } else {
    return platform::Variant(std::forward<R>(value));
  }
}

// The stored type of a parameter declared as P (std::string for `const std::string&` ...).
template <typename P>
using StoredType = std::remove_cvref_t<P>;

template <typename P>
inline constexpr bool kIsByRef =
    std::is_lvalue_reference_v<P> && !std::is_const_v<std::remove_reference_t<P>>;

}  // namespace tessera::frame
