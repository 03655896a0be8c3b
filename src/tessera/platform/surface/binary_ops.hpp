// The sixteen Boolean functions of two colours that drawing modes and block transfers use.
//
// A function is its 4-bit truth table, indexed by (a << 1 | b) for one bit of each input: bit 0
// is the result for a = 0, b = 0, bit 3 for a = 1, b = 1. The pen's draw modes 1 to 16 are the
// tables 0 to 15 with a = pen, b = destination (mode 6 inverts the destination, mode 13 copies the
// pen); the block transfers that take no brush are the same tables with a = source.
#pragma once

#include <cstdint>
#include <optional>

#include "tessera/export.hpp"

namespace tessera::platform {

inline constexpr uint32_t kColourBits = 0xFFFFFF;

inline constexpr uint32_t ApplyBinaryOp(uint8_t table, uint32_t a, uint32_t b) noexcept {
  uint32_t result = 0;
  if (table & 1) result |= ~a & ~b;
  if (table & 2) result |= ~a & b;
  if (table & 4) result |= a & ~b;
  if (table & 8) result |= a & b;
  return result & kColourBits;
}

// The truth table of draw mode `mode` (1 to 16).
inline constexpr uint8_t DrawModeTable(int mode) noexcept {
  return static_cast<uint8_t>(mode - 1);
}

// The truth table of a raster-operation code that combines source and destination without a
// brush (13369376, hexadecimal CC0020, copies the source), or nullopt for any other code.
TESSERA_API std::optional<uint8_t> SourceOpTable(uint32_t rop) noexcept;

inline constexpr uint32_t kSrcCopy = 0x00CC0020;

// The host's colour value (red + 256 x green + 65536 x blue) as a pixel (0x00RRGGBB), and back.
inline constexpr uint32_t PixelFromColour(int32_t colour) noexcept {
  const auto value = static_cast<uint32_t>(colour);
  return (value & 0xFF) << 16 | (value & 0xFF00) | (value >> 16 & 0xFF);
}
inline constexpr int32_t ColourFromPixel(uint32_t pixel) noexcept {
  return static_cast<int32_t>((pixel & 0xFF) << 16 | (pixel & 0xFF00) | (pixel >> 16 & 0xFF));
}

}  // namespace tessera::platform
