// Writes scan files row by row, so that a 14 000 x 10 000 plan never has to be held whole: BMPs of
// 1, 8 or 24 bits (bottom-up, 40-byte header) and colour JPEGs. Used by the example and by the
// raster benchmark.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <span>

namespace tessera::examples {

// Fills `row` with image row `y` (counted from the top) in the file's own layout: packed indexes
// for the indexed BMPs, B, G, R for 24-bit BMPs and for JPEGs.
using RowWriter = std::function<void(int32_t y, std::span<uint8_t> row)>;

void WriteBmpFile(const std::filesystem::path& file, int32_t width, int32_t height, int bits,
                  std::span<const uint32_t> palette, const RowWriter& row);

void WriteJpegFile(const std::filesystem::path& file, int32_t width, int32_t height, int quality,
                   const RowWriter& row);

}  // namespace tessera::examples
