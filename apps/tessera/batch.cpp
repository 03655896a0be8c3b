#include "batch.hpp"

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "call_answer.hpp"
#include "tessera/class_bindings.hpp"
#include "tessera/platform/runtime/collection.hpp"
#include "tessera/platform/runtime/text_case.hpp"
#include "tessera/platform/ui/recording_ui.hpp"
#include "tessera/platform/ui/ui.hpp"

namespace tessera::cli {

namespace {

using Json = nlohmann::ordered_json;

struct NamedObject {
  platform::ObjectRef object;
  const frame::DispatchTable* table;  // nullptr for a plain Collection
};

class Batch {
 public:
  Json Answer(const Json& request) {
    if (request.contains("new"))
      return New(request.at("new").get<std::string>(), request.at("as").get<std::string>());
    if (request.contains("call"))
      return Call(request.at("call").get<std::string>(), request.value("args", Json::array()));
    platform::Raise(platform::err::kInvalidProcedureCall, "A request needs \"new\" or \"call\"");
  }

 private:
  Json New(const std::string& class_name, const std::string& name) {
    if (FindClassBinding(name) != nullptr)  // it would hide the class from every later call
      platform::Raise(platform::err::kInvalidProcedureCall,
                      "\"" + name + "\" names a class; choose another name");
    if (platform::EqualsIgnoringCase(class_name, "Collection")) {
      objects_[name] = {std::make_shared<platform::Collection>(), nullptr};
    } else {
      const ClassBinding* binding = FindClassBinding(class_name);
      if (binding == nullptr) platform::Raise(platform::err::kCannotCreateObject);
      objects_[name] = {binding->create(), &binding->served.table()};
    }
    return Json{{"result", Json{{"object", name}}}, {"byref", Json::object()}};
  }

  Json Call(const std::string& target, const Json& json_args) {
    const std::size_t dot = target.rfind('.');
    if (dot == std::string::npos)
      platform::Raise(platform::err::kInvalidProcedureCall, "Call \"Object.Member\"");
    const auto [self, table] = Target(target.substr(0, dot));
    std::vector<platform::Variant> args;
    std::vector<std::string> ref_names;
    for (const Json& arg : json_args) {
      ref_names.push_back(arg.is_object() && arg.contains("ref") ? arg.at("ref").get<std::string>() : "");
      args.push_back(Argument(arg));
    }
    Json answer = CallAnswer(*self, *table, target.substr(dot + 1), args);
    for (std::size_t i = 0; i < ref_names.size(); ++i) {
      if (!ref_names[i].empty() && args[i].IsObject()) objects_[ref_names[i]].object = args[i].AsObject();
    }
    return answer;
  }

  // The object a call names: a named object, else the implicit instance or a new object of a class.
  std::pair<platform::ObjectRef, const frame::DispatchTable*> Target(const std::string& name) {
    if (const auto found = objects_.find(name); found != objects_.end()) {
      if (found->second.table == nullptr) platform::Raise(platform::err::kMethodNotSupported);
      return {found->second.object, found->second.table};
    }
    const ClassBinding* binding = FindClassBinding(name);
    if (binding == nullptr) platform::Raise(platform::err::kObjectRequired);
    return {ClassCallTarget(*binding), &binding->served.table()};
  }

  platform::Variant Argument(const Json& arg) const {
    if (arg.is_string()) return platform::Variant(arg.get<std::string>());
    if (arg.is_boolean()) return platform::Variant(arg.get<bool>());
    if (arg.is_number_integer()) {
      const int64_t value = arg.get<int64_t>();
      if (value >= INT32_MIN && value <= INT32_MAX) return platform::Variant(static_cast<int32_t>(value));
      return platform::Variant(static_cast<double>(value));
    }
    if (arg.is_number()) return platform::Variant(arg.get<double>());
    if (arg.is_null()) return platform::Variant();
    if (arg.is_object() && arg.contains("ref")) {
      const auto found = objects_.find(arg.at("ref").get<std::string>());
      if (found == objects_.end()) platform::Raise(platform::err::kObjectRequired);
      return platform::Variant(found->second.object);
    }
    if (arg.is_object() && arg.contains("date"))
      return platform::Variant(platform::Date(arg.at("date").get<double>()));
    if (arg.is_object() && arg.value("missing", false)) return platform::Variant::Missing();
    platform::Raise(platform::err::kTypeMismatch);
  }

  std::map<std::string, NamedObject> objects_;
};

Json MessageBoxes(const platform::RecordingUi& ui, std::size_t from) {
  Json boxes = Json::array();
  const auto& all = ui.message_boxes();
  for (std::size_t i = from; i < all.size(); ++i) {
    boxes.push_back(Json{{"text", all[i].text}, {"style", all[i].style}, {"title", all[i].title}});
  }
  return boxes;
}

}  // namespace

int RunBatch(std::istream& in, std::ostream& out) {
  const auto ui = std::make_shared<platform::RecordingUi>();
  const platform::ScopedUiServices scope(ui);
  Batch batch;
  std::string line;
  while (std::getline(in, line)) {
    if (line.find_first_not_of(" \t\r") == std::string::npos) continue;
    const std::size_t boxes_before = ui->message_boxes().size();
    Json answer;
    try {
      answer = batch.Answer(Json::parse(line));
    } catch (const nlohmann::json::exception& error) {
      answer =
          ErrorAnswer(platform::RuntimeError(platform::err::kInvalidProcedureCall, "tessera", error.what()));
    } catch (...) {
      answer = ErrorAnswer(platform::ToRuntimeError());
    }
    answer["msgboxes"] = MessageBoxes(*ui, boxes_before);
    out << Dump(answer) << '\n' << std::flush;
  }
  return in.bad() ? 1 : 0;
}

}  // namespace tessera::cli
