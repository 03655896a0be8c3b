// A dispatch member as an entry of its class's dual interface: a C function that takes the
// member's arguments in the component ABI's types and returns an HRESULT, with the member's result
// stored through a last, out, parameter.
//
//   String BSTR, Byte uint8_t, Integer int16_t, Long and enumerations int32_t, Double double,
//   Boolean VARIANT_BOOL, Date double, Variant VARIANT, object IDispatch*; a by-reference
//   parameter is a pointer to its type, and the result a pointer to its type.
//
// An entry holds no logic of its own: it hands the addresses of its arguments to the `call` of the
// vtable it sits in, which runs the member as IDispatch::Invoke does. So the entries are generated
// from the same rows as the dispatch interface and cannot answer differently.
#pragma once

#include <array>
#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <tuple>
#include <type_traits>

#include "tessera/frame/component/com_abi.h"
#include "tessera/frame/dispatch/dispatch_types.hpp"

namespace tessera::frame {

class DispatchTable;

using AbiEntryPointer = void (*)();

// IDispatch's functions, which come first in every dual interface's vtable.
inline constexpr std::size_t kDispatchSlots = sizeof(IDispatchVtbl) / sizeof(void*);

// The most entries an interface may have after IDispatch's seven.
inline constexpr std::size_t kMaxVtableEntries = 120;

// A class's dual-interface vtable with what its entries need in front of it; an interface pointer
// points at `dispatch`, so a host sees IDispatch's seven slots followed by `entries`.
struct DualVtable {
  // Runs the member whose entry is `entry` on `self`, with `args` the addresses of the entry's
  // arguments in order, and stores its result at `out` (nullptr for a member without one).
  HRESULT (*call)(IDispatch* self, AbiEntryPointer entry, void* const* args, void* out);
  const DispatchTable* table;
  IDispatchVtbl dispatch;
  std::array<AbiEntryPointer, kMaxVtableEntries> entries;
};

// The vtable that `self`'s own vtable pointer sits in; only for interfaces whose vtable is a
// DualVtable's `dispatch`.
inline const DualVtable& DualVtableOf(IDispatch* self) {
  const auto* bytes = reinterpret_cast<const std::byte*>(self->lpVtbl);
  return *reinterpret_cast<const DualVtable*>(bytes - offsetof(DualVtable, dispatch));
}

// How a value of each type crosses the component ABI: its VARIANT type, its size as an entry's
// argument or result, and its type in C. The entries' C++ types (AbiType) say the same.
struct AbiShape {
  VARTYPE vt;
  std::size_t size;
  std::string_view c_type;
};

constexpr AbiShape AbiShapeOf(ValueType type) {
  switch (type) {
    case ValueType::kString:
      return {VT_BSTR, sizeof(BSTR), "BSTR"};
    case ValueType::kByte:
      return {VT_UI1, sizeof(uint8_t), "uint8_t"};
    case ValueType::kInteger:
      return {VT_I2, sizeof(int16_t), "int16_t"};
    case ValueType::kLong:
      return {VT_I4, sizeof(int32_t), "int32_t"};
    case ValueType::kDouble:
      return {VT_R8, sizeof(double), "double"};
    case ValueType::kBoolean:
      return {VT_BOOL, sizeof(VARIANT_BOOL), "VARIANT_BOOL"};
    case ValueType::kDate:
      return {VT_DATE, sizeof(DATE), "DATE"};
    case ValueType::kVariant:
      return {VT_VARIANT, sizeof(VARIANT), "VARIANT"};
    case ValueType::kObject:
      return {VT_DISPATCH, sizeof(IDispatch*), "IDispatch*"};
    case ValueType::kNone:
      break;
  }
  return {VT_VOID, 0, "void"};
}

// The ABI type of a value of library type T.
template <typename T>
struct AbiType;
template <>
struct AbiType<std::string> {
  using type = BSTR;
};
template <>
struct AbiType<uint8_t> {
  using type = uint8_t;
};
template <>
struct AbiType<int16_t> {
  using type = int16_t;
};
template <>
struct AbiType<int32_t> {
  using type = int32_t;
};
template <>
struct AbiType<double> {
  using type = double;
};
template <>
struct AbiType<bool> {
  using type = VARIANT_BOOL;
};
template <>
struct AbiType<platform::Date> {
  using type = double;
};
template <>
struct AbiType<platform::Variant> {
  using type = VARIANT;
};
template <typename T>
struct AbiType<std::shared_ptr<T>> {
  using type = IDispatch*;
};
template <typename T>
requires std::is_enum_v<T>
struct AbiType<T> {
  using type = int32_t;
};

// An entry's C++ type and the shape the route packs it by must agree.
template <typename T>
inline constexpr bool kShapeAgrees = sizeof(typename AbiType<T>::type) ==
                                     AbiShapeOf(ArgumentType<T>::kType).size;

template <typename P>
using AbiParameter = std::conditional_t<kIsByRef<P>, typename AbiType<StoredType<P>>::type*,
                                        typename AbiType<StoredType<P>>::type>;

// The entry of the member `member` of kind `kind` (which keeps a property read and a method on one
// function apart), with parameters Params (a std::tuple) and result R.
template <auto member, int kind, typename Params, typename R>
struct AbiEntry;

template <auto member, int kind, typename... P, typename R>
struct AbiEntry<member, kind, std::tuple<P...>, R> {
  static_assert((kShapeAgrees<StoredType<P>> && ... && kShapeAgrees<std::remove_cvref_t<R>>));
  using Result = typename AbiType<std::remove_cvref_t<R>>::type;

  static HRESULT Run(IDispatch* self, AbiParameter<P>... args, Result* out) {
    void* const addresses[] = {static_cast<void*>(&args)..., nullptr};
    return DualVtableOf(self).call(self, Pointer(), addresses, out);
  }
  static AbiEntryPointer Pointer() { return reinterpret_cast<AbiEntryPointer>(&Run); }
};

template <auto member, int kind, typename... P>
struct AbiEntry<member, kind, std::tuple<P...>, void> {
  static_assert((kShapeAgrees<StoredType<P>> && ... && true));
  static HRESULT Run(IDispatch* self, AbiParameter<P>... args) {
    void* const addresses[] = {static_cast<void*>(&args)..., nullptr};
    return DualVtableOf(self).call(self, Pointer(), addresses, nullptr);
  }
  static AbiEntryPointer Pointer() { return reinterpret_cast<AbiEntryPointer>(&Run); }
};

}  // namespace tessera::frame
