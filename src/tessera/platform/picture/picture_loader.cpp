#include "tessera/platform/picture/picture_loader.hpp"

#include <array>

#include "tessera/platform/picture/jpeg_decoder.hpp"
#include "tessera/platform/runtime/error.hpp"

namespace tessera::platform {

namespace {

std::shared_ptr<Picture> Decode(const ByteSource& source) {
  std::array<uint8_t, 3> magic{};
  if (source.size() < magic.size()) Raise(err::kInvalidPicture);
  source.Read(0, magic);
  if (magic[0] == 'B' && magic[1] == 'M') return DecodeBmp(source, DefaultPictureLimits());
  if (magic[0] == 0xFF && magic[1] == 0xD8 && magic[2] == 0xFF)
    return DecodeJpeg(source, DefaultPictureLimits());
  Raise(err::kInvalidPicture);
}

}  // namespace

PictureLimits& DefaultPictureLimits() noexcept {
  static PictureLimits limits;
  return limits;
}

std::shared_ptr<Picture> LoadPicture(std::string_view path) {
  return Decode(*OpenFileSource(path));
}

std::shared_ptr<Picture> DecodePicture(std::span<const uint8_t> bytes) {
  return Decode(MemorySource(bytes));
}

}  // namespace tessera::platform
