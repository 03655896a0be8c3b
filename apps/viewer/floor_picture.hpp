// One picture of a floor, on the screen or on a page: its raster's visible part, then the floor's
// drawing over it, as a host repaints.
#pragma once

#include <memory>

#include "tessera/platform/runtime/object.hpp"
#include "tessera/raster/raster_background.hpp"
#include "view_transform.hpp"

namespace tessera::viewer {

// What a picture shows besides the plan and the floor's outline.
struct FloorLayers {
  bool grid = true;
  double plan_opacity = 1;  // below 1 fades the plan on a canvas towards its background
};

// Draws the part of the floor that `view` shows on `control` (a picture control or the printer),
// whose drawable size is taken for the visible part. `raster` may be nullptr. A floor drawing
// that falls outside the device's coordinates is left out; the raster's Draw reports nothing.
void DrawFloorPicture(const std::shared_ptr<platform::Object>& control, RasterBackground* raster,
                      const ViewTransform& view, Size floor, const FloorLayers& layers = {});

}  // namespace tessera::viewer
