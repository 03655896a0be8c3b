#include "batch.hpp"

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "batch_events.hpp"
#include "batch_state.hpp"
#include "call_answer.hpp"
#include "json_values.hpp"
#include "request_checks.hpp"
#include "script_tables.hpp"
#include "tessera/bindings/class_bindings.hpp"
#include "tessera/frame/shared/shared_objects.hpp"
#include "tessera/platform/locale/user_locale.hpp"
#include "tessera/platform/runtime/codepage.hpp"
#include "tessera/platform/runtime/collection.hpp"
#include "tessera/platform/runtime/strings.hpp"
#include "tessera/platform/runtime/text_case.hpp"
#include "tessera/platform/surface/canvas.hpp"
#include "tessera/platform/ui/headless_ui.hpp"
#include "tessera/platform/ui/ui.hpp"

namespace tessera::cli {

namespace {

using Json = nlohmann::ordered_json;

constexpr std::string_view kDialogSuffix = ".dialog";
constexpr uint32_t kWhite = 0xFFFFFF;

// The headless UI whose message boxes go into the answer of the request that shows them.
class BatchUi : public platform::HeadlessUi {
 public:
  int32_t MessageBox(std::string_view text, int32_t style, std::string_view title) override {
    boxes_.push_back(Json{{"text", text}, {"style", style}, {"title", title}});
    return platform::DefaultAnswer(style);
  }
  Json Exchange(Json boxes) { return std::exchange(boxes_, std::move(boxes)); }

 private:
  Json boxes_ = Json::array();
};

Json Done() {
  return Json{{"result", nullptr}, {"byref", Json::object()}};
}

std::pair<std::string, std::string> SplitMember(const std::string& target) {
  const std::size_t dot = target.rfind('.');
  if (dot == std::string::npos) RaiseBadRequest("Name \"Object.Member\"");
  return {target.substr(0, dot), target.substr(dot + 1)};
}

class Batch {
 public:
  Batch(std::ostream& out, std::shared_ptr<BatchUi> ui) : out_(out), ui_(std::move(ui)) {
    platform::SetFormObserver(log_);
  }

  // The rasters' dialogs close as their owners go, before the log that records them.
  ~Batch() {
    platform::SetFormObserver(nullptr);
    closing_ = true;
    log_->DropAnswers();  // an answer may be the raster that asks: a cycle
    objects_.clear();
    platform::ClearUserLocaleOverride();
  }

  void Print(const std::string& line) {
    out_ << Dump(Respond([&] {
      CheckNesting(line);
      return Answer(Json::parse(line));
    })) << '\n'
         << std::flush;
  }

 private:
  // The answer of one request with the message boxes and events it caused, also when it failed.
  template <typename Body>
  Json Respond(Body&& body) {
    Json boxes_before = ui_->Exchange(Json::array());
    Json events_before = log_->Exchange(Json::array());
    Json answer;
    try {
      answer = body();
    } catch (const nlohmann::json::exception& error) {
      answer =
          ErrorAnswer(platform::RuntimeError(platform::err::kInvalidProcedureCall, "tessera", error.what()));
    } catch (...) {
      answer = ErrorAnswer(platform::ToRuntimeError());
    }
    answer["msgboxes"] = ui_->Exchange(std::move(boxes_before));
    answer["events"] = log_->Exchange(std::move(events_before));
    return answer;
  }

  Json Answer(const Json& request) {
    if (request.contains("new")) return New(request);
    if (request.contains("call")) return Call(request);
    if (request.contains("let")) return Let(request.at("let").get<std::string>(), request.at("value"));
    if (request.contains("dialog")) return DialogInput(request);
    if (request.contains("inspect")) return Json{{"result", ObjectState(Named(request.at("inspect")))}};
    if (request.contains("host")) return Host(request);
    if (request.contains("at_yield")) return AtYield(request.at("at_yield"));
    if (request.contains("locale")) {
      platform::SetUserLocaleOverride(request.at("locale").get<std::string>());
      return Done();
    }
    if (request.contains("resources")) return Resources(request.at("resources"));
    RaiseBadRequest("Unknown request");
  }

