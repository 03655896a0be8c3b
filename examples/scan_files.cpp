#include "scan_files.hpp"

// clang-format off
#include <cstdio>
#include <jpeglib.h>
// clang-format on

#include <fstream>
#include <memory>
#include <stdexcept>
#include <vector>

namespace tessera::examples {

namespace {

void Put(std::vector<uint8_t>& out, uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

std::size_t BmpStride(int32_t width, int bits) {
  return (static_cast<std::size_t>(width) * bits + 31) / 32 * 4;
}

struct FileCloser {
  void operator()(FILE* file) const { std::fclose(file); }
};

}  // namespace

void WriteBmpFile(const std::filesystem::path& file, int32_t width, int32_t height, int bits,
                  std::span<const uint32_t> palette, const RowWriter& row) {
  const std::size_t stride = BmpStride(width, bits);
  const auto offset = static_cast<uint32_t>(14 + 40 + 4 * palette.size());
  const uint64_t size = stride * static_cast<uint64_t>(height);
  std::vector<uint8_t> header{'B', 'M'};
  Put(header, static_cast<uint32_t>(offset + size), 4), Put(header, 0, 4), Put(header, offset, 4);
  Put(header, 40, 4), Put(header, static_cast<uint32_t>(width), 4),
      Put(header, static_cast<uint32_t>(height), 4);
  Put(header, 1, 2), Put(header, static_cast<uint32_t>(bits), 2), Put(header, 0, 4);
  Put(header, static_cast<uint32_t>(size), 4), Put(header, 11811, 4), Put(header, 11811, 4);
  Put(header, static_cast<uint32_t>(palette.size()), 4), Put(header, 0, 4);
  for (const uint32_t colour : palette) Put(header, colour, 4);

  std::ofstream out(file, std::ios::binary);
  out.write(reinterpret_cast<const char*>(header.data()), static_cast<std::streamsize>(header.size()));
  std::vector<uint8_t> pixels(stride);
  for (int32_t y = height - 1; y >= 0; --y) {
    std::fill(pixels.begin(), pixels.end(), 0);
    row(y, pixels);
    out.write(reinterpret_cast<const char*>(pixels.data()), static_cast<std::streamsize>(stride));
  }
  if (!out.flush()) throw std::runtime_error("cannot write " + file.string());
}

void WriteJpegFile(const std::filesystem::path& file, int32_t width, int32_t height, int quality,
                   const RowWriter& row) {
  const std::unique_ptr<FILE, FileCloser> out(std::fopen(file.c_str(), "wb"));
  if (!out) throw std::runtime_error("cannot write " + file.string());
  jpeg_compress_struct info{};
  jpeg_error_mgr errors{};
  info.err = jpeg_std_error(&errors);
  jpeg_create_compress(&info);
  jpeg_stdio_dest(&info, out.get());
  info.image_width = static_cast<JDIMENSION>(width);
  info.image_height = static_cast<JDIMENSION>(height);
  info.input_components = 3;
  info.in_color_space = JCS_EXT_BGR;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, quality, TRUE);
  jpeg_start_compress(&info, TRUE);
  std::vector<uint8_t> pixels(static_cast<std::size_t>(width) * 3);
  while (info.next_scanline < info.image_height) {
    row(static_cast<int32_t>(info.next_scanline), pixels);
    JSAMPROW rows[] = {pixels.data()};
    jpeg_write_scanlines(&info, rows, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
}

}  // namespace tessera::examples
