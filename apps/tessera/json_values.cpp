#include "json_values.hpp"

namespace tessera::cli {

using platform::VarType;

nlohmann::ordered_json ToJson(const platform::Variant& value) {
  switch (value.kind()) {
    case VarType::kEmpty:
    case VarType::kNull:
      return nullptr;
    case VarType::kMissing:
      return {{"missing", true}};
    case VarType::kBoolean:
      return value.AsBoolean();
    case VarType::kByte:
      return value.AsByte();
    case VarType::kInteger:
      return value.AsInteger();
    case VarType::kLong:
      return value.AsLong();
    case VarType::kDouble:
      return value.AsDouble();
    case VarType::kDate:
      return {{"date", value.AsDate().serial()}};
    case VarType::kString:
      return value.AsString();
    case VarType::kObject:
      return {{"object", value.AsObject() ? value.TypeName() : "Nothing"}};
  }
  return nullptr;
}

}  // namespace tessera::cli
