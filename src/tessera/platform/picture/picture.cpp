#include "tessera/platform/picture/picture.hpp"

#include <algorithm>

#include "tessera/platform/runtime/error.hpp"

namespace tessera::platform {

namespace {

std::size_t StrideOf(int32_t width, PixelFormat format) {
  const std::size_t bits = static_cast<std::size_t>(width) * static_cast<std::size_t>(BitsPerPixel(format));
  return (bits + 31) / 32 * 4;
}

std::vector<uint32_t> CheckedPalette(PixelFormat format, std::vector<uint32_t> palette) {
  const std::size_t limit = format == PixelFormat::kIndexed1 ? 2 : format == PixelFormat::kIndexed8 ? 256 : 0;
  if (palette.size() > limit) Raise(err::kInvalidProcedureCall);
  return palette;
}

// The number of rows, for a size of at least one pixel each way.
std::size_t CheckedRows(int32_t width, int32_t height) {
  if (width < 1 || height < 1) Raise(err::kInvalidProcedureCall);
  return static_cast<std::size_t>(height);
}

bool IsGreyRamp(std::span<const uint32_t> palette) {
  return std::ranges::equal(palette, GreyRampPalette());
}

}  // namespace

const std::vector<uint32_t>& GreyRampPalette() {
  static const std::vector<uint32_t> ramp = [] {
    std::vector<uint32_t> levels;
    for (uint32_t i = 0; i < 256; ++i) levels.push_back(i * 0x010101u);
    return levels;
  }();
  return ramp;
}

uint64_t PictureBytes(int32_t width, int32_t height, PixelFormat format) noexcept {
  if (width < 1 || height < 1) return 0;
  return uint64_t{StrideOf(width, format)} * static_cast<uint64_t>(height);
}

int BitsPerPixel(PixelFormat format) noexcept {
  switch (format) {
    case PixelFormat::kIndexed1:
      return 1;
    case PixelFormat::kIndexed8:
      return 8;
    case PixelFormat::kBgr24:
      return 24;
    case PixelFormat::kBgrx32:
      return 32;
  }
  return 32;
}

Picture::Picture(int32_t width, int32_t height, PixelFormat format, std::vector<uint32_t> palette,
                 RowOrder order)
    : width_(width),
      height_(height),
      format_(format),
      stride_(StrideOf(width, format)),
      palette_(CheckedPalette(format, std::move(palette))),
      bits_(CheckedRows(width, height), stride_),
      top_row_(order == RowOrder::kTopDown ? bits_.data() : bits_.data() + bits_.size() - stride_),
      row_step_(order == RowOrder::kTopDown ? static_cast<std::ptrdiff_t>(stride_)
                                            : -static_cast<std::ptrdiff_t>(stride_)) {
  grey_ramp_ = format == PixelFormat::kIndexed8 && platform::IsGreyRamp(palette_);
}

uint32_t Picture::PixelAt(int32_t x, int32_t y) const noexcept {
  const uint8_t* row = Row(y);
  switch (format_) {
    case PixelFormat::kIndexed1:
      return PaletteColour((row[x >> 3] >> (7 - (x & 7))) & 1);
    case PixelFormat::kIndexed8:
      return PaletteColour(row[x]);
    case PixelFormat::kBgr24: {
      const uint8_t* p = row + 3 * static_cast<std::size_t>(x);
      return static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[1]) << 8 | p[0];
    }
    case PixelFormat::kBgrx32: {
      const uint8_t* p = row + 4 * static_cast<std::size_t>(x);
      return static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[1]) << 8 | p[0];
    }
  }
  return 0;
}

}  // namespace tessera::platform
