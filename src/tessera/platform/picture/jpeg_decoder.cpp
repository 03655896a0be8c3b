#include "tessera/platform/picture/jpeg_decoder.hpp"

// clang-format off
#include <cstdio>
#include <jpeglib.h>
#include <jerror.h>
// clang-format on

#include <csetjmp>
#include <vector>

#include "tessera/platform/runtime/error.hpp"

namespace tessera::platform {

namespace {

// libjpeg reports failures by calling error_exit, which must not return: it jumps back to Decode.
struct ErrorManager {
  jpeg_error_mgr base{};
  std::jmp_buf jump{};
  int code = 0;
};

[[noreturn]] void ErrorExit(j_common_ptr info) {
  auto* errors = reinterpret_cast<ErrorManager*>(info->err);
  errors->code = info->err->msg_code;
  std::longjmp(errors->jump, 1);
}

// A file that ends early is decoded by libjpeg as grey with a warning; here it is a broken picture.
void EmitMessage(j_common_ptr info, int level) {
  if (level < 0 && info->err->msg_code == JWRN_JPEG_EOF) ErrorExit(info);
}

// Everything the decoding touches lives here, so that a jump back to Decode leaves no object of
// a skipped frame behind: ReadImage keeps nothing of its own that needs destroying.
struct Decoding {
  jpeg_decompress_struct info{};
  ErrorManager errors{};
  std::vector<uint8_t> bytes;
  std::vector<uint8_t> cmyk_row;
  std::unique_ptr<Picture> picture;
  int raised = 0;  // a run-time error raised by our own code during the decoding
};

// CMYK as Adobe writes it (inverted) or plain, to B, G, R.
void CmykRowToBgr(const uint8_t* cmyk, uint8_t* bgr, int32_t width, bool inverted) {
  for (int32_t x = 0; x < width; ++x) {
    const uint8_t* p = cmyk + 4 * static_cast<std::size_t>(x);
    const auto ink = [&](int i) { return inverted ? p[i] : 255 - p[i]; };
    const auto value = [&](int i) { return static_cast<uint8_t>((ink(i) * ink(3) + 127) / 255); };
    uint8_t* out = bgr + 3 * static_cast<std::size_t>(x);
    out[0] = value(2), out[1] = value(1), out[2] = value(0);
  }
}

void ReadImage(Decoding& d, const PictureLimits& limits) {
  jpeg_decompress_struct& info = d.info;
  jpeg_mem_src(&info, d.bytes.data(), static_cast<unsigned long>(d.bytes.size()));
  jpeg_read_header(&info, TRUE);
  if (static_cast<uint64_t>(info.image_width) * info.image_height > limits.max_pixels) {
    d.raised = err::kInvalidPicture;
    return;
  }
  const bool grey = info.jpeg_color_space == JCS_GRAYSCALE;
  const bool cmyk = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
  info.out_color_space = grey ? JCS_GRAYSCALE : cmyk ? JCS_CMYK : JCS_EXT_BGR;
  jpeg_start_decompress(&info);
  const auto width = static_cast<int32_t>(info.output_width),
             height = static_cast<int32_t>(info.output_height);
  try {
    d.picture = std::make_unique<Picture>(width, height, grey ? PixelFormat::kIndexed8 : PixelFormat::kBgr24,
                                          grey ? GreyRampPalette() : std::vector<uint32_t>{});
    if (cmyk) d.cmyk_row.resize(4 * static_cast<std::size_t>(width));
  } catch (const RuntimeError& error) {
    d.raised = error.number();
    return;
  } catch (const std::bad_alloc&) {
    d.raised = err::kOutOfMemory;
    return;
  }
  while (info.output_scanline < info.output_height) {
    const auto y = static_cast<int32_t>(info.output_scanline);
    JSAMPROW row = cmyk ? d.cmyk_row.data() : d.picture->Row(y);
    jpeg_read_scanlines(&info, &row, 1);
    if (cmyk) CmykRowToBgr(d.cmyk_row.data(), d.picture->Row(y), width, info.saw_Adobe_marker);
  }
  jpeg_finish_decompress(&info);
}

// Runs the decoding; false when libjpeg gave up.
bool Decode(Decoding& d, const PictureLimits& limits) {
  if (setjmp(d.errors.jump) != 0) return false;
  ReadImage(d, limits);
  return true;
}

}  // namespace

std::unique_ptr<Picture> DecodeJpeg(const ByteSource& source, const PictureLimits& limits) {
  auto d = std::make_unique<Decoding>();
  d->bytes = source.ReadAll();
  d->info.err = jpeg_std_error(&d->errors.base);
  d->errors.base.error_exit = ErrorExit;
  d->errors.base.emit_message = EmitMessage;
  jpeg_create_decompress(&d->info);
  const bool decoded = Decode(*d, limits);
  jpeg_destroy_decompress(&d->info);
  if (!decoded) Raise(d->errors.code == JERR_OUT_OF_MEMORY ? err::kOutOfMemory : err::kInvalidPicture);
  if (d->raised != 0) Raise(d->raised);
  return std::move(d->picture);
}

}  // namespace tessera::platform
