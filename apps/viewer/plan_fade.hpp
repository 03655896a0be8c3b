// Fading the plan under the floor's drawing: the picture drawn so far blended towards the
// background, so that the drawing drawn over it afterwards stands out.
#pragma once

#include "tessera/platform/surface/canvas.hpp"

namespace tessera::viewer {

// Blends every pixel of `canvas` towards `background`: `opacity` 1 leaves it, 0 makes it the
// background. Pixels in the background colour stay as they are.
void FadeTowards(platform::Canvas& canvas, uint32_t background, double opacity);

}  // namespace tessera::viewer