  Json New(const Json& request) {
    const std::string class_name = request.at("new").get<std::string>();
    Keep(request.at("as").get<std::string>(), Create(class_name, request));
    return Json{{"result", Json{{"object", request.at("as")}}}, {"byref", Json::object()}};
  }

  platform::ObjectRef Create(const std::string& class_name, const Json& request) {
    const auto is = [&](std::string_view name) { return platform::EqualsIgnoringCase(class_name, name); };
    if (is("Collection")) return std::make_shared<platform::Collection>();
    if (is("MensTrans")) return std::make_shared<mensura::MensTrans>();
    if (is("MensRect")) return std::make_shared<mensura::MensRect>();
    if (is("MensPoint")) return std::make_shared<mensura::MensPoint>();
    if (is("Canvas")) {
      const Json& size = request.at("size");
      const auto width = IntegerOf<int32_t>(size.at(0));
      const auto height = IntegerOf<int32_t>(size.at(1));
      CheckCanvasSize(width, height);
      return std::make_shared<platform::Canvas>(width, height, kWhite);
    }
    const ClassBinding* binding = FindClassBinding(class_name);
    if (binding == nullptr) platform::Raise(platform::err::kCannotCreateObject);
    return binding->create();
  }

  // Names an object; a raster is watched from then on.
  void Keep(const std::string& name, platform::ObjectRef object) {
    if (FindClassBinding(name) != nullptr)  // it would hide the class from every later call
      platform::Raise(platform::err::kInvalidProcedureCall,
                      "\"" + name + "\" names a class; choose another name");
    if (auto raster = std::dynamic_pointer_cast<RasterBackground>(object)) log_->Watch(raster, name);
    objects_[name] = std::move(object);
  }

  Json Call(const Json& request) {
    const auto [object, member] = SplitMember(request.at("call").get<std::string>());
    const auto [self, table] = Target(object);
    if (const platform::Control* control = DialogControl(*self, member)) {
      return Json{{"result", ToJson(ReadControl(*control))}, {"byref", Json::object()}};
    }
    std::vector<platform::Variant> args;
    std::vector<std::string> ref_names;
    for (const Json& arg : request.value("args", Json::array())) {
      ref_names.push_back(arg.is_object() && arg.contains("ref") ? arg.at("ref").get<std::string>() : "");
      args.push_back(Argument(arg));
    }
    platform::Variant result;
    Json answer = CallAnswer(*self, *table, member, args, &result);
    for (std::size_t i = 0; i < ref_names.size(); ++i) {
      if (!ref_names[i].empty() && args[i].IsObject()) Keep(ref_names[i], args[i].AsObject());
    }
    if (request.contains("as")) {
      if (!result.IsObject()) platform::Raise(platform::err::kObjectRequired, "The result is not an object");
      Keep(request.at("as").get<std::string>(), result.AsObject());
    }
    return answer;
  }

  // A property write; on the dialog a control's name writes its text (a field) or its enabled state,
  // as a call with it reads them.
  Json Let(const std::string& target, const Json& value) {
    const auto [object, member] = SplitMember(target);
    const auto [self, table] = Target(object);
    if (platform::Control* control = DialogControl(*self, member)) {
      WriteControl(*control, Argument(value));
      return Done();
    }
    std::vector<platform::Variant> args{Argument(value)};
    table->Invoke(*self, table->SlotOf(member), frame::MemberKind::kPropertyPut, args);
    return Done();
  }

  // A control of the dialog by its name, nullptr for any other member or object.
  static platform::Control* DialogControl(const platform::Object& self, const std::string& member) {
    const auto* dialog = dynamic_cast<const frmTrans*>(&self);
    return dialog == nullptr ? nullptr : dialog->form.Find(member);
  }

  static platform::Variant ReadControl(const platform::Control& control) {
    if (const auto* field = dynamic_cast<const platform::TextField*>(&control))
      return platform::Variant(field->Text());
    return platform::Variant(control.Enabled());
  }

  static void WriteControl(platform::Control& control, const platform::Variant& value) {
    if (auto* field = dynamic_cast<platform::TextField*>(&control)) {
      field->Text(platform::CStr(value));
      return;
    }
    control.Enabled(platform::CBool(value));
  }

