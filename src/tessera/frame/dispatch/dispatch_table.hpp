// Dispatch tables: each class's interface in slot order, callable by name or slot with Variants.
//
// The table lists the interface's member names; a member's slot is its position there, shared by
// a property's read and write. A row is written once from the member function pointer:
//
//   Method<&GTool::ParaGib>("ParaGib", {"TxT", "trz", "nr"})
//   PropertyGet<&GTool::RasterSubDir>("RasterSubDir")
//   Method<&GTool::RInStr>("RInStr", {"stZeichenk", "stSuche", Optional("vPos")})
//
// and the templates derive each parameter's type and passing from the signature. Invoking checks
// the argument count (450), passes Missing to a left-out optional Variant and its type's empty
// value to any other left-out optional, refuses leaving out any other parameter (449), converts every
// argument with the runtime's conversions and writes by-reference arguments back into the caller's Variants.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <span>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

#include "tessera/frame/dispatch/abi_entry.hpp"
#include "tessera/frame/dispatch/dispatch_types.hpp"
#include "tessera/platform/runtime/object.hpp"

namespace tessera::frame {

// In the order a member's rows take in its interface.
enum class MemberKind { kPropertyGet, kPropertyPut, kMethod };

struct ParamName {
  ParamName(const char* text) : name(text) {}
  ParamName(std::string_view text, bool is_optional) : name(text), optional(is_optional) {}
  std::string_view name;
  bool optional = false;
};

inline ParamName Optional(std::string_view name) {
  return ParamName(name, true);
}

struct ParamInfo {
  std::string_view name;
  ValueType type;
  bool by_ref;
  bool optional;
};

// Calls the row's member with the row's own parameter descriptions.
using Invoker = platform::Variant (*)(platform::Object& self, std::span<platform::Variant> args,
                                      std::span<const ParamInfo> params);

struct MemberRow {
  std::string_view name;
  MemberKind kind;
  std::vector<ParamInfo> params;
  ValueType result;
  Invoker invoke;
  AbiEntryPointer abi_entry = nullptr;  // the row's entry in its class's dual interface, if it has one
  int slot = -1;                        // set by the table from the row's name
};

class DispatchTable {
 public:
  // `members` are the interface's names in slot order. Every row must name one of them; a slot
  // without a row is a member not offered yet, and calling it is error 438.
  DispatchTable(std::string_view class_name, std::vector<std::string_view> members,
                std::vector<MemberRow> rows);

  std::string_view class_name() const { return class_name_; }
  std::span<const std::string_view> members() const { return members_; }
  std::span<const MemberRow> rows() const { return rows_; }

  // The slot of the member with this name, without regard to case, or -1.
  int SlotOf(std::string_view name) const;

  // The row at `slot` of this kind, or nullptr.
  const MemberRow* Find(int slot, MemberKind kind) const;

  // The interface's own slots after IDispatch's seven, in order: each member's rows (its property
  // read, its property write, its method), or one nullptr for a member not offered yet, so that
  // the slots of later members stay where the interface puts them.
  std::span<const MemberRow* const> vtable() const { return vtable_; }

  // The row a plain call at `slot` reaches: the method, else the property read; error 438.
  const MemberRow& Callable(int slot) const;

  // Calls the row at `slot` of `kind` on `self`; error 438 when there is none.
  platform::Variant Invoke(platform::Object& self, int slot, MemberKind kind,
                           std::span<platform::Variant> args) const;

  // By name: the method or property read with this name; error 438 when there is none.
  platform::Variant Invoke(platform::Object& self, std::string_view name,
                           std::span<platform::Variant> args) const;

