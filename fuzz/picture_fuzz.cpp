// Decodes any bytes with one picture decoder (TESSERA_FUZZ_JPEG picks the JPEG one, else BMP)
// under a small pixel cap, and reads every pixel of what comes out. A failure must be the
// runtime's error 481 or 7; a picture must have the size its bytes hold.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "tessera/platform/picture/bmp_decoder.hpp"
#include "tessera/platform/picture/jpeg_decoder.hpp"
#include "tessera/platform/runtime/error.hpp"

using namespace tessera::platform;

namespace {

volatile uint32_t pixel_sink;

std::unique_ptr<Picture> DecodeOne(const ByteSource& source, const PictureLimits& limits) {
#ifdef TESSERA_FUZZ_JPEG
  return DecodeJpeg(source, limits);
#else
  return DecodeBmp(source, limits);
#endif
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  if (size > (1 << 20)) return 0;
  const MemorySource source(std::span(data, size));
  try {
    const auto picture = DecodeOne(source, PictureLimits{1 << 20});
    if (picture->width() < 1 || picture->height() < 1 ||
        picture->ByteSize() != picture->stride() * static_cast<std::size_t>(picture->height())) {
      std::abort();
    }
    uint32_t sum = 0;
    for (int32_t y = 0; y < picture->height(); ++y) {
      for (int32_t x = 0; x < picture->width(); ++x) sum += picture->PixelAt(x, y);
    }
    pixel_sink = sum;
  } catch (const RuntimeError& error) {
    if (error.number() != err::kInvalidPicture && error.number() != err::kOutOfMemory) std::abort();
  }
  return 0;
}
