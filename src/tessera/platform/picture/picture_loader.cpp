#include "tessera/platform/picture/picture_loader.hpp"

#include <array>

#include "tessera/platform/picture/jpeg_decoder.hpp"
#include "tessera/platform/runtime/error.hpp"

namespace tessera::platform {

PictureKind KindOf(const ByteSource& source) {
  std::array<uint8_t, 3> magic{};
  if (source.size() < magic.size()) Raise(err::kInvalidPicture);
  source.Read(0, magic);
  if (magic[0] == 'B' && magic[1] == 'M') return PictureKind::kBmp;
  if (magic[0] == 0xFF && magic[1] == 0xD8 && magic[2] == 0xFF) return PictureKind::kJpeg;
  Raise(err::kInvalidPicture);
}

PictureLimits& DefaultPictureLimits() noexcept {
  static PictureLimits limits;
  return limits;
}

bool CanvasFitsPictureBudget(uint64_t width, uint64_t height) noexcept {
  const uint64_t pixels = DefaultPictureLimits().max_bytes / 4;
  return width <= pixels && height <= pixels && (width == 0 || height <= pixels / width);
}

std::shared_ptr<LoadedPicture> LoadPicture(std::string_view path) {
  return LoadedPicture::Load(path);
}

std::shared_ptr<Picture> DecodePicture(std::span<const uint8_t> bytes) {
  const MemorySource source(bytes);
  const PictureLimits& limits = DefaultPictureLimits();
  if (KindOf(source) == PictureKind::kBmp) return DecodeBmp(source, limits);
  return DecodeJpeg(source, limits);
}

}  // namespace tessera::platform
