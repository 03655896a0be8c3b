#include "tessera/platform/surface/binary_ops.hpp"

#include <array>

namespace tessera::platform {

namespace {

// The codes that take no brush, by their function byte (the brush's half of the table repeats
// the other half).
constexpr std::array<uint32_t, 16> kSourceOps{
    0x00000042, 0x001100A6, 0x00220326, 0x00330008, 0x00440328, 0x00550009, 0x00660046, 0x007700E6,
    0x008800C6, 0x00990066, 0x00AA0029, 0x00BB0226, 0x00CC0020, 0x00DD0228, 0x00EE0086, 0x00FF0062};

}  // namespace

std::optional<uint8_t> SourceOpTable(uint32_t rop) noexcept {
  const uint32_t function = rop >> 16 & 0xFF;
  if ((function >> 4) != (function & 0x0F) || kSourceOps[function & 0x0F] != rop) return std::nullopt;
  // The code's byte is indexed (brush << 2 | source << 1 | destination); without the brush bit it
  // is the 4-bit table of (source, destination).
  return static_cast<uint8_t>(function & 0x0F);
}

}  // namespace tessera::platform
