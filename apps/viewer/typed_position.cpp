#include "typed_position.hpp"

#include <QCoreApplication>
#include <string>

#include "tessera/frame/companions/mensura/mens_global.hpp"
#include "tessera/platform/runtime/error.hpp"
#include "tessera/platform/runtime/format.hpp"
#include "tessera/raster/typed_units.hpp"

namespace tessera::viewer {
namespace {

// "0.000" where a typed unit is 1 000 world units: every world unit shows.
std::string Pattern() {
  std::size_t digits = 0;
  for (int64_t step = 1; step < TypedToLogical(1); step *= 10) ++digits;
  return digits > 0 ? "0." + std::string(digits, '0') : "0";
}

struct Vector {
  double dx, dy;
};

// As the raster takes a drag: DY upwards.
Vector Picked(Point from, Point to) {
  return {static_cast<double>(Logical(to.x)) - Logical(from.x),
          static_cast<double>(Logical(from.y)) - Logical(to.y)};
}

}  // namespace

QString TypedLength(double world_length) {
  return QString::fromStdString(platform::Format(platform::Variant(LogicalToTyped(world_length)), Pattern()));
}

QString PositionText(Point world, double floor_height) {
  try {
    const int32_t up = FlipY(Logical(floor_height), Logical(world.y));
    return QCoreApplication::translate("TypedPosition", "X %1  Y %2 m")
        .arg(TypedLength(Logical(world.x)), TypedLength(up));
  } catch (const platform::RuntimeError&) {
    return {};  // beyond 32-bit world coordinates, where nothing can be picked
  }
}

QString DistanceText(Point from, Point to) {
  const Vector v = Picked(from, to);
  return QCoreApplication::translate("TypedPosition", "%1 m")
      .arg(TypedLength(mensura::MensGlobal().Length(v.dx, v.dy)));
}

QString VectorText(Point from, Point to) {
  const Vector v = Picked(from, to);
  return QCoreApplication::translate("TypedPosition", "Distance %1  DX %2  DY %3")
      .arg(DistanceText(from, to), TypedLength(v.dx), TypedLength(v.dy));
}

}  // namespace tessera::viewer
