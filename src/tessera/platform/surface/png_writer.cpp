#include "tessera/platform/surface/png_writer.hpp"

#include <png.h>
#include <zlib.h>

#include <functional>
#include <new>
#include <ostream>
#include <vector>

#include "tessera/platform/runtime/error.hpp"
#include "tessera/platform/runtime/file_system.hpp"

namespace tessera::platform {

namespace {

// Where the encoded bytes go, a piece at a time; false when it could not take them.
using Sink = std::function<bool(const char* data, std::size_t length)>;

// IDAT chunks of this size: a scan's few megabytes leave in a few dozen writes.
constexpr std::size_t kChunkBytes = std::size_t{1} << 17;

struct Output {
  const Sink& sink;
  bool refused = false;
};

// No exception may cross libpng's C frames: a refusal of the sink is reported as libpng's error.
void Put(png_structp png, png_bytep data, png_size_t length) {
  auto* out = static_cast<Output*>(png_get_io_ptr(png));
  if (!out->sink(reinterpret_cast<const char*>(data), length)) {
    out->refused = true;
    png_error(png, "not written");
  }
}

void Flush(png_structp) {}

// libpng reports its failures by a jump back to Encode.
[[noreturn]] void Fail(png_structp png, png_const_charp) {
  png_longjmp(png, 1);
}

// Hands the PNG bytes of `canvas` to `sink`; false when the sink refused them, 7 when libpng ran
// out of memory.
bool Encode(const Canvas& canvas, const Sink& sink) {
  Output out{sink};
  std::vector<png_byte> row(static_cast<std::size_t>(canvas.width()) * 3);
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, Fail, nullptr);
  png_infop info = png != nullptr ? png_create_info_struct(png) : nullptr;
  if (info == nullptr || setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    if (out.refused) return false;
    Raise(err::kOutOfMemory);
  }
  png_set_write_fn(png, &out, Put, Flush);
  png_set_IHDR(png, info, static_cast<png_uint_32>(canvas.width()), static_cast<png_uint_32>(canvas.height()),
               8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
               PNG_FILTER_TYPE_DEFAULT);
  // Fast: the noise of a drawn colour scan hardly compresses, and level 6 with every filter tried
  // took half of a fitted render's time for files 15 % smaller. Runs of one colour, which plans
  // are made of, still pack well: the left-neighbour filter turns them into zeros.
  png_set_compression_level(png, 1);
  png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_SUB);
  png_set_compression_strategy(png, Z_RLE);
  png_set_compression_buffer_size(png, kChunkBytes);
  png_write_info(png, info);
  for (int32_t y = 0; y < canvas.height(); ++y) {
    for (int32_t x = 0; x < canvas.width(); ++x) {
      const uint32_t pixel = canvas.PixelAt(x, y);
      row[3 * static_cast<std::size_t>(x)] = static_cast<png_byte>(pixel >> 16);
      row[3 * static_cast<std::size_t>(x) + 1] = static_cast<png_byte>(pixel >> 8);
      row[3 * static_cast<std::size_t>(x) + 2] = static_cast<png_byte>(pixel);
    }
    png_write_row(png, row.data());
  }
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return true;
}

}  // namespace

std::string EncodePng(const Canvas& canvas) {
  std::string out;
  const bool encoded = Encode(canvas, [&](const char* data, std::size_t length) {
    try {
      out.append(data, length);
      return true;
    } catch (const std::bad_alloc&) {
      return false;
    }
  });
  if (!encoded) Raise(err::kOutOfMemory);
  return out;
}

// Straight into the file, a chunk at a time: the bytes are never all in memory at once.
void WritePng(const Canvas& canvas, std::string_view path) {
  WriteFileReplacing(path, [&](std::ostream& file) {
    return Encode(canvas, [&](const char* data, std::size_t length) {
      return static_cast<bool>(file.write(data, static_cast<std::streamsize>(length)));
    });
  });
}

}  // namespace tessera::platform
