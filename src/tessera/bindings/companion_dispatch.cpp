#include "tessera/bindings/companion_dispatch.hpp"

#include <array>

#include "tessera/bindings/dispatch_rows.hpp"
#include "tessera/frame/companions/mensura/mens_trans.hpp"

namespace tessera {

using frame::Method;
using frame::PropertyGet;
using mensura::MensPoint;
using mensura::MensRect;
using mensura::MensTrans;

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

const frame::ServedClass* CompanionServedClass(const platform::Object& object) {
  static const std::array<frame::ServedClass, 3> served{{{MensTransDispatch, nullptr, nullptr},
                                                         {MensRectDispatch, nullptr, nullptr},
                                                         {MensPointDispatch, nullptr, nullptr}}};
  for (const frame::ServedClass& companion : served)
    if (companion.table().class_name() == object.TypeName()) return &companion;
  return nullptr;
}

}  // namespace tessera
