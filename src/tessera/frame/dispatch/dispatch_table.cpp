#include "tessera/frame/dispatch/dispatch_table.hpp"

#include <algorithm>

#include "tessera/platform/runtime/text_case.hpp"

namespace tessera::frame {

std::string_view ValueTypeName(ValueType type) {
  switch (type) {
    case ValueType::kNone:
      return "";
    case ValueType::kString:
      return "String";
    case ValueType::kInteger:
      return "Integer";
    case ValueType::kLong:
      return "Long";
    case ValueType::kDouble:
      return "Double";
    case ValueType::kBoolean:
      return "Boolean";
    case ValueType::kDate:
      return "Date";
    case ValueType::kVariant:
      return "Variant";
    case ValueType::kObject:
      return "Object";
  }
  return "";
}

DispatchTable::DispatchTable(std::string_view class_name, std::vector<MemberRow> rows)
    : class_name_(class_name), rows_(std::move(rows)) {}

int DispatchTable::FindSlot(std::string_view name, MemberKind kind) const {
  const auto found = std::find_if(rows_.begin(), rows_.end(), [&](const MemberRow& row) {
    return row.kind == kind && platform::EqualsIgnoringCase(row.name, name);
  });
  return found == rows_.end() ? -1 : static_cast<int>(found - rows_.begin());
}

platform::Variant DispatchTable::Invoke(platform::Object& self, int slot,
                                        std::span<platform::Variant> args) const {
  if (slot < 0 || static_cast<std::size_t>(slot) >= rows_.size())
    platform::Raise(platform::err::kMethodNotSupported);
  const MemberRow& row = rows_[static_cast<std::size_t>(slot)];
  return row.invoke(self, args, row.params);
}

int DispatchTable::FindCallable(std::string_view name) const {
  const int method = FindSlot(name, MemberKind::kMethod);
  return method >= 0 ? method : FindSlot(name, MemberKind::kPropertyGet);
}

platform::Variant DispatchTable::Invoke(platform::Object& self, std::string_view name,
                                        std::span<platform::Variant> args) const {
  return Invoke(self, FindCallable(name), args);
}

namespace dispatch_detail {

platform::Variant& ArgumentAt(std::span<platform::Variant> args, std::size_t index,
                              platform::Variant& missing) {
  if (index < args.size()) return args[index];
  missing = platform::Variant::Missing();
  return missing;
}

void CheckArgumentCount(std::span<const ParamInfo> params, std::size_t given) {
  if (given > params.size()) platform::Raise(platform::err::kWrongNumberOfArguments);
}

void RaiseArgumentNotOptional() {
  platform::Raise(platform::err::kArgumentNotOptional);
}

}  // namespace dispatch_detail

}  // namespace tessera::frame
