#include "script_tables.hpp"

#include <memory>
#include <type_traits>

#include "tessera/bindings/class_bindings.hpp"
#include "tessera/draw/reset_or_create.hpp"
#include "tessera/frame/companions/mensura/mens_trans.hpp"
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

// A property read and write over a pair of overloads named alike.
template <typename C, typename T, Reader<C, T> read, Writer<C, T> write>
std::vector<MemberRow> Property(std::string_view name) {
  return {PropertyGet<read>(name), PropertyPut<write>(name, {"value"})};
}

// The companions take their fellow objects by reference, which a script passes as an object.
template <auto member>
Variant CallWithObject(platform::Object& self, std::span<Variant> args,
                       std::span<const frame::ParamInfo> params) {
  using Traits = frame::dispatch_detail::MemberTraits<member>;
  using Arg = std::remove_cvref_t<std::tuple_element_t<0, typename Traits::Params>>;
  frame::dispatch_detail::CheckArgumentCount(params, args.size());
  if (args.empty()) frame::dispatch_detail::RaiseArgumentNotOptional();
  const auto other = frame::ArgumentType<std::shared_ptr<Arg>>::From(args[0]);
  (dynamic_cast<typename Traits::Class&>(self).*member)(Checked(other));
  return {};
}

template <auto member>
MemberRow ObjectMethod(std::string_view name, std::string_view param) {
  return {name,
          MemberKind::kMethod,
          {{param, frame::ValueType::kObject, true, false}},
          frame::ValueType::kNone,
          &CallWithObject<member>};
}

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

std::vector<MemberRow> Joined(std::initializer_list<std::vector<MemberRow>> parts) {
  std::vector<MemberRow> rows;
  for (const auto& part : parts) rows.insert(rows.end(), part.begin(), part.end());
  return rows;
}

using mensura::MensPoint;
using mensura::MensRect;
using mensura::MensTrans;
using platform::Canvas;

}  // namespace

const frame::DispatchTable& MensTransDispatch() {
  static const frame::DispatchTable table(
      "MensTrans",
      {"Factor", "Dx", "Dy", "TransformPoint", "TransformRect", "InverseRect", "InverseDelta", "CopyFrom"},
      Joined({Property<MensTrans, double, &MensTrans::Factor, &MensTrans::Factor>("Factor"),
              Property<MensTrans, int32_t, &MensTrans::Dx, &MensTrans::Dx>("Dx"),
              Property<MensTrans, int32_t, &MensTrans::Dy, &MensTrans::Dy>("Dy"),
              {Method<&MensTrans::TransformPoint>("TransformPoint", {"x", "y"}),
               ObjectMethod<&MensTrans::TransformRect>("TransformRect", "rect"),
               ObjectMethod<&MensTrans::InverseRect>("InverseRect", "rect"),
               Method<&MensTrans::InverseDelta>("InverseDelta", {"dx", "dy"}),
               ObjectMethod<&MensTrans::CopyFrom>("CopyFrom", "other")}}));
  return table;
}

const frame::DispatchTable& MensRectDispatch() {
  static const frame::DispatchTable table(
      "MensRect", {"Left", "Top", "Right", "Bottom", "Width", "Height", "Init", "CopyFrom"},
      Joined({Property<MensRect, int32_t, &MensRect::Left, &MensRect::Left>("Left"),
              Property<MensRect, int32_t, &MensRect::Top, &MensRect::Top>("Top"),
              Property<MensRect, int32_t, &MensRect::Right, &MensRect::Right>("Right"),
              Property<MensRect, int32_t, &MensRect::Bottom, &MensRect::Bottom>("Bottom"),
              {PropertyGet<&MensRect::Width>("Width"), PropertyGet<&MensRect::Height>("Height"),
               Method<&MensRect::Init>("Init"), ObjectMethod<&MensRect::CopyFrom>("CopyFrom", "other")}}));
  return table;
}

const frame::DispatchTable& MensPointDispatch() {
  static const frame::DispatchTable table(
      "MensPoint", {"X", "Y", "Init", "CopyFrom"},
      Joined({Property<MensPoint, int32_t, &MensPoint::X, &MensPoint::X>("X"),
              Property<MensPoint, int32_t, &MensPoint::Y, &MensPoint::Y>("Y"),
              {Method<&MensPoint::Init>("Init"), ObjectMethod<&MensPoint::CopyFrom>("CopyFrom", "other")}}));
  return table;
}

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

const frame::DispatchTable* TableOf(const platform::Object& object) {
  if (dynamic_cast<const platform::Canvas*>(&object) != nullptr) return &CanvasDispatch();
  if (const ClassBinding* binding = FindClassBinding(object.TypeName())) return &binding->served.table();
  for (const frame::DispatchTable* table :
       {&MensTransDispatch(), &MensRectDispatch(), &MensPointDispatch(), &frmTransDispatch()}) {
    if (table->class_name() == object.TypeName()) return table;
  }
  return nullptr;
}

}  // namespace tessera::cli
