// TextOutA: text drawn with the font selected into a device context onto its surface.
//
// (x, y) is the top left corner of the text's cell, in the surface's pixels. The text runs at the
// font's escapement (tenths of a degree, counter-clockwise), its glyphs are smoothed into the
// surface in the surface's pen colour (ForeColor), and underline and strike-out are drawn as bands
// of the font's own position and thickness along the whole advance. The height is the font's
// character height (negative), its cell height (positive) or 12 points (0); a non-zero width and
// the orientation are kept in the font but do not change the drawing, as GDI's compatible mode
// ignores the orientation too.
#pragma once

#include <cstdint>
#include <string_view>

#include "tessera/export.hpp"

namespace tessera::platform {

// The largest character height drawn, in pixels (FreeType's largest size); a larger font draws
// nothing. Text of any height up to it is drawn clipped to the surface, at the cost of the part
// that lands on it.
inline constexpr int32_t kMaxDrawnCharacterHeight = 0xFFFF;

// Draws `text` (ANSI bytes); false when the handle names no live surface, the font cannot be
// found or opened, or it is larger than the largest drawn height.
TESSERA_API bool TextOutA(int32_t hdc, int32_t x, int32_t y, std::string_view text);

}  // namespace tessera::platform
