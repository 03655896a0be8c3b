#include "tessera/platform/picture/bmp_decoder.hpp"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <vector>

#include "tessera/platform/runtime/error.hpp"

namespace tessera::platform {

namespace {

constexpr uint32_t kRgb = 0, kRle8 = 1, kRle4 = 2, kBitFields = 3, kAlphaBitFields = 6;

[[noreturn]] void Invalid() {
  Raise(err::kInvalidPicture);
}

uint16_t U16(const uint8_t* p) {
  return static_cast<uint16_t>(p[0] | p[1] << 8);
}
uint32_t U32(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 | static_cast<uint32_t>(p[2]) << 16 |
         static_cast<uint32_t>(p[3]) << 24;
}

// One colour channel of a bit-field pixel, scaled to 8 bits.
struct Channel {
  uint32_t mask = 0;
  int shift = 0;
  uint32_t max = 0;

  static Channel Of(uint32_t mask) {
    if (mask == 0) return {};
    const int shift = std::countr_zero(mask);
    const uint32_t bits = mask >> shift;
    if ((bits & (bits + 1)) != 0) Invalid();  // not one run of ones
    return {mask, shift, bits};
  }
  uint8_t operator()(uint32_t pixel) const {
    if (max == 0) return 0;
    return static_cast<uint8_t>((static_cast<uint64_t>((pixel & mask) >> shift) * 255 + max / 2) / max);
  }
};

struct Header {
  int32_t width = 0;
  int32_t height = 0;  // rows, always positive
  bool top_down = false;
  uint16_t bits = 0;
  uint32_t compression = kRgb;
  uint32_t image_size = 0;
  uint32_t pixel_offset = 0;
  std::array<uint32_t, 3> masks{};  // red, green, blue
  std::vector<uint32_t> palette;
};

std::size_t FileStride(int32_t width, int bits) {
  return (static_cast<std::size_t>(width) * static_cast<std::size_t>(bits) + 31) / 32 * 4;
}

void ReadPalette(const ByteSource& source, uint64_t at, uint32_t used, std::size_t entry_size,
                 Header& header) {
  if (header.bits > 8) return;
  const uint32_t full = 1u << header.bits;
  uint32_t count = used == 0 || used > full ? full : used;
  if (at > header.pixel_offset) Invalid();
  count = std::min<uint64_t>(count, (header.pixel_offset - at) / entry_size);  // a short palette
  std::vector<uint8_t> bytes(count * entry_size);
  source.Read(at, bytes);
  for (uint32_t i = 0; i < count; ++i) {
    const uint8_t* entry = bytes.data() + i * entry_size;
    header.palette.push_back(static_cast<uint32_t>(entry[2]) << 16 | static_cast<uint32_t>(entry[1]) << 8 |
                             entry[0]);
  }
}

Header ReadHeader(const ByteSource& source) {
  std::array<uint8_t, 14 + 124> bytes{};
  if (source.size() < 14 + 12) Invalid();
  source.Read(0, std::span(bytes).first(std::min<std::size_t>(bytes.size(), source.size())));
  if (bytes[0] != 'B' || bytes[1] != 'M') Invalid();
  Header header;
  header.pixel_offset = U32(&bytes[10]);
  const uint32_t dib_size = U32(&bytes[14]);
  const uint8_t* dib = &bytes[14];
  uint32_t used = 0;
  std::size_t entry_size = 4;
  uint64_t after = 14 + uint64_t{dib_size};
  if (dib_size == 12) {
    header.width = U16(dib + 4);
    header.height = U16(dib + 6);
    if (U16(dib + 8) != 1) Invalid();
    header.bits = U16(dib + 10);
    entry_size = 3;
  } else if (dib_size == 40 || dib_size == 52 || dib_size == 56 || dib_size == 108 || dib_size == 124) {
    if (source.size() < after) Invalid();
    header.width = static_cast<int32_t>(U32(dib + 4));
    const auto height = static_cast<int32_t>(U32(dib + 8));
    if (height == INT32_MIN) Invalid();
    header.top_down = height < 0;
    header.height = height < 0 ? -height : height;
    if (U16(dib + 12) != 1) Invalid();
    header.bits = U16(dib + 14);
    header.compression = U32(dib + 16);
    header.image_size = U32(dib + 20);
    used = U32(dib + 32);
    const bool fields = header.compression == kBitFields || header.compression == kAlphaBitFields;
    if (fields && dib_size == 40) {  // the masks follow the header
      std::array<uint8_t, 12> masks{};
      source.Read(after, masks);
      for (int i = 0; i < 3; ++i) header.masks[i] = U32(&masks[4 * i]);
      after += header.compression == kAlphaBitFields ? 16 : 12;
    } else if (fields) {
      for (int i = 0; i < 3; ++i) header.masks[i] = U32(dib + 40 + 4 * i);
    }
  } else {
    Invalid();
  }
  if (header.width < 1 || header.height < 1) Invalid();
  const uint16_t b = header.bits;
  switch (header.compression) {
    case kRgb:
      if (b != 1 && b != 4 && b != 8 && b != 16 && b != 24 && b != 32) Invalid();
      break;
    case kRle8:
    case kRle4:
      if (b != (header.compression == kRle8 ? 8 : 4) || header.top_down) Invalid();
      break;
    case kBitFields:
    case kAlphaBitFields:
      if (b != 16 && b != 32) Invalid();
      break;
    default:
      Invalid();
  }
  if (header.compression == kRgb && b == 16) header.masks = {0x7C00, 0x03E0, 0x001F};
  ReadPalette(source, after, used, entry_size, header);
  if (header.bits <= 8 && header.palette.empty()) Invalid();
  if (header.pixel_offset < after || header.pixel_offset > source.size()) Invalid();
  return header;
}

// Indexed pixels must name an entry of the palette.
void CheckIndexes(const Picture& picture, std::size_t palette_size) {
  const int32_t width = picture.width();
  for (int32_t y = 0; y < picture.height(); ++y) {
    const uint8_t* row = picture.Row(y);
    if (picture.format() == PixelFormat::kIndexed8) {
      if (palette_size < 256 && *std::max_element(row, row + width) >= palette_size) Invalid();
    } else if (palette_size < 2 && AnyBitIs(row, 0, width, true)) {
      Invalid();
    }
  }
}

PixelFormat FormatOf(const Header& header) {
  if (header.bits == 1) return PixelFormat::kIndexed1;
  if (header.bits <= 8) return PixelFormat::kIndexed8;
  if (header.bits <= 24) return PixelFormat::kBgr24;
  return PixelFormat::kBgrx32;
}

bool StandardMasks(const Header& header) {
  return header.compression == kRgb || header.masks == std::array<uint32_t, 3>{0xFF0000, 0xFF00, 0xFF};
}

// One file row into the picture row `out`, for the depths that are converted.
void ConvertRow(const Header& header, const std::array<Channel, 3>& channels, const uint8_t* in,
                uint8_t* out) {
  for (int32_t x = 0; x < header.width; ++x) {
    switch (header.bits) {
      case 4:
        out[x] = static_cast<uint8_t>(x % 2 == 0 ? in[x / 2] >> 4 : in[x / 2] & 0x0F);
        break;
      case 16: {
        const uint32_t pixel = U16(in + 2 * static_cast<std::size_t>(x));
        uint8_t* p = out + 3 * static_cast<std::size_t>(x);
        p[0] = channels[2](pixel), p[1] = channels[1](pixel), p[2] = channels[0](pixel);
        break;
      }
      default: {  // 32 with masks of its own
        const uint32_t pixel = U32(in + 4 * static_cast<std::size_t>(x));
        uint8_t* p = out + 4 * static_cast<std::size_t>(x);
        p[0] = channels[2](pixel), p[1] = channels[1](pixel), p[2] = channels[0](pixel), p[3] = 0;
        break;
      }
    }
  }
}

bool IsRle(const Header& header) {
  return header.compression == kRle8 || header.compression == kRle4;
}

// An uncompressed pixel array must lie in the file: checked before the picture is allocated, so
// that a short file claiming a huge picture costs nothing.
void CheckPixelArrayFits(const ByteSource& source, const Header& header) {
  const uint64_t bytes =
      uint64_t{FileStride(header.width, header.bits)} * static_cast<uint64_t>(header.height);
  if (bytes > source.size() - header.pixel_offset) Invalid();
}

void ReadRows(const ByteSource& source, const Header& header, Picture& picture, LoadBudget& budget) {
  const std::size_t stride = FileStride(header.width, header.bits);
  const auto height = static_cast<std::size_t>(header.height);
  if (header.bits != 4 && header.bits != 16 && StandardMasks(header)) {
    // The picture keeps the file's row order and stride: one read, as fast as reading the file.
    source.Read(header.pixel_offset, picture.Bytes());
    return;
  }
  const auto row_of = [&](std::size_t k) {
    return static_cast<int32_t>(header.top_down ? k : height - 1 - k);
  };
  const std::array<Channel, 3> channels{Channel::Of(header.masks[0]), Channel::Of(header.masks[1]),
                                        Channel::Of(header.masks[2])};
  // Converted a band at a time: few reads, little memory beside the picture.
  const std::size_t band = std::clamp<std::size_t>((std::size_t{1} << 20) / stride, 1, height);
  budget.Take(uint64_t{band} * stride);
  std::vector<uint8_t> rows(band * stride);
  for (std::size_t first = 0; first < height; first += band) {
    const std::size_t count = std::min(band, height - first);
    source.Read(header.pixel_offset + first * stride, std::span(rows).first(count * stride));
    for (std::size_t i = 0; i < count; ++i)
      ConvertRow(header, channels, rows.data() + i * stride, picture.Row(row_of(first + i)));
  }
}

// The compressed stream: the header's image size where the file holds that much, else the rest.
std::vector<uint8_t> ReadRleData(const ByteSource& source, const Header& header, LoadBudget& budget) {
  const uint64_t available = source.size() - header.pixel_offset;
  const uint64_t length =
      header.image_size != 0 && header.image_size <= available ? header.image_size : available;
  budget.Take(length);
  std::vector<uint8_t> data(static_cast<std::size_t>(length));
  source.Read(header.pixel_offset, data);
  return data;
}

// RLE8 and RLE4 into an 8-bit picture; pixels the stream skips stay index 0. Whatever would land
// outside its row is dropped, and a stream that runs out ends the picture where it stops. Returns
// the largest index written, so that a picture mostly skipped is not read again to check it.
uint8_t DecodeRle(std::span<const uint8_t> data, bool four, Picture& picture) {
  const int64_t width = picture.width(), height = picture.height();
  std::size_t at = 0;
  int64_t x = 0, k = 0;  // k counts rows from the bottom
  uint8_t largest = 0;
  // `count` pixels, the i-th of them `pixel(i)`, clipped at the row's end.
  const auto put = [&](int64_t count, auto pixel) {
    uint8_t* row = picture.Row(static_cast<int32_t>(height - 1 - k));
    const int64_t end = std::min(width, x + count);
    for (int64_t i = 0; x < end; ++i) {
      row[x] = pixel(i);
      largest = std::max(largest, row[x++]);
    }
  };
  const auto nibble = [](uint8_t byte, int64_t i) {
    return static_cast<uint8_t>(i % 2 == 0 ? byte >> 4 : byte & 0x0F);
  };
  while (k < height && data.size() - at >= 2) {
    const uint8_t count = data[at], value = data[at + 1];
    at += 2;
    if (count > 0) {
      put(count, [&](int64_t i) { return four ? nibble(value, i) : value; });
    } else if (value == 0) {  // end of line
      x = 0, ++k;
    } else if (value == 1) {  // end of bitmap
      break;
    } else if (value == 2) {  // delta: right and up
      if (data.size() - at < 2) break;
      x = std::min(width, x + data[at]);
      k += data[at + 1];
      at += 2;
    } else {  // `value` pixels as they are, padded to a 16-bit boundary
      const std::size_t bytes = four ? (value + 1u) / 2 : value;
      if (data.size() - at < bytes) break;
      const uint8_t* block = data.data() + at;
      put(value, [&](int64_t i) { return four ? nibble(block[i / 2], i) : block[i]; });
      at = std::min(data.size(), at + bytes + (bytes & 1));
    }
  }
  return largest;
}

}  // namespace

std::unique_ptr<Picture> DecodeBmp(const ByteSource& source, const PictureLimits& limits) {
  Header header = ReadHeader(source);
  const PixelFormat format = FormatOf(header);
  LoadBudget budget(limits);
  budget.Take(PictureBytes(header.width, header.height, format));
  std::vector<uint8_t> rle_data;
  if (IsRle(header)) {
    rle_data = ReadRleData(source, header, budget);
  } else {
    CheckPixelArrayFits(source, header);
  }
  const std::size_t palette_size = header.palette.size();
  std::vector<uint32_t> palette = header.bits <= 8 ? header.palette : std::vector<uint32_t>{};
  if (header.bits == 1) palette.resize(std::min<std::size_t>(palette.size(), 2));
  auto picture = std::make_unique<Picture>(header.width, header.height, format, std::move(palette),
                                           header.top_down ? RowOrder::kTopDown : RowOrder::kBottomUp);
  if (IsRle(header)) {
    if (DecodeRle(rle_data, header.compression == kRle4, *picture) >= palette_size) Invalid();
    return picture;
  }
  ReadRows(source, header, *picture, budget);
  if (header.bits <= 8) CheckIndexes(*picture, palette_size);
  return picture;
}

}  // namespace tessera::platform
