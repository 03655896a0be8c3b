#include "plan_fade.hpp"

#include <cmath>

namespace tessera::viewer {
namespace {

uint32_t Blend(uint32_t pixel, uint32_t background, double opacity) {
  uint32_t blended = 0;
  for (int shift = 0; shift <= 16; shift += 8) {
    const double from = (background >> shift) & 0xFF, to = (pixel >> shift) & 0xFF;
    blended |= static_cast<uint32_t>(std::lround(from + (to - from) * opacity)) << shift;
  }
  return blended;
}

}  // namespace

void FadeTowards(platform::Canvas& canvas, uint32_t background, double opacity) {
  if (opacity >= 1) return;
  for (int32_t y = 0; y < canvas.height(); ++y)
    for (int32_t x = 0; x < canvas.width(); ++x)
      canvas.SetPixel(x, y, Blend(canvas.PixelAt(x, y), background, opacity));
}

}  // namespace tessera::viewer
