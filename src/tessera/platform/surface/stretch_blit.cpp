#include "tessera/platform/surface/stretch_blit.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <memory>

#include "tessera/platform/surface/binary_ops.hpp"

namespace tessera::platform {

namespace {

constexpr uint8_t kCopyTable = 0b1100;

// The destination pixels [first, first + count) of one axis, and for each of them the source
// pixels [spans[2i], spans[2i + 1]) that meet in it.
struct Axis {
  int32_t first = 0;
  int32_t count = 0;
  const int32_t* spans = nullptr;
  int32_t Lo(int32_t i) const { return spans[2 * i]; }
  int32_t Hi(int32_t i) const { return spans[2 * i + 1]; }
};

struct AxisRequest {
  double dest_pos, dest_extent, source_pos, source_extent;
  int32_t dest_size, source_size;
};

int64_t Clamp(double value, int64_t low, int64_t high) {
  if (!(value > static_cast<double>(low))) return low;  // also for NaN
  if (value > static_cast<double>(high)) return high;
  return static_cast<int64_t>(value);
}

// Pixels whose centre lies in [from, to): [ceil(from - 0.5), ceil(to - 0.5)), within [0, size).
std::pair<int64_t, int64_t> CentresIn(double from, double to, int64_t size) {
  return {Clamp(std::ceil(from - 0.5), 0, size), Clamp(std::ceil(to - 0.5), 0, size)};
}

bool MapAxis(const AxisRequest& request, bool combine, std::vector<int32_t>& spans, Axis& axis) {
  const double scale = request.source_extent / request.dest_extent;
  if (!std::isfinite(scale) || scale == 0) return false;
  const auto [i0, i1] =
      CentresIn(std::min(request.dest_pos, request.dest_pos + request.dest_extent),
                std::max(request.dest_pos, request.dest_pos + request.dest_extent), request.dest_size);
  const auto [j0, j1] = CentresIn(std::min(request.source_pos, request.source_pos + request.source_extent),
                                  std::max(request.source_pos, request.source_pos + request.source_extent),
                                  request.source_size);
  if (i0 >= i1 || j0 >= j1) return false;
  spans.resize(static_cast<std::size_t>(2 * (i1 - i0)));
  const bool shrinking = combine && std::abs(scale) > 1;
  int64_t first_valid = -1, last_valid = -1;
  for (int64_t i = i0; i < i1; ++i) {
    const double start = request.source_pos + (static_cast<double>(i) - request.dest_pos) * scale;
    // Clamped just past the source on either side, so that a far-off start stays an integer and
    // still reaches no pixel.
    const int64_t nearest = Clamp(std::floor(start + 0.5 * scale), -1, request.source_size);
    int64_t lo = nearest, hi = nearest + 1;
    if (shrinking) {
      const auto [a, b] = scale > 0 ? CentresIn(start, start + scale, request.source_size)
                                    : CentresIn(start + scale, start, request.source_size);
      if (a < b) lo = a, hi = b;
    }
    lo = std::max(lo, j0);
    hi = std::min(hi, j1);
    spans[static_cast<std::size_t>(2 * (i - i0))] = static_cast<int32_t>(lo);
    spans[static_cast<std::size_t>(2 * (i - i0) + 1)] = static_cast<int32_t>(hi);
    if (lo < hi) {
      if (first_valid < 0) first_valid = i;
      last_valid = i;
    }
  }
  if (first_valid < 0) return false;
  // The mapping is monotone, so the pixels that reach the source form one run.
  axis.first = static_cast<int32_t>(first_valid);
  axis.count = static_cast<int32_t>(last_valid - first_valid + 1);
  axis.spans = spans.data() + 2 * (first_valid - i0);
  return true;
}

using Palette = std::array<uint32_t, 256>;

Palette FullPalette(const Picture& source) {
  Palette colours{};
  for (std::size_t i = 0; i < colours.size(); ++i) colours[i] = source.PaletteColour(i);
  return colours;
}

uint32_t Bgr(const uint8_t* p) {
  return static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[1]) << 8 | p[0];
}

// The colour under each destination column's first source pixel in one source row.
void FetchNearest(const Picture& source, const Palette& palette, const uint8_t* row, const Axis& columns,
                  uint32_t* out) {
  switch (source.format()) {
    case PixelFormat::kIndexed1:
      for (int32_t x = 0; x < columns.count; ++x) {
        const int32_t c = columns.Lo(x);
        out[x] = palette[(row[c >> 3] >> (7 - (c & 7))) & 1];
      }
      return;
    case PixelFormat::kIndexed8:
      for (int32_t x = 0; x < columns.count; ++x) out[x] = palette[row[columns.Lo(x)]];
      return;
    case PixelFormat::kBgr24:
      for (int32_t x = 0; x < columns.count; ++x)
        out[x] = Bgr(row + 3 * static_cast<std::size_t>(columns.Lo(x)));
      return;
    case PixelFormat::kBgrx32:
      // B, G, R, X bytes read as one little-endian word are 0xXXRRGGBB.
      for (int32_t x = 0; x < columns.count; ++x) {
        uint32_t word;
        std::memcpy(&word, row + 4 * static_cast<std::size_t>(columns.Lo(x)), sizeof word);
        out[x] = word & kColourBits;
      }
      return;
  }
}

// The eight colours of each byte of a 1-bit row, most significant bit first.
using ByteColours = std::array<std::array<uint32_t, 8>, 256>;

void FillByteColours(const Palette& palette, ByteColours& colours) {
  for (std::size_t byte = 0; byte < 256; ++byte) {
    for (std::size_t bit = 0; bit < 8; ++bit) colours[byte][bit] = palette[(byte >> (7 - bit)) & 1];
  }
}

// A row copied 1:1 from source column `first`: whole bytes of a 1-bit row at a time, 32-bit rows
// as one loop the compiler can widen.
void FetchRun(const Picture& source, const Palette& palette, const ByteColours* bytes, const uint8_t* row,
              int32_t first, int32_t count, uint32_t* out) {
  switch (source.format()) {
    case PixelFormat::kIndexed1: {
      int32_t x = 0;
      for (; x < count && ((first + x) & 7) != 0; ++x)
        out[x] = palette[(row[(first + x) >> 3] >> (7 - ((first + x) & 7))) & 1];
      for (; x + 8 <= count; x += 8)
        std::memcpy(out + x, (*bytes)[row[(first + x) >> 3]].data(), 8 * sizeof(uint32_t));
      for (; x < count; ++x) out[x] = palette[(row[(first + x) >> 3] >> (7 - ((first + x) & 7))) & 1];
      return;
    }
    case PixelFormat::kIndexed8:
      for (int32_t x = 0; x < count; ++x) out[x] = palette[row[first + x]];
      return;
    case PixelFormat::kBgr24:
      for (int32_t x = 0; x < count; ++x) out[x] = Bgr(row + 3 * static_cast<std::size_t>(first + x));
      return;
    case PixelFormat::kBgrx32: {
      const uint8_t* from = row + 4 * static_cast<std::size_t>(first);
      for (int32_t x = 0; x < count; ++x) {
        uint32_t word;
        std::memcpy(&word, from + 4 * static_cast<std::size_t>(x), sizeof word);
        out[x] = word & kColourBits;
      }
      return;
    }
  }
}

struct Reduction {
  const Picture& source;
  const Axis& columns;
  bool use_and;  // else OR
  BlitScratch& scratch;
  std::size_t first_byte = 0;
};

// ANDs and ORs the raw bytes of source rows [lo, hi) over the bytes the columns read. The bytes of
// 24- and 32-bit rows are colour channels and those of a grey ramp grey levels, so combining the
// bytes combines the colours; a 1-bit row keeps both, to know which of its two colours occur.
void ReduceRows(Reduction& reduction, int32_t lo, int32_t hi) {
  const Picture& source = reduction.source;
  const int bits = BitsPerPixel(source.format());
  const Axis& columns = reduction.columns;
  const auto first_column = static_cast<std::size_t>(std::min(columns.Lo(0), columns.Lo(columns.count - 1)));
  const auto end_column = static_cast<std::size_t>(std::max(columns.Hi(0), columns.Hi(columns.count - 1)));
  const std::size_t begin = first_column * static_cast<std::size_t>(bits) / 8;
  const std::size_t end = (end_column * static_cast<std::size_t>(bits) + 7) / 8;
  reduction.first_byte = begin;
  const std::size_t size = end - begin;
  const bool need_and = reduction.use_and || source.format() == PixelFormat::kIndexed1;
  const bool need_or = !reduction.use_and || source.format() == PixelFormat::kIndexed1;
  auto& and_bytes = reduction.scratch.and_bytes;
  auto& or_bytes = reduction.scratch.or_bytes;
  if (need_and) and_bytes.assign(source.Row(lo) + begin, source.Row(lo) + end);
  if (need_or) or_bytes.assign(source.Row(lo) + begin, source.Row(lo) + end);
  for (int32_t y = lo + 1; y < hi; ++y) {
    const uint8_t* row = source.Row(y) + begin;
    if (need_and) {
      uint8_t* acc = and_bytes.data();
      for (std::size_t i = 0; i < size; ++i) acc[i] &= row[i];
    }
    if (need_or) {
      uint8_t* acc = or_bytes.data();
      for (std::size_t i = 0; i < size; ++i) acc[i] |= row[i];
    }
  }
}

template <std::size_t kBytes>
uint32_t CombineChannels(const uint8_t* bytes, int32_t lo, int32_t hi, bool use_and) {
  uint32_t value = use_and ? 0xFFFFFFFF : 0;
  for (int32_t c = lo; c < hi; ++c) {
    const uint32_t colour = Bgr(bytes + kBytes * static_cast<std::size_t>(c));
    value = use_and ? value & colour : value | colour;
  }
  return value & kColourBits;
}

// The combined colour of each destination column from the reduced rows.
void CombineColumns(const Reduction& reduction, const Palette& palette, uint32_t* out) {
  const Axis& columns = reduction.columns;
  const bool use_and = reduction.use_and;
  switch (reduction.source.format()) {
    case PixelFormat::kIndexed1: {
      const auto base = static_cast<int32_t>(reduction.first_byte * 8);
      const uint8_t* ands = reduction.scratch.and_bytes.data();
      const uint8_t* ors = reduction.scratch.or_bytes.data();
      for (int32_t x = 0; x < columns.count; ++x) {
        const int32_t lo = columns.Lo(x) - base, hi = columns.Hi(x) - base;
        const bool has_one = AnyBitIs(ors, lo, hi, true);
        const bool has_zero = AnyBitIs(ands, lo, hi, false);
        out[x] = use_and ? (has_zero ? palette[0] : kColourBits) & (has_one ? palette[1] : kColourBits)
                         : (has_zero ? palette[0] : 0) | (has_one ? palette[1] : 0);
      }
      return;
    }
    case PixelFormat::kIndexed8: {  // a grey ramp: the byte is the grey level
      const auto base = static_cast<int32_t>(reduction.first_byte);
      const uint8_t* bytes =
          (use_and ? reduction.scratch.and_bytes : reduction.scratch.or_bytes).data() - base;
      for (int32_t x = 0; x < columns.count; ++x) {
        uint8_t grey = bytes[columns.Lo(x)];
        for (int32_t c = columns.Lo(x) + 1; c < columns.Hi(x); ++c)
          grey = use_and ? static_cast<uint8_t>(grey & bytes[c]) : static_cast<uint8_t>(grey | bytes[c]);
        out[x] = grey * 0x010101u;
      }
      return;
    }
    case PixelFormat::kBgr24:
    case PixelFormat::kBgrx32: {
      const bool wide = reduction.source.format() == PixelFormat::kBgrx32;
      const uint8_t* bytes =
          (use_and ? reduction.scratch.and_bytes : reduction.scratch.or_bytes).data() - reduction.first_byte;
      for (int32_t x = 0; x < columns.count; ++x) {
        out[x] = wide ? CombineChannels<4>(bytes, columns.Lo(x), columns.Hi(x), use_and)
                      : CombineChannels<3>(bytes, columns.Lo(x), columns.Hi(x), use_and);
      }
      return;
    }
  }
}

// Any picture, any mode, colour by colour: averages, and AND or OR of a palette that is not a
// grey ramp.
void CombineByColour(const Picture& source, const Axis& columns, int32_t lo, int32_t hi, StretchMode mode,
                     BlitScratch& scratch, uint32_t* out) {
  if (mode == StretchMode::kHalftone) {
    auto& sums = scratch.sums;  // 64 bits: one pixel of a far shrink may average billions
    sums.assign(static_cast<std::size_t>(columns.count) * 3, 0);
    for (int32_t y = lo; y < hi; ++y) {
      for (int32_t x = 0; x < columns.count; ++x) {
        for (int32_t c = columns.Lo(x); c < columns.Hi(x); ++c) {
          const uint32_t colour = source.PixelAt(c, y);
          sums[3 * x] += colour >> 16 & 0xFF;
          sums[3 * x + 1] += colour >> 8 & 0xFF;
          sums[3 * x + 2] += colour & 0xFF;
        }
      }
    }
    for (int32_t x = 0; x < columns.count; ++x) {
      const uint64_t count =
          static_cast<uint64_t>(hi - lo) * static_cast<uint64_t>(columns.Hi(x) - columns.Lo(x));
      const auto channel = [&](int i) {
        return static_cast<uint32_t>((sums[3 * x + i] + count / 2) / count);
      };
      out[x] = channel(0) << 16 | channel(1) << 8 | channel(2);
    }
    return;
  }
  const bool use_and = mode == StretchMode::kAndScans;
  for (int32_t x = 0; x < columns.count; ++x) out[x] = use_and ? kColourBits : 0;
  for (int32_t y = lo; y < hi; ++y) {
    for (int32_t x = 0; x < columns.count; ++x) {
      for (int32_t c = columns.Lo(x); c < columns.Hi(x); ++c) {
        out[x] = use_and ? out[x] & source.PixelAt(c, y) : out[x] | source.PixelAt(c, y);
      }
    }
  }
}

void Emit(const uint32_t* colours, int32_t count, uint8_t op_table, uint32_t* dest) {
  if (op_table == kCopyTable) {
    std::memcpy(dest, colours, static_cast<std::size_t>(count) * sizeof(uint32_t));
    return;
  }
  for (int32_t x = 0; x < count; ++x) dest[x] = ApplyBinaryOp(op_table, colours[x], dest[x]);
}

// For an AND stretch that shrinks by 4 or more on both axes: the AND-reduced copy of the source
// with the largest factor that still shrinks, and the source rectangle in its pixels. Its blocks
// are aligned to the picture, so a dark line may move by less than one destination pixel.
const Picture* ReducedSource(const Picture& source, const BlitRect& to, BlitRect& from, StretchMode mode) {
  if (mode != StretchMode::kAndScans) return nullptr;
  const double shrink = std::min(std::abs(from.width / to.width), std::abs(from.height / to.height));
  if (!(shrink >= 4)) return nullptr;
  int factor = 4;
  while (factor < (1 << 30) && factor * 2 <= shrink) factor *= 2;
  for (; factor >= 4; factor /= 2) {
    if (const Picture* level = source.AndReduced(factor)) {
      from = {from.left / factor, from.top / factor, from.width / factor, from.height / factor};
      return level;
    }
  }
  return nullptr;
}

}  // namespace

