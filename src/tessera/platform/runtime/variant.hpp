// The host's Variant: one value of any kind the host runtime passes around untyped.
//
// A Variant owns its value (a string by value, an object by shared reference). It is built
// implicitly from each C++ type it can hold; the checked accessors give the value of exactly
// that kind and raise 13 "Type mismatch" for any other. Converting between kinds is the job of
// convert.hpp (CStr, CLng, ...), not of the accessors.
#pragma once

#include <concepts>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <variant>

#include "tessera/export.hpp"
#include "tessera/platform/runtime/date.hpp"
#include "tessera/platform/runtime/object.hpp"

namespace tessera::platform {

// The kinds of value, numbered as the host's VarType numbers them: the component interface passes
// these numbers on.
enum class VarType : int16_t {
  kEmpty = 0,
  kNull = 1,
  kInteger = 2,
  kLong = 3,
  kDouble = 5,
  kDate = 7,
  kString = 8,
  kObject = 9,
  kMissing = 10,  // the host's vbError: an optional argument that was left out is an error value
  kBoolean = 11,
  kByte = 17,
};

class TESSERA_API Variant {
 public:
  // Empty, the value of a Variant nobody assigned.
  Variant() = default;
  static Variant Null() { return Variant(NullValue{}); }
  static Variant Missing() { return Variant(MissingValue{}); }

  Variant(bool value) : value_(value) {}
  Variant(uint8_t value) : value_(value) {}
  Variant(int16_t value) : value_(value) {}
  Variant(int32_t value) : value_(value) {}
  Variant(double value) : value_(value) {}
  Variant(Date value) : value_(value) {}
  Variant(std::string value) : value_(std::move(value)) {}
  Variant(std::string_view value) : value_(std::string(value)) {}
  Variant(const char* value) : value_(std::string(value)) {}
  // An object reference; nullptr is the host's "Nothing", still of kind Object.
  Variant(std::nullptr_t) : value_(ObjectRef()) {}
  template <typename T>
  requires std::derived_from<T, Object> Variant(std::shared_ptr<T> value)
      : value_(ObjectRef(std::move(value))) {}

  VarType kind() const noexcept;
  bool IsEmpty() const noexcept { return kind() == VarType::kEmpty; }
  bool IsNull() const noexcept { return kind() == VarType::kNull; }
  bool IsMissing() const noexcept { return kind() == VarType::kMissing; }
  bool IsObject() const noexcept { return kind() == VarType::kObject; }

  // The value of the kind named; error 13 when the Variant holds another kind.
  bool AsBoolean() const { return Get<bool>(); }
  uint8_t AsByte() const { return Get<uint8_t>(); }
  int16_t AsInteger() const { return Get<int16_t>(); }
  int32_t AsLong() const { return Get<int32_t>(); }
  double AsDouble() const { return Get<double>(); }
  Date AsDate() const { return Get<Date>(); }
  const std::string& AsString() const { return Get<std::string>(); }
  const ObjectRef& AsObject() const { return Get<ObjectRef>(); }

  // The host's TypeName: "Integer", "String", ..., "Nothing" for a none reference and the object's
  // own type name otherwise.
  std::string TypeName() const;

  // Same kind and same value; objects are equal when they are the same object.
  friend bool operator==(const Variant& a, const Variant& b) = default;

 private:
  struct NullValue {
    friend bool operator==(NullValue, NullValue) = default;
  };
  struct MissingValue {
    friend bool operator==(MissingValue, MissingValue) = default;
  };
  using Value = std::variant<std::monostate, NullValue, MissingValue, bool, uint8_t, int16_t, int32_t, double,
                             Date, std::string, ObjectRef>;

  explicit Variant(Value value) : value_(std::move(value)) {}

  template <typename T>
  const T& Get() const {
    const T* held = std::get_if<T>(&value_);
    if (held == nullptr) Raise(err::kTypeMismatch);
    return *held;
  }

  Value value_;
};

}  // namespace tessera::platform
