#include "two_point_fit.hpp"

#include <cmath>

#include "tessera/frame/companions/mensura/mens_global.hpp"
#include "tessera/platform/runtime/error.hpp"
#include "tessera/raster/typed_units.hpp"

namespace tessera::viewer {
namespace {

double Distance(Point a, Point b) {
  return std::hypot(b.x - a.x, b.y - a.y);
}

}  // namespace

Point PlanPixel(Point world, const PlanPlacement& placement) {
  return {world.x / placement.factor + placement.dx, world.y / placement.factor + placement.dy};
}

Point WorldOfPixel(Point pixel, const PlanPlacement& placement) {
  return {(pixel.x - placement.dx) * placement.factor, (pixel.y - placement.dy) * placement.factor};
}

std::optional<TwoPointFit> FitTwoPoints(Point plan1, Point plan2, Point floor1, Point floor2) {
  const double on_plan = Distance(plan1, plan2), on_floor = Distance(floor1, floor2);
  if (!(on_plan > 0) || !(on_floor > 0)) return std::nullopt;
  TwoPointFit fit;
  fit.placement.factor = on_floor / on_plan;
  try {
    fit.placement.dx = mensura::RoundToLong(plan1.x - floor1.x / fit.placement.factor);
    fit.placement.dy = mensura::RoundToLong(plan1.y - floor1.y / fit.placement.factor);
  } catch (const platform::RuntimeError&) {
    return std::nullopt;
  }
  const Point landed = WorldOfPixel(plan2, fit.placement);
  fit.residual = {floor2.x - landed.x, floor2.y - landed.y};
  return fit;
}

Point FloorPointOfTyped(Point typed, int32_t floor_height) {
  return {static_cast<double>(TypedToLogical(typed.x)),
          static_cast<double>(FlipY(floor_height, TypedToLogical(typed.y)))};
}

Point TypedOfFloorPoint(Point world, int32_t floor_height) {
  return {LogicalToTyped(world.x), LogicalToTyped(floor_height - world.y)};
}

}  // namespace tessera::viewer