  Json DialogInput(const Json& request) {
    const std::shared_ptr<frmTrans> dialog = OpenDialog(request.at("dialog").get<std::string>());
    platform::Form& form = dialog->form;
    if (request.contains("type")) {
      auto& field = ControlOf<platform::TextField>(form, request.at("into").get<std::string>());
      const std::string keys = request.at("type").get<std::string>();
      if (static_cast<std::size_t>(platform::Len(keys)) > kMaxTypedCharacters)
        RaiseBadRequest("Type at most " + std::to_string(kMaxTypedCharacters) + " characters a request");
      Select(field, request);
      for (std::size_t pos = 0; pos < keys.size();)
        field.TypeKey(static_cast<int32_t>(platform::NextCodePoint(keys, pos)));
    } else if (request.contains("delete")) {
      auto& field = ControlOf<platform::TextField>(form, request.at("delete").get<std::string>());
      Select(field, request);
      field.PressDelete();
    } else if (request.contains("click")) {
      Click(form, request.at("click").get<std::string>());
    } else if (request.contains("page")) {
      dialog->SSTab1.ClickTab(IntegerOf<int16_t>(request.at("page")));
    } else if (request.contains("key")) {
      const std::string key = request.at("key").get<std::string>();
      if (key != "Enter" && key != "Esc") RaiseBadRequest("\"key\" is \"Enter\" or \"Esc\"");
      form.PressKey(key == "Enter" ? platform::FormKey::kEnter : platform::FormKey::kEscape);
    } else if (request.value("close", false)) {
      form.Unload();
    } else if (request.value("activate", false)) {
      form.Activate();
    } else {
      RaiseBadRequest(
          "Dialog input needs \"type\", \"delete\", \"click\", \"page\", \"key\", \"close\" or \"activate\"");
    }
    return Done();
  }

  // Where typing or Delete acts, as a user places the caret and drags a selection: from `caret`
  // (else the end), `select` characters.
  static void Select(platform::TextField& field, const Json& request) {
    field.SelStart(request.contains("caret") ? IntegerOf<int32_t>(request.at("caret"))
                                             : platform::Len(field.Text()));
    if (request.contains("select")) field.SelLength(IntegerOf<int32_t>(request.at("select")));
  }

  template <typename Kind>
  static Kind& ControlOf(const platform::Form& form, const std::string& name) {
    platform::Control* control = form.Find(name);
    if (control == nullptr) RaiseBadRequest("No such control: " + name);
    auto* wanted = dynamic_cast<Kind*>(control);
    if (wanted == nullptr) RaiseBadRequest(name + " is " + InputFor(*control));
    return *wanted;
  }

  // What a control is and the input it takes.
  static std::string InputFor(const platform::Control& control) {
    if (dynamic_cast<const platform::TextField*>(&control) != nullptr) return "a text field: type into it";
    if (dynamic_cast<const platform::CheckBox*>(&control) != nullptr) return "a check box: click it";
    if (dynamic_cast<const platform::Button*>(&control) != nullptr) return "a button: click it";
    if (dynamic_cast<const platform::TabControl*>(&control) != nullptr)
      return "the tab control: choose a \"page\"";
    return "a label: it takes no input";
  }

  static void Click(const platform::Form& form, const std::string& name) {
    if (auto* box = dynamic_cast<platform::CheckBox*>(form.Find(name))) {
      box->Click();
      return;
    }
    ControlOf<platform::Button>(form, name).Click();
  }

  Json Host(const Json& request) {
    const auto raster = platform::ObjectAs<RasterBackground>(Named(request.at("host")));
    const Json& answer = request.at("GetPbAndTrans");
    platform::ObjectRef control = ObjectArgument(answer.at(0));
    const platform::ObjectRef trans = ObjectArgument(answer.at(1));
    log_->AnswerGetPbAndTrans(raster, std::move(control),
                              trans ? platform::ObjectAs<mensura::MensTrans>(trans) : nullptr);
    return Done();
  }

  Json AtYield(const Json& request) {
    ui_->messages().Post([this, request] {
      if (closing_) return;
      Json answer = Respond([&] { return Answer(request); });
      answer["at_yield"] = true;
      out_ << Dump(answer) << '\n' << std::flush;
    });
    return Done();
  }

