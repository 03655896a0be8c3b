// Which pixels a one-pixel-wide segment covers, clipped to a surface.
//
// Along the major axis every step is one pixel from the start up to, but not including, the end
// point, as the platform's line operation draws (so a segment from a point to itself covers
// nothing, and segments joined end to start touch each pixel once); the minor coordinate at step
// k is the start's plus k x (minor extent / major extent), rounded with halves upwards. The rule
// depends only on the two end points, so the same segment always covers the same pixels, and
// clipping only leaves out the pixels outside: the ones inside are those of the whole segment.
// Work is bounded by the surface's width or height, however long the segment.
#pragma once

#include <algorithm>
#include <cstdint>

namespace tessera::platform {

__extension__ typedef __int128 LineProduct;  // step x extent needs more than 64 bits for 32-bit ends

struct SegmentEnds {
  int64_t x1, y1, x2, y2;
};

// Calls visit(x, y, k) for every pixel of `segment` inside [0, width) x [0, height), k being its
// step from the first end point (0 <= k < the major extent). `offset` shifts the segment along its minor
// axis.
template <typename Visit>
void RasteriseSegment(const SegmentEnds& segment, int64_t offset, int32_t width, int32_t height,
                      Visit&& visit) {
  const bool x_major = std::abs(segment.x2 - segment.x1) >= std::abs(segment.y2 - segment.y1);
  // Work in (major, minor) coordinates and swap back for each pixel.
  const int64_t major1 = x_major ? segment.x1 : segment.y1;
  const int64_t major2 = x_major ? segment.x2 : segment.y2;
  const int64_t minor1 = (x_major ? segment.y1 : segment.x1) + offset;
  const int64_t minor2 = (x_major ? segment.y2 : segment.x2) + offset;
  const int64_t major_limit = x_major ? width : height;
  const int64_t minor_limit = x_major ? height : width;
  const int64_t steps = std::abs(major2 - major1);
  const int64_t minor_extent = std::abs(minor2 - minor1);
  const int64_t major_sign = major2 >= major1 ? 1 : -1;
  const int64_t minor_sign = minor2 >= minor1 ? 1 : -1;

  // The steps whose major coordinate lies on the surface.
  int64_t first = major_sign > 0 ? -major1 : major1 - (major_limit - 1);
  int64_t last = major_sign > 0 ? major_limit - 1 - major1 : major1;
  first = std::max<int64_t>(first, 0);
  last = std::min<int64_t>(last, steps - 1);
  for (int64_t k = first; k <= last; ++k) {
    const auto along =
        static_cast<int64_t>((2 * static_cast<LineProduct>(k) * minor_extent + steps) / (2 * steps));
    const int64_t minor = minor1 + minor_sign * along;
    if (minor < 0 || minor >= minor_limit) continue;
    const int64_t major = major1 + major_sign * k;
    if (x_major) {
      visit(static_cast<int32_t>(major), static_cast<int32_t>(minor), k);
    } else {
      visit(static_cast<int32_t>(minor), static_cast<int32_t>(major), k);
    }
  }
}

}  // namespace tessera::platform
