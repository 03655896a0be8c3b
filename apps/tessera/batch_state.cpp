#include "batch_state.hpp"

#include <span>
#include <vector>

#include "json_values.hpp"
#include "script_tables.hpp"
#include "sha256.hpp"
#include "tessera/platform/surface/canvas.hpp"
#include "tessera/raster/raster_background.hpp"

namespace tessera::cli {

namespace {

using Json = nlohmann::ordered_json;

// Every property read without parameters; one that fails shows its error number.
Json Properties(platform::Object& object) {
  Json properties = Json::object();
  const frame::DispatchTable* table = TableOf(object);
  if (table == nullptr) return properties;
  for (const frame::MemberRow& row : table->rows()) {
    if (row.kind != frame::MemberKind::kPropertyGet || !row.params.empty()) continue;
    try {
      properties[std::string(row.name)] = ToJson(row.invoke(object, {}, row.params));
    } catch (...) {
      properties[std::string(row.name)] = Json{{"error", platform::ToRuntimeError().number()}};
    }
  }
  return properties;
}

Json ControlState(const platform::Control& control) {
  if (const auto* field = dynamic_cast<const platform::TextField*>(&control)) {
    return {{"text", field->Text()}, {"enabled", field->Enabled()}, {"caret", field->SelStart()}};
  }
  if (const auto* box = dynamic_cast<const platform::CheckBox*>(&control)) {
    return {{"caption", box->Caption()}, {"enabled", box->Enabled()}, {"value", box->Value()}};
  }
  if (const auto* button = dynamic_cast<const platform::Button*>(&control)) {
    return {{"caption", button->Caption()}, {"enabled", button->Enabled()}};
  }
  if (const auto* label = dynamic_cast<const platform::Label*>(&control))
    return {{"caption", label->Caption()}};
  const auto& tabs = dynamic_cast<const platform::TabControl&>(control);
  return {{"enabled", tabs.Enabled()}, {"caption", Json::array({tabs.TabCaption(0), tabs.TabCaption(1)})}};
}

Json DialogState(const frmTrans& dialog) {
  const platform::TwipsRect& at = dialog.form.Position();
  Json controls = Json::object();
  for (const platform::Control* control : dialog.form.Controls())
    controls[control->Name()] = ControlState(*control);
  return {{"caption", dialog.form.Caption()},
          {"topmost", dialog.form.Topmost()},
          {"position", Json::array({at.left, at.top, at.width, at.height})},
          {"page", dialog.SSTab1.Tab()},
          {"f_dPrevDx", dialog.f_dPrevDx},
          {"f_dPrevDy", dialog.f_dPrevDy},
          {"f_dRasterLaenge", dialog.RasterLaenge()},
          {"f_bFirstActivate", dialog.FirstActivatePending()},
          {"f_bOk", dialog.Ok()},
          {"controls", std::move(controls)}};
}

Json CanvasState(const platform::Canvas& canvas) {
  std::vector<unsigned char> bytes;
  bytes.reserve(canvas.pixels().size() * 4);
  for (const uint32_t pixel : canvas.pixels()) {
    for (int shift = 0; shift < 32; shift += 8) bytes.push_back(static_cast<unsigned char>(pixel >> shift));
  }
  return {{"size", Json::array({canvas.width(), canvas.height()})},
          {"DrawMode", canvas.DrawMode()},
          {"DrawWidth", canvas.DrawWidth()},
          {"ForeColor", canvas.ForeColor()},
          {"DrawStyle", canvas.DrawStyle()},
          {"sha256", Sha256Hex(bytes)}};
}

}  // namespace

Json ObjectState(const platform::ObjectRef& object) {
  if (!object) platform::Raise(platform::err::kObjectNotSet);
  if (const auto* canvas = dynamic_cast<const platform::Canvas*>(object.get())) return CanvasState(*canvas);
  Json state = Properties(*object);
  if (const auto* raster = dynamic_cast<const RasterBackground*>(object.get());
      raster && raster->TransDialog()) {
    state["dialog"] = DialogState(*raster->TransDialog());
  }
  return state;
}

}  // namespace tessera::cli
