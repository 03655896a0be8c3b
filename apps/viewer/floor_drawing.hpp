// The viewer's stand-in for a host's vector drawing of a floor: its outline and a grid in typed
// units (metres), drawn over the raster.
#pragma once

#include "tessera/frame/companions/mensura/mens_trans.hpp"
#include "tessera/platform/surface/picture_control.hpp"
#include "view_transform.hpp"

namespace tessera::viewer {

inline constexpr int32_t kOutlineColour = 0x0000FF;  // red, as a colour value
inline constexpr int32_t kGridColour = 0xFFC080;     // light blue

// Draws the grid, when `grid` (every typed unit of MensGlobal.UnitFactor world units, or a power of
// ten more where lines would come closer than 16 device pixels; rows counted from the floor's
// bottom), and then the outline of the floor (0, 0) to `floor`; the control's pen is as it was
// afterwards.
void DrawFloor(platform::PictureControl& control, const mensura::MensTrans& world_to_device, Size floor,
               bool grid = true);

}  // namespace tessera::viewer
