// The benchmarks' scan: a 14 000 x 10 000 plan (a tenth of that in a smoke run), row by row in
// the layouts of the scan writers, so that no benchmark holds it whole before loading it.
#pragma once

#include <cstdint>
#include <span>

#include "bench_support.hpp"

namespace tessera::bench {

inline int32_t ScanWidth() {
  return Scale(14000);
}
inline int32_t ScanHeight() {
  return Scale(10000);
}

// A plan: white, a grid line every 97 pixels, walls 12 pixels thick every 1 000, rooms tinted.
enum class Ink { kPaper, kRoom, kLine };

// The spread of a scanned sample around the plan's colour.
inline constexpr int kScanNoise = 44;

inline Ink InkAt(int32_t x, int32_t y) {
  if (x % 97 == 0 || y % 97 == 0 || x % 1000 < 12 || y % 1000 < 12) return Ink::kLine;
  return (x / 1000 + y / 1000) % 3 == 0 ? Ink::kRoom : Ink::kPaper;
}

inline void GreyRow(int32_t y, std::span<uint8_t> row) {
  for (int32_t x = 0; x < ScanWidth(); ++x) {
    const Ink ink = InkAt(x, y);
    row[static_cast<std::size_t>(x)] = ink == Ink::kLine ? 0x20 : ink == Ink::kRoom ? 0xD0 : 0xFF;
  }
}

inline void BgrRow(int32_t y, std::span<uint8_t> row) {
  for (int32_t x = 0; x < ScanWidth(); ++x) {
    const Ink ink = InkAt(x, y);
    uint8_t* bgr = &row[3 * static_cast<std::size_t>(x)];
    bgr[0] = ink == Ink::kLine ? 0x30 : 0xFF;
    bgr[1] = ink == Ink::kLine ? 0x20 : ink == Ink::kRoom ? 0xE0 : 0xFF;
    bgr[2] = ink == Ink::kLine ? 0x20 : ink == Ink::kRoom ? 0xC0 : 0xFF;
  }
}

// The colour plan as a scanner sees it: paper grain and sensor noise on every channel, which a
// quality-85 JPEG of 14 000 x 10 000 keeps in about 32 MB, as real colour scans of that size take.
inline void ScannedBgrRow(int32_t y, std::span<uint8_t> row) {
  BgrRow(y, row);
  uint32_t state = 0x9E3779B9u ^ static_cast<uint32_t>(y) * 0x85EBCA6Bu;
  for (std::size_t i = 0; i < 3 * static_cast<std::size_t>(ScanWidth()); ++i) {
    state ^= state << 13, state ^= state >> 17, state ^= state << 5;  // xorshift32
    const int noisy = row[i] - kScanNoise / 2 + static_cast<int>(state % (kScanNoise + 1));
    row[i] = static_cast<uint8_t>(noisy < 0 ? 0 : noisy > 255 ? 255 : noisy);
  }
}

inline void MonoRow(int32_t y, std::span<uint8_t> row) {
  for (int32_t x = 0; x < ScanWidth(); ++x) {
    if (InkAt(x, y) != Ink::kLine)
      row[static_cast<std::size_t>(x) >> 3] |= static_cast<uint8_t>(0x80 >> (x & 7));
  }
}

}  // namespace tessera::bench
