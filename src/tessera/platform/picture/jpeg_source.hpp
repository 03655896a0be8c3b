// libjpeg's input from a ByteSource, read a piece at a time, so that decoding a large file never
// holds its compressed bytes whole.
//
// Past the end of the source, libjpeg is warned that the file ends (JWRN_JPEG_EOF) and given an
// end marker, as its own memory source does. A read that fails ends the decoding through
// libjpeg's error exit (JERR_FILE_READ), with the runtime's error number kept in `failure`.
#pragma once

// clang-format off
#include <cstdio>
#include <jpeglib.h>
// clang-format on

#include <cstddef>
#include <cstdint>
#include <vector>

#include "tessera/platform/picture/byte_source.hpp"

namespace tessera::platform {

// The bytes a JpegSource holds at once.
inline constexpr std::size_t kJpegReadPiece = std::size_t{64} << 10;

struct JpegSource {
  jpeg_source_mgr base{};
  const ByteSource* source = nullptr;
  uint64_t offset = 0;  // of the next piece
  std::vector<uint8_t> piece;
  int failure = 0;
};

// Makes `reader` the input of `info` from the start of `source`; 7 when memory runs out.
void UseJpegSource(jpeg_decompress_struct& info, JpegSource& reader, const ByteSource& source);

}  // namespace tessera::platform
