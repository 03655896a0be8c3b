// The BMP decoder.
//
// Supports: the 12-byte core header (3-byte palette entries) and the 40-, 52-, 56-, 108- and
// 124-byte headers; 1-, 4- and 8-bit palettes, short ones included; 16-bit pixels (555 without
// bit fields, 555, 565 or any contiguous masks with them); 24-bit; 32-bit with and without bit
// fields; RLE8 and RLE4 with their end-of-line, end-of-bitmap, delta and absolute escapes;
// bottom-up and top-down rows (RLE bottom-up only, as written).
//
// The picture keeps its depth: 1-bit stays 1-bit, 4- and 8-bit become 8-bit indexed, 16- and
// 24-bit become 24-bit, 32-bit stays 32-bit. Every header field is checked against the file's
// size before anything is allocated: an uncompressed pixel array must lie in the file. A load
// past the budget, a file cut short, a palette index past the palette or anything else malformed
// is error 481, and running out of memory is 7. Uncompressed rows are read straight into the
// picture.
//
// RLE streams are read as Windows reads them: runs, literal blocks and deltas that spill past the
// end of their row are clipped to it; a delta or end of line past the last row, and the end of
// the data, end the picture as an end-of-bitmap code does; pixels the stream never sets stay
// index 0.
#pragma once

#include <cstdint>
#include <memory>

#include "tessera/platform/picture/byte_source.hpp"
#include "tessera/platform/picture/load_budget.hpp"
#include "tessera/platform/picture/picture.hpp"

namespace tessera::platform {

std::unique_ptr<Picture> DecodeBmp(const ByteSource& source, const PictureLimits& limits);

}  // namespace tessera::platform
