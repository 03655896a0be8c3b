// JPEG files encoded by the tests themselves with libjpeg, in every layout the decoder reads.
#pragma once

// clang-format off
#include <cstdio>
#include <jpeglib.h>
// clang-format on

#include <cstdint>
#include <cstdlib>
#include <vector>

namespace tessera::platform::testing {

struct JpegLayout {
  int width = 16, height = 8;
  J_COLOR_SPACE space = JCS_RGB;  // JCS_GRAYSCALE, JCS_RGB or JCS_CMYK
  bool progressive = false;
  unsigned restart_interval = 0;
  bool arithmetic = false;
  bool flat = false;  // every sample mid-grey, which arithmetic coding packs into almost nothing
};

// The value of channel `c` at (x, y): smooth, so that the encoder keeps it close.
inline uint8_t Sample(int x, int y, int c) {
  return static_cast<uint8_t>(40 + 10 * x + 5 * y + 60 * c);
}

inline std::vector<uint8_t> EncodeJpeg(const JpegLayout& layout) {
  jpeg_compress_struct info{};
  jpeg_error_mgr errors{};
  info.err = jpeg_std_error(&errors);
  jpeg_create_compress(&info);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&info, &buffer, &size);
  info.image_width = static_cast<JDIMENSION>(layout.width);
  info.image_height = static_cast<JDIMENSION>(layout.height);
  info.input_components = layout.space == JCS_GRAYSCALE ? 1 : layout.space == JCS_CMYK ? 4 : 3;
  info.in_color_space = layout.space;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, 95, TRUE);
  if (layout.progressive) jpeg_simple_progression(&info);
  info.arith_code = layout.arithmetic ? TRUE : FALSE;
  info.restart_interval = layout.restart_interval;
  jpeg_start_compress(&info, TRUE);
  std::vector<uint8_t> row(static_cast<std::size_t>(layout.width * info.input_components));
  while (info.next_scanline < info.image_height) {
    const int y = static_cast<int>(info.next_scanline);
    for (int x = 0; x < layout.width; ++x) {
      for (int c = 0; c < info.input_components; ++c)
        row[static_cast<std::size_t>(x * info.input_components + c)] = layout.flat ? 128 : Sample(x, y, c);
    }
    JSAMPROW rows[] = {row.data()};
    jpeg_write_scanlines(&info, rows, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  std::vector<uint8_t> bytes(buffer, buffer + size);
  std::free(buffer);
  return bytes;
}

}  // namespace tessera::platform::testing
