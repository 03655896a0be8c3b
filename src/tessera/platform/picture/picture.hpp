// A picture in memory at its native depth: a 1-bit scan keeps one bit per pixel, a greyscale or
// palette picture one byte, colour pictures three or four.
//
// Row(0) is the top row. Each row takes `stride()` bytes (a multiple of 4), and the rows lie in
// memory in the order of the file they come from, so that a decoder can read them in one piece: a
// bottom-up BMP keeps its bottom row first. Indexed pixels name an entry of the palette; a palette
// index past the palette reads as black. Colours are 0x00RRGGBB; 24-bit rows hold B, G, R bytes and
// 32-bit rows B, G, R, X, as device-independent bitmaps do.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "tessera/export.hpp"
#include "tessera/platform/picture/pixel_memory.hpp"
#include "tessera/platform/runtime/object.hpp"

namespace tessera::platform {

enum class PixelFormat : uint8_t { kIndexed1, kIndexed8, kBgr24, kBgrx32 };

// The order of a picture's rows in memory.
enum class RowOrder : uint8_t { kTopDown, kBottomUp };

TESSERA_API int BitsPerPixel(PixelFormat format) noexcept;

// The bytes of a picture's pixels at its own depth, rows padded to 4 bytes; what a load counts
// before it allocates them.
uint64_t PictureBytes(int32_t width, int32_t height, PixelFormat format) noexcept;

// The 256 grey levels: entry i is grey level i.
TESSERA_API const std::vector<uint32_t>& GreyRampPalette();

// Whether any bit of a 1-bit row (most significant bit first) in the pixels [lo, hi) is `value`.
// Inline, with a path of its own for spans within one byte: the AND stretch asks it for every
// destination pixel, mostly about one or two bits.
inline bool AnyBitIs(const uint8_t* row, int32_t lo, int32_t hi, bool value) noexcept {
  if (hi <= lo) return false;
  const int32_t first = lo >> 3, last = (hi - 1) >> 3;
  const auto head = static_cast<uint8_t>(0xFF >> (lo & 7));
  const auto tail = static_cast<uint8_t>(0xFF << (7 - ((hi - 1) & 7)));
  const auto any = [&](int32_t byte, uint8_t mask) {
    return ((value ? row[byte] : static_cast<uint8_t>(~row[byte])) & mask) != 0;
  };
  if (first == last) return any(first, head & tail);
  if (any(first, head) || any(last, tail)) return true;
  for (int32_t byte = first + 1; byte < last; ++byte) {
    if (any(byte, 0xFF)) return true;
  }
  return false;
}

class TESSERA_API Picture : public Object {
 public:
  // A picture of the given size with every byte 0. Raises 5 for a size below 1 and 7 when memory
  // runs out. Indexed formats take up to 2 or 256 palette entries.
  Picture(int32_t width, int32_t height, PixelFormat format, std::vector<uint32_t> palette = {},
          RowOrder order = RowOrder::kTopDown);

  std::string_view TypeName() const noexcept override { return "Picture"; }

  int32_t width() const noexcept { return width_; }
  int32_t height() const noexcept { return height_; }
  PixelFormat format() const noexcept { return format_; }
  std::size_t stride() const noexcept { return stride_; }
  std::size_t ByteSize() const noexcept { return bits_.size(); }
  std::span<const uint32_t> palette() const noexcept { return palette_; }

  uint8_t* Row(int32_t y) noexcept {
    DropReducedCopies();
    return top_row_ + y * row_step_;
  }
  const uint8_t* Row(int32_t y) const noexcept { return top_row_ + y * row_step_; }

  // Every row in the order of memory.
  std::span<uint8_t> Bytes() noexcept {
    DropReducedCopies();
    return {bits_.data(), bits_.size()};
  }

  // The colour of pixel (x, y), which must lie inside the picture.
  uint32_t PixelAt(int32_t x, int32_t y) const noexcept;

  // The colour of palette entry `index` (black past the palette).
  uint32_t PaletteColour(std::size_t index) const noexcept {
    return index < palette_.size() ? palette_[index] : 0;
  }

  // True for an 8-bit picture whose palette is the full grey ramp (entry i is grey level i), whose
  // bytes are then their own grey levels.
  bool IsGreyRamp() const noexcept { return grey_ramp_; }

  // This picture reduced by `factor` (4, 8, 16 ...): each pixel is the AND of the colours of a
  // factor x factor block, the blocks counted from the top-left corner. Made on first use and kept
  // with the picture (a 1/16 of its size, and less for each further level), so that shrinking a
  // large scan costs about as much as drawing it 1:1. nullptr where the AND of colours is not a
  // colour of the same kind (a palette that is not a grey ramp, a 1-bit palette of which neither
  // colour is the AND of both), and past the factor that leaves a single pixel.
  const Picture* AndReduced(int factor) const;

 private:
  // Writing pixels drops the reduced copies made from the old ones.
  void DropReducedCopies() noexcept {
    if (!and_levels_.empty()) and_levels_.clear();
  }

  int32_t width_;
  int32_t height_;
  PixelFormat format_;
  std::size_t stride_;
  std::vector<uint32_t> palette_;
  PixelMemory bits_;
  uint8_t* top_row_;
  std::ptrdiff_t row_step_;  // from one row down to the next
  bool grey_ramp_ = false;
  mutable std::vector<std::unique_ptr<Picture>> and_levels_;  // factors 4, 8, 16 ...
};

}  // namespace tessera::platform
