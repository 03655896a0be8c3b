#include "tessera/platform/picture/jpeg_decoder.hpp"

// clang-format off
#include <cstdio>
#include <jpeglib.h>
#include <jerror.h>
// clang-format on

#include <csetjmp>
#include <vector>

#include "tessera/platform/picture/jpeg_source.hpp"
#include "tessera/platform/runtime/error.hpp"

namespace tessera::platform {

namespace {

// Real files have up to a few dozen scans; libjpeg-turbo's maintainers found no real use for more
// than 100. Each scan walks every block of its components, however few bytes it has.
constexpr int kMaxScans = 100;
// A Huffman-coded file spends at least one bit on every block (its DC code), so a file shorter
// than an eighth of its blocks cannot hold them. Arithmetic coding can go below a bit, and is
// bounded by the work limit alone.
constexpr uint64_t kHuffmanBlocksPerByte = 8;
// The blocks the decoder may walk per byte of the file. An honest Huffman file of at most
// kMaxScans scans stays below 800; the limit stops files of empty scans, whose blocks cost
// nothing to write and about 4 ns each to read.
constexpr uint64_t kMaxBlocksPerByte = 1000;
// Row buffers of libjpeg per component: the input rows with their context above and below, the
// upsampled rows and the colour-converted ones, each as wide as the picture.
constexpr uint64_t kRowBuffers = 4;
// libjpeg's tables, marker lists and the like.
constexpr uint64_t kLibjpegFixed = uint64_t{1} << 20;

constexpr int kRefused = -1;  // our own refusal, not a libjpeg message

// libjpeg reports failures by calling error_exit, which must not return: it jumps back to Decode.
struct ErrorManager {
  jpeg_error_mgr base{};
  std::jmp_buf jump{};
  int code = 0;
  bool rows_read = false;  // every row is in the picture; bytes left before the end marker are padding
};

[[noreturn]] void Jump(j_common_ptr info, int code) {
  auto* errors = reinterpret_cast<ErrorManager*>(info->err);
  errors->code = code;
  std::longjmp(errors->jump, 1);
}

[[noreturn]] void ErrorExit(j_common_ptr info) {
  Jump(info, info->err->msg_code);
}

// libjpeg decodes a file cut short, or with a bad code, as grey with a warning; here that is a
// broken picture. Bytes skipped before a marker may be a whole lost scan, unless they come before
// the first scan (where writers leave padding between their tables) or after every row was read.
bool LosesData(const jpeg_decompress_struct& info, int code) {
  switch (code) {
    case JWRN_EXTRANEOUS_DATA:
      return info.input_scan_number > 0 && !reinterpret_cast<const ErrorManager*>(info.err)->rows_read;
    case JWRN_ARITH_BAD_CODE:
    case JWRN_BOGUS_PROGRESSION:
    case JWRN_HIT_MARKER:
    case JWRN_HUFF_BAD_CODE:
    case JWRN_JPEG_EOF:
    case JWRN_MUST_RESYNC:
    case JWRN_NOT_SEQUENTIAL:
    case JWRN_TOO_MUCH_DATA:
      return true;
    default:  // an unknown JFIF revision, Adobe transform or a bad ICC marker: the pixels are whole
      return false;
  }
}

void EmitMessage(j_common_ptr info, int level) {
  if (level < 0 && LosesData(*reinterpret_cast<j_decompress_ptr>(info), info->err->msg_code)) ErrorExit(info);
}

// While a file of several scans is read in (inside jpeg_start_decompress, an iMCU row at a time),
// counts the blocks its scans walk.
struct Progress {
  jpeg_progress_mgr base{};
  bool reading_scans = false;
  uint64_t blocks = 0;
  uint64_t block_limit = 0;
};

void MonitorProgress(j_common_ptr common) {
  auto* info = reinterpret_cast<j_decompress_ptr>(common);
  auto* progress = reinterpret_cast<Progress*>(info->progress);
  if (info->input_scan_number > kMaxScans) Jump(common, kRefused);
  if (!progress->reading_scans) return;
  for (int i = 0; i < info->comps_in_scan; ++i) {
    const jpeg_component_info& component = *info->cur_comp_info[i];
    progress->blocks += uint64_t{component.width_in_blocks} * static_cast<uint64_t>(component.v_samp_factor);
  }
  if (progress->blocks > progress->block_limit) Jump(common, kRefused);
}

// Everything the decoding touches lives here, so that a jump back to Decode leaves no object of
// a skipped frame behind: ReadImage keeps nothing of its own that needs destroying.
struct Decoding {
  Decoding(const ByteSource& source, const PictureLimits& limits, const JpegScale& scale)
      : source(source), budget(limits), scale(scale) {}

