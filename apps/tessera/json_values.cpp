#include "json_values.hpp"

#include "tessera/platform/runtime/collection.hpp"

namespace tessera::cli {

using platform::VarType;

namespace {

// An object by its type name; a collection shows its items too, so a script sees what a call
// put in it.
nlohmann::ordered_json ObjectJson(const platform::ObjectRef& object) {
  if (!object) return {{"object", "Nothing"}};
  nlohmann::ordered_json json{{"object", object->TypeName()}};
  if (const auto* collection = dynamic_cast<const platform::Collection*>(object.get())) {
    nlohmann::ordered_json items = nlohmann::ordered_json::array();
    for (int32_t i = 1; i <= collection->Count(); ++i) items.push_back(ToJson(collection->Item(i)));
    json["items"] = std::move(items);
  }
  return json;
}

}  // namespace

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
      return ObjectJson(value.AsObject());
  }
  return nullptr;
}

}  // namespace tessera::cli
