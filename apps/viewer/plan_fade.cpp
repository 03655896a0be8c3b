#include "plan_fade.hpp"

#include <array>
#include <cmath>

namespace tessera::viewer {
namespace {

// What each of a channel's 256 values becomes, towards the background's value of that channel.
using Channel = std::array<uint32_t, 256>;

Channel Faded(uint32_t background, double opacity) {
  Channel faded{};
  for (uint32_t value = 0; value < faded.size(); ++value)
    faded[value] =
        static_cast<uint32_t>(std::lround(background + (static_cast<double>(value) - background) * opacity));
  return faded;
}

}  // namespace

// A frame of the view fades every pixel: three table look-ups each, so that a faded plan still
// pans as smoothly as a plain one.
void FadeTowards(platform::Canvas& canvas, uint32_t background, double opacity) {
  if (opacity >= 1) return;
  const Channel red = Faded((background >> 16) & 0xFF, opacity),
                green = Faded((background >> 8) & 0xFF, opacity), blue = Faded(background & 0xFF, opacity);
  for (int32_t y = 0; y < canvas.height(); ++y) {
    for (int32_t x = 0; x < canvas.width(); ++x) {
      const uint32_t pixel = canvas.PixelAt(x, y);
      if (pixel == background) continue;
      canvas.SetPixel(x, y,
                      red[(pixel >> 16) & 0xFF] << 16 | green[(pixel >> 8) & 0xFF] << 8 | blue[pixel & 0xFF]);
    }
  }
}

}  // namespace tessera::viewer
