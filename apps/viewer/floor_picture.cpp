#include "floor_picture.hpp"

#include "floor_drawing.hpp"
#include "plan_fade.hpp"
#include "tessera/platform/runtime/error.hpp"
#include "tessera/platform/surface/canvas.hpp"

namespace tessera::viewer {

void DrawFloorPicture(const std::shared_ptr<platform::Object>& control, RasterBackground* raster,
                      const ViewTransform& view, Size floor, const FloorLayers& layers) {
  auto& surface = dynamic_cast<platform::PictureControl&>(*control);
  const Size device{static_cast<double>(surface.ScaleWidth()), static_cast<double>(surface.ScaleHeight())};
  auto trans = view.WorldToDevice();
  if (raster != nullptr) {
    platform::ObjectRef target = control;
    auto clip = view.VisibleWorld(device);
    raster->Draw(target, trans, clip);
    if (auto* canvas = dynamic_cast<platform::Canvas*>(&surface))
      FadeTowards(*canvas, platform::kColourBits, layers.plan_opacity);
  }
  try {
    DrawFloor(surface, *trans, floor, layers.grid);
  } catch (const platform::RuntimeError&) {
    // Zoomed far into a corner, the floor's far edges lie beyond 32-bit device coordinates.
  }
}

}  // namespace tessera::viewer
