// Decodes any bytes with one picture decoder (TESSERA_FUZZ_JPEG picks the JPEG one, else BMP)
// twice. Under a small budget it reads every pixel of what comes out. Under a large budget, where
// only the checks against the file's own size stop a hostile header, the process's peak memory
// must stay within a fixed multiple of the input's size plus the picture the input really holds.
// A failure must be the runtime's error 481 or 7; a picture must have the size its bytes hold.
// A JPEG is decoded at 1/8 too, and must load there whenever it loads whole.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <span>
#include <string>

#include "tessera/platform/picture/bmp_decoder.hpp"
#include "tessera/platform/picture/jpeg_decoder.hpp"
#include "tessera/platform/runtime/error.hpp"

using namespace tessera::platform;

namespace {

constexpr uint64_t kSmallBudget = uint64_t{4} << 20;
constexpr uint64_t kLargeBudget = uint64_t{256} << 20;
// A Huffman-coded JPEG may hold eight blocks per byte, whose coefficients take 1 KB; the
// sanitizers add their shadow and redzones.
constexpr uint64_t kPeakPerInputByte = 4096;
// The process's own growth that no input causes: allocator caches, libFuzzer's bookkeeping.
constexpr uint64_t kPeakFixed = uint64_t{64} << 20;

volatile uint32_t pixel_sink;

std::unique_ptr<Picture> DecodeOne(const ByteSource& source, const PictureLimits& limits) {
#ifdef TESSERA_FUZZ_JPEG
  return DecodeJpeg(source, limits);
#else
  return DecodeBmp(source, limits);
#endif
}

// The picture, or nullptr when the bytes are refused; aborts on any other failure.
std::unique_ptr<Picture> DecodeOrRefuse(std::span<const uint8_t> bytes, uint64_t budget) {
  try {
    return DecodeOne(MemorySource(bytes), PictureLimits{budget});
  } catch (const RuntimeError& error) {
    if (error.number() != err::kInvalidPicture && error.number() != err::kOutOfMemory) std::abort();
  }
  return nullptr;
}

void ReadEveryPixel(const Picture& picture) {
  if (picture.width() < 1 || picture.height() < 1 ||
      picture.ByteSize() != picture.stride() * static_cast<std::size_t>(picture.height())) {
    std::abort();
  }
  uint32_t sum = 0;
  for (int32_t y = 0; y < picture.height(); ++y) {
    for (int32_t x = 0; x < picture.width(); ++x) sum += picture.PixelAt(x, y);
  }
  pixel_sink = sum;
}

// A "Vm..." line of /proc/self/status, in bytes.
uint64_t StatusBytes(const std::string& key) {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);) {
    if (line.starts_with(key + ":")) return std::stoull(line.substr(key.size() + 1)) * 1024;
  }
  return 0;
}

// Sets the peak resident size back to the present one; false where the system does not allow it.
bool ResetPeak() {
  std::ofstream clear("/proc/self/clear_refs");
  clear << "5";
  clear.flush();
  return static_cast<bool>(clear);
}

void CheckPeakMemory(std::span<const uint8_t> bytes) {
  if (!ResetPeak()) return;
  const uint64_t before = StatusBytes("VmRSS");
  const auto picture = DecodeOrRefuse(bytes, kLargeBudget);
  const uint64_t held = picture ? picture->ByteSize() : 0;
  // The kernel brings the peak up to date only when memory is given back: the present size may
  // still be above it.
  const uint64_t peak = std::max(StatusBytes("VmHWM"), StatusBytes("VmRSS"));
  const uint64_t grown = peak > before ? peak - before : 0;
  // The picture once, and a quarter more for what the allocator and the sanitizers add to it.
  const uint64_t allowed = kPeakPerInputByte * bytes.size() + held + held / 4 + kPeakFixed;
  if (grown > allowed) {
    std::fprintf(stderr, "peak memory grew by %llu bytes for %zu input bytes and a picture of %llu\n",
                 static_cast<unsigned long long>(grown), bytes.size(), static_cast<unsigned long long>(held));
    std::abort();
  }
}

#ifdef TESSERA_FUZZ_JPEG
// A file loads at 1/8 as it does whole: every coefficient is decoded either way, so a file the
// whole decode accepts is accepted at 1/8, in a picture of each side an eighth rounded up.
void CheckScaledDecode(std::span<const uint8_t> bytes, bool whole_decoded) {
  try {
    const ScaledJpeg scaled = DecodeJpegScaled(MemorySource(bytes), PictureLimits{kSmallBudget},
                                               [](int32_t, int32_t) { return 8; });
    ReadEveryPixel(*scaled.picture);
    if (scaled.picture->width() != (scaled.width + 7) / 8 ||
        scaled.picture->height() != (scaled.height + 7) / 8)
      std::abort();
  } catch (const RuntimeError& error) {
    if (whole_decoded || (error.number() != err::kInvalidPicture && error.number() != err::kOutOfMemory))
      std::abort();
  }
}
#endif

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  if (size > (1 << 20)) return 0;
  const std::span bytes(data, size);
  const auto picture = DecodeOrRefuse(bytes, kSmallBudget);
  if (picture) ReadEveryPixel(*picture);
#ifdef TESSERA_FUZZ_JPEG
  CheckScaledDecode(bytes, picture != nullptr);
#endif
  CheckPeakMemory(bytes);
  return 0;
}