 private:
  std::string_view class_name_;
  std::vector<std::string_view> members_;
  std::vector<MemberRow> rows_;
  std::vector<const MemberRow*> vtable_;
};

// A property's read and write share their name, so a row names the overload it takes:
// PropertyGet<static_cast<Reader<C, T>>(&C::Name)>("Name").
template <typename C, typename T>
using Reader = T (C::*)() const;
template <typename C, typename T>
using Writer = void (C::*)(T);

namespace dispatch_detail {

template <auto member>
struct MemberTraits;

template <typename C, typename R, typename... P, R (C::*member)(P...)>
struct MemberTraits<member> {
  using Class = C;
  using Result = R;
  using Params = std::tuple<P...>;
};
template <typename C, typename R, typename... P, R (C::*member)(P...) const>
struct MemberTraits<member> {
  using Class = C;
  using Result = R;
  using Params = std::tuple<P...>;
};

// The Variant argument for parameter `index`, Missing when the caller passed fewer.
platform::Variant& ArgumentAt(std::span<platform::Variant> args, std::size_t index,
                              platform::Variant& missing);
void CheckArgumentCount(std::span<const ParamInfo> params, std::size_t given);
[[noreturn]] void RaiseArgumentNotOptional();

// A left-out optional parameter of a fixed type is that type's empty value ("", 0, false); only a
// Variant parameter can tell that it was left out.
template <typename P>
StoredType<P> Converted(const platform::Variant& arg, const ParamInfo& info) {
  if (arg.IsMissing()) {
    if (!info.optional) RaiseArgumentNotOptional();
    if constexpr (!std::is_same_v<StoredType<P>, platform::Variant>) return StoredType<P>{};
  }
  return ArgumentType<StoredType<P>>::From(arg);
}

template <typename P>
void WriteBack(platform::Variant& arg, const StoredType<P>& value) {
  if constexpr (kIsByRef<P>) {
    if (!arg.IsMissing()) arg = platform::Variant(value);
  }
}

template <typename R>
constexpr ValueType ResultType() {
  if constexpr (std::is_void_v<R>) {
    return ValueType::kNone;
  } else {
    return ArgumentType<std::remove_cvref_t<R>>::kType;
  }
}

template <auto member, std::size_t... I>
platform::Variant Call(platform::Object& self, std::span<platform::Variant> args,
                       std::span<const ParamInfo> params, std::index_sequence<I...>) {
  using Traits = MemberTraits<member>;
  using Params = typename Traits::Params;
  CheckArgumentCount(params, args.size());
  auto& object = dynamic_cast<typename Traits::Class&>(self);
  platform::Variant missing[sizeof...(I) + 1];
  [[maybe_unused]] platform::Variant* slots[] = {&ArgumentAt(args, I, missing[I])..., nullptr};
  std::tuple<StoredType<std::tuple_element_t<I, Params>>...> values{
      Converted<std::tuple_element_t<I, Params>>(*slots[I], params[I])...};
  platform::Variant result;
  if constexpr (std::is_void_v<typename Traits::Result>) {
    (object.*member)(std::get<I>(values)...);
  } else {
    result = ResultVariant((object.*member)(std::get<I>(values)...));
  }
  (WriteBack<std::tuple_element_t<I, Params>>(*slots[I], std::get<I>(values)), ...);
  return result;
}

template <auto member>
platform::Variant InvokeMember(platform::Object& self, std::span<platform::Variant> args,
                               std::span<const ParamInfo> params) {
  return Call<member>(self, args, params,
                      std::make_index_sequence<std::tuple_size_v<typename MemberTraits<member>::Params>>());
}

template <auto member, MemberKind kind>
MemberRow Row(std::string_view name, std::initializer_list<ParamName> names) {
  using Traits = MemberTraits<member>;
  using Params = typename Traits::Params;
  constexpr std::size_t kCount = std::tuple_size_v<Params>;
  if (names.size() != kCount) throw std::logic_error("dispatch row names a different number of parameters");
  std::vector<ParamInfo> params;
  [&]<std::size_t... I>(std::index_sequence<I...>) {
    (params.push_back({names.begin()[I].name,
                       ArgumentType<StoredType<std::tuple_element_t<I, Params>>>::kType,
                       kIsByRef<std::tuple_element_t<I, Params>>, names.begin()[I].optional}),
     ...);
  }
  (std::make_index_sequence<kCount>());
  using Entry = AbiEntry<member, static_cast<int>(kind), Params, typename Traits::Result>;
  return MemberRow{name,
                   kind,
                   std::move(params),
                   ResultType<typename Traits::Result>(),
                   &InvokeMember<member>,
                   Entry::Pointer()};
}

}  // namespace dispatch_detail

template <auto member>
MemberRow Method(std::string_view name, std::initializer_list<ParamName> params = {}) {
  return dispatch_detail::Row<member, MemberKind::kMethod>(name, params);
}

template <auto member>
MemberRow PropertyGet(std::string_view name, std::initializer_list<ParamName> params = {}) {
  return dispatch_detail::Row<member, MemberKind::kPropertyGet>(name, params);
}

template <auto member>
MemberRow PropertyPut(std::string_view name, std::initializer_list<ParamName> params) {
  return dispatch_detail::Row<member, MemberKind::kPropertyPut>(name, params);
}

}  // namespace tessera::frame