  const ByteSource& source;
  jpeg_decompress_struct info{};
  ErrorManager errors{};
  Progress progress{};
  JpegSource reader{};
  LoadBudget budget;
  const JpegScale& scale;
  std::vector<uint8_t> cmyk_row;
  std::unique_ptr<Picture> picture;
  int raised = 0;  // a run-time error raised by our own code during the decoding
};

uint64_t RoundUp(uint64_t value, int step) {
  const auto unit = static_cast<uint64_t>(step);
  return (value + unit - 1) / unit * unit;
}

uint64_t Blocks(const jpeg_decompress_struct& info) {
  uint64_t blocks = 0;
  for (int c = 0; c < info.num_components; ++c)
    blocks += uint64_t{info.comp_info[c].width_in_blocks} * info.comp_info[c].height_in_blocks;
  return blocks;
}

// What libjpeg allocates for the picture: for a file of several scans the coefficients of every
// block (in whole MCUs), and rows of every component.
uint64_t LibjpegBytes(const jpeg_decompress_struct& info, bool coefficients) {
  uint64_t bytes = kLibjpegFixed;
  for (int c = 0; c < info.num_components; ++c) {
    const jpeg_component_info& component = info.comp_info[c];
    if (coefficients) {
      bytes += RoundUp(component.width_in_blocks, component.h_samp_factor) *
               RoundUp(component.height_in_blocks, component.v_samp_factor) * sizeof(JBLOCK);
    }
    bytes += uint64_t{component.width_in_blocks} * DCTSIZE * DCTSIZE *
             static_cast<uint64_t>(info.max_v_samp_factor) * kRowBuffers;
  }
  return bytes;
}

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

// Counts the picture and libjpeg's buffers against the budget, and tells libjpeg its share; false
// with `d.raised` set when the file cannot hold its blocks or the load does not fit.
bool Afford(Decoding& d, PixelFormat format, bool cmyk) {
  jpeg_decompress_struct& info = d.info;
  const uint64_t per_byte = info.arith_code ? kMaxBlocksPerByte : kHuffmanBlocksPerByte;
  if (Blocks(info) > per_byte * d.source.size()) {
    d.raised = err::kInvalidPicture;
    return false;
  }
  const uint64_t libjpeg = LibjpegBytes(info, jpeg_has_multiple_scans(&info));
  try {
    d.budget.Take(PictureBytes(static_cast<int32_t>(info.output_width),
                               static_cast<int32_t>(info.output_height), format));
    d.budget.Take(libjpeg);
    if (cmyk) d.budget.Take(uint64_t{4} * info.image_width);
  } catch (const RuntimeError& error) {
    d.raised = error.number();
    return false;
  }
  // libjpeg then refuses coefficient buffers past what was counted for it.
  info.mem->max_memory_to_use = static_cast<long>(libjpeg);
  return true;
}

void ReadImage(Decoding& d) {
  jpeg_decompress_struct& info = d.info;
  jpeg_read_header(&info, TRUE);
  info.scale_num = 1;
  info.scale_denom = static_cast<unsigned>(
      d.scale(static_cast<int32_t>(info.image_width), static_cast<int32_t>(info.image_height)));
  jpeg_calc_output_dimensions(&info);
  const bool grey = info.jpeg_color_space == JCS_GRAYSCALE;
  const bool cmyk = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
  const PixelFormat format = grey ? PixelFormat::kIndexed8 : PixelFormat::kBgr24;
  if (!Afford(d, format, cmyk)) return;
  info.out_color_space = grey ? JCS_GRAYSCALE : cmyk ? JCS_CMYK : JCS_EXT_BGR;
  d.progress.reading_scans = jpeg_has_multiple_scans(&info);
  jpeg_start_decompress(&info);
  d.progress.reading_scans = false;
  const auto width = static_cast<int32_t>(info.output_width),
             height = static_cast<int32_t>(info.output_height);
  try {
    d.picture =
        std::make_unique<Picture>(width, height, format, grey ? GreyRampPalette() : std::vector<uint32_t>{});
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
  d.errors.rows_read = true;
  jpeg_finish_decompress(&info);
}

// Runs the decoding; false when libjpeg gave up or the file was refused while it was read.
bool Decode(Decoding& d) {
  if (setjmp(d.errors.jump) != 0) return false;
  ReadImage(d);
  return true;
}

}  // namespace

ScaledJpeg DecodeJpegScaled(const ByteSource& source, const PictureLimits& limits, const JpegScale& scale) {
  auto d = std::make_unique<Decoding>(source, limits, scale);
  d->budget.Take(kJpegReadPiece);
  d->info.err = jpeg_std_error(&d->errors.base);
  d->errors.base.error_exit = ErrorExit;
  d->errors.base.emit_message = EmitMessage;
  jpeg_create_decompress(&d->info);
  try {
    UseJpegSource(d->info, d->reader, source);
  } catch (...) {
    jpeg_destroy_decompress(&d->info);
    throw;
  }
  d->progress.base.progress_monitor = MonitorProgress;
  d->progress.block_limit = kMaxBlocksPerByte * source.size();
  d->info.progress = &d->progress.base;
  const bool decoded = Decode(*d);
  const auto width = static_cast<int32_t>(d->info.image_width),
             height = static_cast<int32_t>(d->info.image_height);
  jpeg_destroy_decompress(&d->info);
  if (d->reader.failure != 0) Raise(d->reader.failure);
  if (!decoded) Raise(d->errors.code == JERR_OUT_OF_MEMORY ? err::kOutOfMemory : err::kInvalidPicture);
  if (d->raised != 0) Raise(d->raised);
  return {std::move(d->picture), width, height};
}

std::unique_ptr<Picture> DecodeJpeg(const ByteSource& source, const PictureLimits& limits) {
  return DecodeJpegScaled(source, limits, [](int32_t, int32_t) { return 1; }).picture;
}

}  // namespace tessera::platform
