// Rows that tables outside the public classes' own need: a property over a pair of overloads, a
// method that takes a fellow object by reference, and tables joined from groups of rows.
#pragma once

#include <initializer_list>
#include <memory>
#include <string_view>
#include <type_traits>
#include <vector>

#include "tessera/draw/reset_or_create.hpp"
#include "tessera/frame/dispatch/dispatch_table.hpp"

namespace tessera {

// A property read and write over a pair of overloads named alike.
template <typename C, typename T, frame::Reader<C, T> read, frame::Writer<C, T> write>
std::vector<frame::MemberRow> Property(std::string_view name) {
  return {frame::PropertyGet<read>(name), frame::PropertyPut<write>(name, {"value"})};
}

namespace rows_detail {

template <auto member>
platform::Variant CallWithObject(platform::Object& self, std::span<platform::Variant> args,
                                 std::span<const frame::ParamInfo> params) {
  using Traits = frame::dispatch_detail::MemberTraits<member>;
  using Arg = std::remove_cvref_t<std::tuple_element_t<0, typename Traits::Params>>;
  frame::dispatch_detail::CheckArgumentCount(params, args.size());
  if (args.empty()) frame::dispatch_detail::RaiseArgumentNotOptional();
  const auto other = frame::ArgumentType<std::shared_ptr<Arg>>::From(args[0]);
  (dynamic_cast<typename Traits::Class&>(self).*member)(Checked(other));
  return {};
}

}  // namespace rows_detail

// A method taking a fellow object by reference (`const C&`), which a caller passes as an object.
template <auto member>
frame::MemberRow ObjectMethod(std::string_view name, std::string_view param) {
  return {name,
          frame::MemberKind::kMethod,
          {{param, frame::ValueType::kObject, true, false}},
          frame::ValueType::kNone,
          &rows_detail::CallWithObject<member>};
}

inline std::vector<frame::MemberRow> Joined(std::initializer_list<std::vector<frame::MemberRow>> parts) {
  std::vector<frame::MemberRow> rows;
  for (const auto& part : parts) rows.insert(rows.end(), part.begin(), part.end());
  return rows;
}

}  // namespace tessera
