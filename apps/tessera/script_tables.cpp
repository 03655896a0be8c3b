#include "script_tables.hpp"

#include <memory>
#include <type_traits>

#include "tessera/bindings/class_bindings.hpp"
#include "tessera/bindings/companion_dispatch.hpp"
#include "tessera/bindings/dispatch_rows.hpp"
#include "tessera/platform/runtime/collection.hpp"
#include "tessera/platform/surface/canvas.hpp"
#include "tessera/raster/dialogs/frm_trans.hpp"

namespace tessera::cli {

using frame::MemberKind;
using frame::MemberRow;
using frame::Method;
using frame::PropertyGet;
using frame::PropertyPut;
using frame::Reader;
using frame::Writer;
using platform::Variant;

namespace {

// A public field of the dialog, read and written as a property.
template <double frmTrans::*field>
std::vector<MemberRow> Field(std::string_view name) {
  const auto get = [](platform::Object& self, std::span<Variant> args,
                      std::span<const frame::ParamInfo> params) {
    frame::dispatch_detail::CheckArgumentCount(params, args.size());
    return Variant(dynamic_cast<frmTrans&>(self).*field);
  };
  const auto put = [](platform::Object& self, std::span<Variant> args,
                      std::span<const frame::ParamInfo> params) {
    frame::dispatch_detail::CheckArgumentCount(params, args.size());
    if (args.empty()) frame::dispatch_detail::RaiseArgumentNotOptional();
    dynamic_cast<frmTrans&>(self).*field = platform::CDbl(args[0]);
    return Variant();
  };
  return {{name, MemberKind::kPropertyGet, {}, frame::ValueType::kDouble, +get},
          {name,
           MemberKind::kPropertyPut,
           {{"value", frame::ValueType::kDouble, false, false}},
           frame::ValueType::kNone,
           +put}};
}

using platform::Canvas;

}  // namespace

const frame::DispatchTable& CanvasDispatch() {
  static const frame::DispatchTable table(
      "PictureBox",
      {"DrawMode", "DrawWidth", "ForeColor", "DrawStyle", "ScaleWidth", "ScaleHeight", "TwipsPerPixelX",
       "TwipsPerPixelY", "hDC"},
      Joined(
          {Property<Canvas, int16_t, &Canvas::DrawMode, &Canvas::DrawMode>("DrawMode"),
           Property<Canvas, int16_t, &Canvas::DrawWidth, &Canvas::DrawWidth>("DrawWidth"),
           Property<Canvas, int32_t, &Canvas::ForeColor, &Canvas::ForeColor>("ForeColor"),
           Property<Canvas, int16_t, &Canvas::DrawStyle, &Canvas::DrawStyle>("DrawStyle"),
           {PropertyGet<&Canvas::ScaleWidth>("ScaleWidth"), PropertyGet<&Canvas::ScaleHeight>("ScaleHeight"),
            PropertyGet<&Canvas::TwipsPerPixelX>("TwipsPerPixelX"),
            PropertyGet<&Canvas::TwipsPerPixelY>("TwipsPerPixelY"), PropertyGet<&Canvas::hDC>("hDC")}}));
  return table;
}

const frame::DispatchTable& frmTransDispatch() {
  using ReadLength = double (frmTrans::*)() const;
  using WriteLength = void (frmTrans::*)(double);
  static const frame::DispatchTable table(
      "frmTrans",
      {"RasterLaenge", "ShiftInputActive", "EnableMoveToEdits", "ResetMoveToEdits", "f_dPrevDx", "f_dPrevDy"},
      Joined({{PropertyGet<static_cast<ReadLength>(&frmTrans::RasterLaenge)>("RasterLaenge"),
               PropertyPut<static_cast<WriteLength>(&frmTrans::RasterLaenge)>("RasterLaenge", {"d"}),
               Method<&frmTrans::ShiftInputActive>("ShiftInputActive"),
               Method<&frmTrans::EnableMoveToEdits>("EnableMoveToEdits"),
               Method<&frmTrans::ResetMoveToEdits>("ResetMoveToEdits")},
              Field<&frmTrans::f_dPrevDx>("f_dPrevDx"),
              Field<&frmTrans::f_dPrevDy>("f_dPrevDy")}));
  return table;
}

const frame::DispatchTable& CollectionDispatch() {
  using platform::Collection;
  static const frame::DispatchTable table(
      "Collection", {"Item", "Add", "Count", "Remove"},
      {Method<&Collection::ItemAt>("Item", {"Index"}),
       Method<&Collection::AddItem>("Add", {"Item", frame::Optional("Key")}),
       PropertyGet<&Collection::Count>("Count"), Method<&Collection::RemoveAt>("Remove", {"Index"})});
  return table;
}

const frame::DispatchTable* TableOf(const platform::Object& object) {
  if (dynamic_cast<const platform::Canvas*>(&object) != nullptr) return &CanvasDispatch();
  if (dynamic_cast<const platform::Collection*>(&object) != nullptr) return &CollectionDispatch();
  if (const ClassBinding* binding = FindClassBinding(object.TypeName())) return &binding->served.table();
  for (const frame::DispatchTable* table :
       {&MensTransDispatch(), &MensRectDispatch(), &MensPointDispatch(), &frmTransDispatch()}) {
    if (table->class_name() == object.TypeName()) return table;
  }
  return nullptr;
}

}  // namespace tessera::cli
