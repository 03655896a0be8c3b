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
//
// The picture may be decoded at 1/2, 1/4 or 1/8 of its size by libjpeg's DCT scaling, each side
// rounded up: every coefficient of the file is still decoded, so a broken file is refused at any
// scale, while the picture and the time of its inverse transforms shrink.
//
// The file is read a piece at a time as it is decoded; errors of reading it (75, or 481 for a
// file that shrank) are raised as they come.
#pragma once

#include <functional>
#include <memory>

#include "tessera/platform/picture/byte_source.hpp"
#include "tessera/platform/picture/load_budget.hpp"
#include "tessera/platform/picture/picture.hpp"

namespace tessera::platform {

std::unique_ptr<Picture> DecodeJpeg(const ByteSource& source, const PictureLimits& limits);

struct ScaledJpeg {
  std::unique_ptr<Picture> picture;
  int32_t width;  // the file's own size
  int32_t height;
};

// The picture at 1/denominator of its size, the denominator (1, 2, 4 or 8) chosen by `scale`
// from the size the file's header gives.
using JpegScale = std::function<int(int32_t width, int32_t height)>;
ScaledJpeg DecodeJpegScaled(const ByteSource& source, const PictureLimits& limits, const JpegScale& scale);

}  // namespace tessera::platform
