// The JPEG decoder, on libjpeg-turbo: baseline and progressive, greyscale, colour, CMYK and YCCK,
// restart markers. The stored pixel size counts; orientation tags are not applied.
//
// Greyscale becomes an 8-bit picture on the grey ramp, everything else 24-bit. A file the library
// rejects, one cut short, or one past the pixel limit is error 481; 7 when memory runs out.
#pragma once

#include <memory>

#include "tessera/platform/picture/bmp_decoder.hpp"

namespace tessera::platform {

std::unique_ptr<Picture> DecodeJpeg(const ByteSource& source, const PictureLimits& limits);

}  // namespace tessera::platform
