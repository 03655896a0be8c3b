// Loading a picture file: BMP or JPEG, told apart by the file's first bytes, not by its name.
#pragma once

#include <memory>
#include <span>
#include <string_view>

#include "tessera/export.hpp"
#include "tessera/platform/picture/bmp_decoder.hpp"
#include "tessera/platform/picture/loaded_picture.hpp"

namespace tessera::platform {

// The memory budget that the process's pictures share (picture_budget.hpp); a host may lower or
// raise `max_bytes` at any time, best at start.
TESSERA_API PictureLimits& DefaultPictureLimits() noexcept;

// Whether a canvas of `width` x `height` pixels, 4 bytes each, fits that budget: what a command,
// a batch canvas or a window may be before anything draws into it.
TESSERA_API bool CanvasFitsPictureBudget(uint64_t width, uint64_t height) noexcept;

enum class PictureKind : uint8_t { kBmp, kJpeg };

// The kind of picture `source` holds by its first bytes: 481 when it is neither.
PictureKind KindOf(const ByteSource& source);

// The picture file at the library path `path`, under the process's budget: 53 when the file is
// missing, 75 when it cannot be read, 481 when it is neither a BMP nor a JPEG, is broken or does
// not fit, 7 when memory runs out.
std::shared_ptr<LoadedPicture> LoadPicture(std::string_view path);

// The whole picture that bytes in memory hold, under a budget of its own; errors as above.
std::shared_ptr<Picture> DecodePicture(std::span<const uint8_t> bytes);

}  // namespace tessera::platform