void StretchBlit(PixelSurface dest, const Picture& source, const BlitRect& to, const BlitRect& from,
                 uint8_t op_table, StretchMode mode, BlitScratch& scratch) {
  BlitRect reduced_from = from;
  if (const Picture* reduced = ReducedSource(source, to, reduced_from, mode)) {
    StretchBlit(dest, *reduced, to, reduced_from, op_table, mode, scratch);
    return;
  }
  const bool combine = mode != StretchMode::kDeleteScans;
  Axis columns, rows;
  if (!MapAxis({to.left, to.width, from.left, from.width, dest.width, source.width()}, combine,
               scratch.columns, columns) ||
      !MapAxis({to.top, to.height, from.top, from.height, dest.height, source.height()}, combine,
               scratch.rows, rows)) {
    return;
  }
  const Palette palette = FullPalette(source);
  const bool by_bytes = mode == StretchMode::kAndScans || mode == StretchMode::kOrScans;
  const bool bytes_are_colours = source.format() != PixelFormat::kIndexed8 || source.IsGreyRamp();
  scratch.line.resize(static_cast<std::size_t>(columns.count));
  uint32_t* line = scratch.line.data();
  Reduction reduction{source, columns, mode == StretchMode::kAndScans, scratch};
  bool single_columns = true, one_to_one = true;
  for (int32_t x = 0; x < columns.count; ++x) {
    single_columns = single_columns && columns.Hi(x) - columns.Lo(x) == 1;
    one_to_one = one_to_one && columns.Lo(x) == columns.Lo(0) + x;
  }
  std::unique_ptr<ByteColours> byte_colours;  // for a 1-bit row copied 1:1
  if (one_to_one && source.format() == PixelFormat::kIndexed1) {
    byte_colours = std::make_unique<ByteColours>();
    FillByteColours(palette, *byte_colours);
  }
  int32_t line_row = -1;  // the source row whose pixels `line` holds, if any
  for (int32_t r = 0; r < rows.count; ++r) {
    const int32_t lo = rows.Lo(r), hi = rows.Hi(r);
    uint32_t* target = dest.pixels +
                       static_cast<std::size_t>(rows.first + r) * static_cast<std::size_t>(dest.width) +
                       columns.first;
    const bool single = single_columns && hi - lo == 1;
    if (single && one_to_one && op_table == kCopyTable) {
      FetchRun(source, palette, byte_colours.get(), source.Row(lo), columns.Lo(0), columns.count, target);
      continue;
    }
    if (single) {
      if (lo != line_row && one_to_one)
        FetchRun(source, palette, byte_colours.get(), source.Row(lo), columns.Lo(0), columns.count, line);
      if (lo != line_row && !one_to_one) FetchNearest(source, palette, source.Row(lo), columns, line);
      line_row = lo;  // an enlarged row repeats without being fetched again
    } else if (by_bytes && bytes_are_colours) {
      ReduceRows(reduction, lo, hi);
      CombineColumns(reduction, palette, line);
      line_row = -1;
    } else {
      CombineByColour(source, columns, lo, hi, mode, scratch, line);
      line_row = -1;
    }
    Emit(line, columns.count, op_table, target);
  }
}

}  // namespace tessera::platform
