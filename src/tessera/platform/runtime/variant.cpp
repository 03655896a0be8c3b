#include "tessera/platform/runtime/variant.hpp"

#include <array>

namespace tessera::platform {

namespace {

// The kind of each alternative of Variant::Value, in the order of its declaration.
constexpr std::array kKindOfAlternative{
    VarType::kEmpty, VarType::kNull,    VarType::kMissing, VarType::kBoolean,
    VarType::kByte,  VarType::kInteger, VarType::kLong,    VarType::kDouble,
    VarType::kDate,  VarType::kString,  VarType::kObject,
};

}  // namespace

VarType Variant::kind() const noexcept {
  static_assert(kKindOfAlternative.size() == std::variant_size_v<Value>);
  return kKindOfAlternative[value_.index()];
}

std::string Variant::TypeName() const {
  switch (kind()) {
    case VarType::kEmpty:
      return "Empty";
    case VarType::kNull:
      return "Null";
    case VarType::kInteger:
      return "Integer";
    case VarType::kLong:
      return "Long";
    case VarType::kDouble:
      return "Double";
    case VarType::kDate:
      return "Date";
    case VarType::kString:
      return "String";
    case VarType::kMissing:
      return "Error";
    case VarType::kBoolean:
      return "Boolean";
    case VarType::kByte:
      return "Byte";
    case VarType::kObject:
      break;
  }
  const ObjectRef& object = AsObject();
  if (!object) return "Nothing";
  return std::string(object->TypeName());
}

}  // namespace tessera::platform
