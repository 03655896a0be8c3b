// Loading a picture file: BMP or JPEG, told apart by the file's first bytes, not by its name.
#pragma once

#include <memory>
#include <span>
#include <string_view>

#include "tessera/platform/picture/bmp_decoder.hpp"

namespace tessera::platform {

// The memory budget every load applies; a host may lower or raise it at start.
PictureLimits& DefaultPictureLimits() noexcept;

// The picture in the file at the library path `path`: 53 when the file is missing, 75 when it
// cannot be read, 481 when it is neither a BMP nor a JPEG or is broken, 7 when memory runs out.
std::shared_ptr<Picture> LoadPicture(std::string_view path);

// The same for bytes in memory.
std::shared_ptr<Picture> DecodePicture(std::span<const uint8_t> bytes);

}  // namespace tessera::platform
