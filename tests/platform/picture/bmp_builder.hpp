// BMP files written by the tests themselves, byte by byte, for every header and pixel layout.
#pragma once

#include <cstdint>
#include <vector>

namespace tessera::platform::testing {

struct BmpLayout {
  uint32_t header_size = 40;  // 12, 40, 52, 56, 108 or 124
  int32_t width = 1;
  int32_t height = 1;  // negative: top-down
  uint16_t bits = 24;
  uint32_t compression = 0;
  std::vector<uint32_t> palette;  // 0x00RRGGBB, written in the header's entry size
  std::vector<uint32_t> masks;    // red, green, blue: in the header, or after a 40-byte one
  std::vector<uint8_t> pixels;    // the pixel array exactly as it is stored
};

inline void Put16(std::vector<uint8_t>& out, uint32_t value) {
  out.push_back(static_cast<uint8_t>(value));
  out.push_back(static_cast<uint8_t>(value >> 8));
}
inline void Put32(std::vector<uint8_t>& out, uint32_t value) {
  Put16(out, value & 0xFFFF);
  Put16(out, value >> 16);
}

inline std::vector<uint8_t> BuildBmp(const BmpLayout& layout) {
  std::vector<uint8_t> dib;
  Put32(dib, layout.header_size);
  if (layout.header_size == 12) {
    Put16(dib, static_cast<uint32_t>(layout.width));
    Put16(dib, static_cast<uint32_t>(layout.height));
    Put16(dib, 1);
    Put16(dib, layout.bits);
  } else {
    Put32(dib, static_cast<uint32_t>(layout.width));
    Put32(dib, static_cast<uint32_t>(layout.height));
    Put16(dib, 1);
    Put16(dib, layout.bits);
    Put32(dib, layout.compression);
    Put32(dib, static_cast<uint32_t>(layout.pixels.size()));
    Put32(dib, 2835);
    Put32(dib, 2835);
    Put32(dib, static_cast<uint32_t>(layout.palette.size()));
    Put32(dib, 0);
    for (std::size_t i = 0; i < 3 && layout.header_size > 40; ++i)
      Put32(dib, i < layout.masks.size() ? layout.masks[i] : 0);
    while (dib.size() < layout.header_size) dib.push_back(0);
    if (layout.header_size == 40) {
      for (uint32_t mask : layout.masks) Put32(dib, mask);
    }
  }
  for (uint32_t colour : layout.palette) {
    dib.push_back(static_cast<uint8_t>(colour));
    dib.push_back(static_cast<uint8_t>(colour >> 8));
    dib.push_back(static_cast<uint8_t>(colour >> 16));
    if (layout.header_size != 12) dib.push_back(0);
  }
  std::vector<uint8_t> file{'B', 'M'};
  Put32(file, static_cast<uint32_t>(14 + dib.size() + layout.pixels.size()));
  Put32(file, 0);
  Put32(file, static_cast<uint32_t>(14 + dib.size()));
  file.insert(file.end(), dib.begin(), dib.end());
  file.insert(file.end(), layout.pixels.begin(), layout.pixels.end());
  return file;
}

}  // namespace tessera::platform::testing
