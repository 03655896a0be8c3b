// The stretching block transfer behind PaintPicture: a source rectangle of a picture, at the
// picture's own depth, onto a rectangle of a 32-bit surface.
//
// Each destination pixel whose centre lies in the destination rectangle takes the source pixels
// whose centres map into it; a pixel of an enlarged picture takes the one source pixel under its
// centre. Negative extents mirror. Pixels are clipped to the surface, and to the source rectangle
// and the picture, without moving the others. When several source pixels meet in one, the
// stretch mode decides: AND of their colours (the default of a fresh device context, which keeps
// thin dark lines of a scan visible when zoomed out), OR, only the one under the centre, or their
// average. The result is combined with the destination by a source operation's truth table.
#pragma once

#include <cstdint>
#include <vector>

#include "tessera/export.hpp"
#include "tessera/platform/picture/picture.hpp"

namespace tessera::platform {

enum class StretchMode : int16_t { kAndScans = 1, kOrScans = 2, kDeleteScans = 3, kHalftone = 4 };

struct TESSERA_API PixelSurface {
  uint32_t* pixels;  // rows of `width` pixels, 0x00RRGGBB
  int32_t width;
  int32_t height;
};

struct TESSERA_API BlitRect {
  double left, top, width, height;
};

// Buffers that one surface reuses from transfer to transfer.
struct TESSERA_API BlitScratch {
  std::vector<int32_t> columns;  // per destination column: first and end source column
  std::vector<int32_t> rows;
  std::vector<uint8_t> and_bytes, or_bytes;
  std::vector<uint32_t> line;
  std::vector<uint64_t> sums;
};

TESSERA_API void StretchBlit(PixelSurface dest, const Picture& source, const BlitRect& to,
                             const BlitRect& from, uint8_t op_table, StretchMode mode, BlitScratch& scratch);

}  // namespace tessera::platform
