// The JPEG decoder, on libjpeg-turbo: baseline and progressive, greyscale, colour, CMYK and YCCK,
// restart markers. The stored pixel size counts; orientation tags are not applied.
//
// Greyscale becomes an 8-bit picture on the grey ramp, everything else 24-bit. Error 481 for a
// file the library rejects, and for every warning of libjpeg that means lost or corrupt pixels
// (a file cut short, with or without its end marker, a bad code, a broken progression). Before
// anything large is allocated, the file must be long enough for the blocks its header claims and
// the load must fit its budget (libjpeg's buffers included); while it is read, a file of more
// scans than any encoder writes, or of more work than its bytes can honestly ask for, is
// refused too. 7 when memory runs out.
#pragma once

#include <memory>

#include "tessera/platform/picture/byte_source.hpp"
#include "tessera/platform/picture/load_budget.hpp"
#include "tessera/platform/picture/picture.hpp"

namespace tessera::platform {

std::unique_ptr<Picture> DecodeJpeg(const ByteSource& source, const PictureLimits& limits);

}  // namespace tessera::platform