  static Json Resources(const Json& texts) {
    resbank::ResbankStrings& strings = frame::EnsureSharedResbankStrings();
    for (const auto& [id, text] : texts.items()) strings.SetText(ResourceId(id), text.get<std::string>());
    return Done();
  }

  platform::ObjectRef Named(const Json& name) const {
    const auto found = objects_.find(name.get<std::string>());
    if (found == objects_.end()) platform::Raise(platform::err::kObjectRequired);
    return found->second;
  }

  // The dialog the named raster has open; 91 while it has none.
  std::shared_ptr<frmTrans> OpenDialog(const std::string& owner) const {
    auto dialog = platform::ObjectAs<RasterBackground>(Named(owner))->TransDialog();
    if (!dialog) platform::Raise(platform::err::kObjectNotSet);
    return dialog;
  }

  // The object a call names: "r.dialog", a named object, else the implicit instance or a new
  // object of a class.
  std::pair<platform::ObjectRef, const frame::DispatchTable*> Target(const std::string& name) {
    if (name.ends_with(kDialogSuffix)) {
      return {OpenDialog(name.substr(0, name.size() - kDialogSuffix.size())), &frmTransDispatch()};
    }
    if (const auto found = objects_.find(name); found != objects_.end()) {
      const frame::DispatchTable* table = found->second ? TableOf(*found->second) : nullptr;
      if (!found->second) platform::Raise(platform::err::kObjectNotSet);
      if (table == nullptr) platform::Raise(platform::err::kMethodNotSupported);
      return {found->second, table};
    }
    const ClassBinding* binding = FindClassBinding(name);
    if (binding == nullptr) platform::Raise(platform::err::kObjectRequired);
    return {ClassCallTarget(*binding), &binding->served.table()};
  }

  // An object, or none for null.
  platform::ObjectRef ObjectArgument(const Json& arg) const {
    if (arg.is_null()) return nullptr;
    const platform::Variant value = Argument(arg);
    if (!value.IsObject()) platform::Raise(platform::err::kObjectRequired);
    return value.AsObject();
  }

  platform::Variant Argument(const Json& arg) const {
    if (arg.is_string()) return platform::Variant(arg.get<std::string>());
    if (arg.is_boolean()) return platform::Variant(arg.get<bool>());
    // A number past a Long's range is a Double, which the member's parameter type then refuses
    // (Overflow) or takes as it is.
    if (arg.is_number_integer()) {
      const bool is_long = arg.is_number_unsigned()
                               ? arg.get<uint64_t>() <= INT32_MAX
                               : arg.get<int64_t>() >= INT32_MIN && arg.get<int64_t>() <= INT32_MAX;
      if (is_long) return platform::Variant(static_cast<int32_t>(arg.get<int64_t>()));
      return platform::Variant(arg.get<double>());
    }
    if (arg.is_number()) return platform::Variant(arg.get<double>());
    if (arg.is_null()) return platform::Variant();
    if (arg.is_object() && arg.contains("ref")) return platform::Variant(Named(arg.at("ref")));
    if (arg.is_object() && arg.contains("date"))
      return platform::Variant(platform::Date(arg.at("date").get<double>()));
    if (arg.is_object() && arg.value("missing", false)) return platform::Variant::Missing();
    platform::Raise(platform::err::kTypeMismatch);
  }

  std::ostream& out_;
  std::shared_ptr<BatchUi> ui_;
  std::shared_ptr<EventLog> log_ = std::make_shared<EventLog>();
  std::map<std::string, platform::ObjectRef> objects_;
  bool closing_ = false;
};

}  // namespace

int RunBatch(std::istream& in, std::ostream& out) {
  const auto ui = std::make_shared<BatchUi>();
  const platform::ScopedUiServices scope(ui);
  Batch batch(out, ui);
  std::string line;
  while (std::getline(in, line)) {
    if (line.find_first_not_of(" \t\r") == std::string::npos) continue;
    batch.Print(line);
  }
  return in.bad() ? 1 : 0;
}

}  // namespace tessera::cli
