#include "tessera/platform/picture/jpeg_source.hpp"

// clang-format off
#include <jerror.h>
// clang-format on

#include <algorithm>
#include <new>

#include "tessera/platform/runtime/error.hpp"

namespace tessera::platform {

namespace {

const JOCTET kEndMarker[] = {0xFF, JPEG_EOI};

JpegSource& ReaderOf(j_decompress_ptr info) {
  return *reinterpret_cast<JpegSource*>(info->src);
}

void InitSource(j_decompress_ptr) {}
void TermSource(j_decompress_ptr) {}

boolean FillInput(j_decompress_ptr info) {
  JpegSource& reader = ReaderOf(info);
  const uint64_t left = reader.source->size() - std::min(reader.offset, reader.source->size());
  if (left == 0) {
    WARNMS(info, JWRN_JPEG_EOF);
    reader.base.next_input_byte = kEndMarker;
    reader.base.bytes_in_buffer = sizeof kEndMarker;
    return TRUE;
  }
  const auto length = static_cast<std::size_t>(std::min<uint64_t>(left, reader.piece.size()));
  try {
    reader.source->Read(reader.offset, {reader.piece.data(), length});
  } catch (const RuntimeError& error) {
    reader.failure = error.number();
  }
  // Outside the handler: the error exit jumps, and must leave no exception half handled.
  if (reader.failure != 0) ERREXIT(info, JERR_FILE_READ);
  reader.offset += length;
  reader.base.next_input_byte = reader.piece.data();
  reader.base.bytes_in_buffer = length;
  return TRUE;
}

void SkipInput(j_decompress_ptr info, long count) {
  if (count <= 0) return;
  JpegSource& reader = ReaderOf(info);
  const auto skip = static_cast<uint64_t>(count);
  if (skip <= reader.base.bytes_in_buffer) {
    reader.base.next_input_byte += skip;
    reader.base.bytes_in_buffer -= skip;
    return;
  }
  reader.offset += skip - reader.base.bytes_in_buffer;
  reader.base.bytes_in_buffer = 0;
}

}  // namespace

void UseJpegSource(jpeg_decompress_struct& info, JpegSource& reader, const ByteSource& source) {
  try {
    reader.piece.resize(kJpegReadPiece);
  } catch (const std::bad_alloc&) {
    Raise(err::kOutOfMemory);
  }
  reader.source = &source;
  reader.base.init_source = InitSource;
  reader.base.fill_input_buffer = FillInput;
  reader.base.skip_input_data = SkipInput;
  reader.base.resync_to_restart = jpeg_resync_to_restart;
  reader.base.term_source = TermSource;
  info.src = &reader.base;
}

}  // namespace tessera::platform
