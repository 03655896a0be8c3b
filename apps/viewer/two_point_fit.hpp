// The arithmetic of aligning a plan by two points: where a picked point lies on the plan, the
// placement that brings two plan points onto two floor points by scale and shift alone, and the
// typed metres of the transformation dialog.
//
// A placement maps raster pixels to world units as the raster's transformation does:
// world = (pixel - D) x factor on both axes, with D in whole pixels.
#pragma once

#include <cstdint>
#include <optional>

#include "view_transform.hpp"

namespace tessera::viewer {

struct PlanPlacement {
  int32_t dx = 0;
  int32_t dy = 0;
  double factor = 1;  // world units per raster pixel

  bool operator==(const PlanPlacement&) const = default;
};

// The raster pixel (unrounded) under a world point, and back.
Point PlanPixel(Point world, const PlanPlacement& placement);
Point WorldOfPixel(Point pixel, const PlanPlacement& placement);

struct TwoPointFit {
  PlanPlacement placement;
  Point residual;  // world units from where the second plan point lands to its floor point
};

// The factor is the ratio of the two distances, and the first plan point lands on its floor
// point up to D's rounding; a plan turned against the floor leaves the second point off, by
// `residual`. nullopt when a pair of points coincides or D leaves 32 bits.
std::optional<TwoPointFit> FitTwoPoints(Point plan1, Point plan2, Point floor1, Point floor2);

// A point typed in the dialog's units (MensGlobal.UnitFactor world units each, Y up from the
// floor's bottom) on a floor `floor_height` world units high, rounded to whole world units as
// the dialog's shift rounds it; and a world point in those units. Error 6 beyond 32 bits.
Point FloorPointOfTyped(Point typed, int32_t floor_height);
Point TypedOfFloorPoint(Point world, int32_t floor_height);

}  // namespace tessera::viewer
