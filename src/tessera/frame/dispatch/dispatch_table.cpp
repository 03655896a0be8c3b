#include "tessera/frame/dispatch/dispatch_table.hpp"

#include <algorithm>
#include <stdexcept>
#include <string>
#include <tuple>

#include "tessera/platform/runtime/text_case.hpp"

namespace tessera::frame {

std::string_view ValueTypeName(ValueType type) {
  switch (type) {
    case ValueType::kNone:
      return "";
    case ValueType::kString:
      return "String";
    case ValueType::kByte:
      return "Byte";
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

DispatchTable::DispatchTable(std::string_view class_name, std::vector<std::string_view> members,
                             std::vector<MemberRow> rows)
    : class_name_(class_name), members_(std::move(members)), rows_(std::move(rows)) {
  for (MemberRow& row : rows_) {
    row.slot = SlotOf(row.name);
    if (row.slot < 0) throw std::logic_error("dispatch row outside its interface: " + std::string(row.name));
  }
  std::sort(rows_.begin(), rows_.end(), [](const MemberRow& a, const MemberRow& b) {
    return std::tie(a.slot, a.kind) < std::tie(b.slot, b.kind);
  });
  for (int slot = 0; slot < static_cast<int>(members_.size()); ++slot) {
    const std::size_t before = vtable_.size();
    for (const MemberRow& row : rows_) {
      if (row.slot != slot) continue;
      if (vtable_.size() > before && vtable_.back()->kind == row.kind)
        throw std::logic_error("two dispatch rows of one kind for " + std::string(row.name));
      vtable_.push_back(&row);
    }
    if (vtable_.size() == before) vtable_.push_back(nullptr);
  }
}

int DispatchTable::SlotOf(std::string_view name) const {
  const auto found = std::find_if(members_.begin(), members_.end(), [&](std::string_view member) {
    return platform::EqualsIgnoringCase(member, name);
  });
  return found == members_.end() ? -1 : static_cast<int>(found - members_.begin());
}

const MemberRow* DispatchTable::Find(int slot, MemberKind kind) const {
  const auto found = std::find_if(rows_.begin(), rows_.end(),
                                  [&](const MemberRow& row) { return row.slot == slot && row.kind == kind; });
  return found == rows_.end() ? nullptr : &*found;
}

const MemberRow& DispatchTable::Callable(int slot) const {
  const MemberRow* row = Find(slot, MemberKind::kMethod);
  if (row == nullptr) row = Find(slot, MemberKind::kPropertyGet);
  if (row == nullptr) platform::Raise(platform::err::kMethodNotSupported);
  return *row;
}

platform::Variant DispatchTable::Invoke(platform::Object& self, int slot, MemberKind kind,
                                        std::span<platform::Variant> args) const {
  const MemberRow* row = Find(slot, kind);
  if (row == nullptr) platform::Raise(platform::err::kMethodNotSupported);
  return row->invoke(self, args, row->params);
}

platform::Variant DispatchTable::Invoke(platform::Object& self, std::string_view name,
                                        std::span<platform::Variant> args) const {
  const MemberRow& row = Callable(SlotOf(name));
  return row.invoke(self, args, row.params);
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
