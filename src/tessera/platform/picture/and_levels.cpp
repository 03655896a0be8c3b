// The AND-reduced copies of a picture behind Picture::AndReduced.
#include <algorithm>
#include <cstring>

#include "tessera/platform/picture/picture.hpp"

namespace tessera::platform {

namespace {

// How a 1-bit picture's bits combine so that the reduced bit names the AND of the colours: when
// colour 0 is the AND of both, a block with any 0 is 0; when colour 1 is, a block with any 1 is 1.
enum class BitRule { kNone, kZeroWins, kOneWins };

BitRule RuleOf(const Picture& picture) {
  if (picture.format() != PixelFormat::kIndexed1) return BitRule::kNone;
  const uint32_t both = picture.PaletteColour(0) & picture.PaletteColour(1);
  if (both == picture.PaletteColour(0)) return BitRule::kZeroWins;
  if (both == picture.PaletteColour(1)) return BitRule::kOneWins;
  return BitRule::kNone;
}

bool CanReduce(const Picture& picture) {
  switch (picture.format()) {
    case PixelFormat::kIndexed1:
      return RuleOf(picture) != BitRule::kNone;
    case PixelFormat::kIndexed8:
      return picture.IsGreyRamp();
    default:
      return true;
  }
}

// Rows [lo, hi) of `from` combined byte by byte: AND, or OR for a 1-bit picture whose ones win.
void CombineRows(const Picture& from, int32_t lo, int32_t hi, bool use_or, std::vector<uint8_t>& out) {
  out.assign(from.Row(lo), from.Row(lo) + from.stride());
  for (int32_t y = lo + 1; y < hi; ++y) {
    const uint8_t* row = from.Row(y);
    for (std::size_t i = 0; i < out.size(); ++i) out[i] = use_or ? out[i] | row[i] : out[i] & row[i];
  }
}

void ReduceRow(const Picture& from, const std::vector<uint8_t>& rows, int factor, BitRule rule, uint8_t* out,
               int32_t width) {
  for (int32_t x = 0; x < width; ++x) {
    const int32_t lo = x * factor, hi = std::min(lo + factor, from.width());
    switch (from.format()) {
      case PixelFormat::kIndexed1: {
        const bool bit = rule == BitRule::kZeroWins ? !AnyBitIs(rows.data(), lo, hi, false)
                                                    : AnyBitIs(rows.data(), lo, hi, true);
        if (bit) out[x >> 3] |= static_cast<uint8_t>(0x80 >> (x & 7));
        break;
      }
      case PixelFormat::kIndexed8: {
        uint8_t grey = 0xFF;
        for (int32_t c = lo; c < hi; ++c) grey &= rows[static_cast<std::size_t>(c)];
        out[x] = grey;
        break;
      }
      case PixelFormat::kBgr24:
      case PixelFormat::kBgrx32: {
        const std::size_t size = from.format() == PixelFormat::kBgr24 ? 3 : 4;
        uint8_t* pixel = out + size * static_cast<std::size_t>(x);
        std::memset(pixel, 0xFF, size);
        for (int32_t c = lo; c < hi; ++c) {
          for (std::size_t i = 0; i < size; ++i) pixel[i] &= rows[size * static_cast<std::size_t>(c) + i];
        }
        break;
      }
    }
  }
}

std::unique_ptr<Picture> Reduce(const Picture& from, int factor) {
  // Rounded up without adding first: a 1-bit row may be nearly 2^31 pixels wide.
  const int32_t width = from.width() / factor + (from.width() % factor != 0 ? 1 : 0);
  const int32_t height = from.height() / factor + (from.height() % factor != 0 ? 1 : 0);
  std::vector<uint32_t> palette(from.palette().begin(), from.palette().end());
  auto level = std::make_unique<Picture>(width, height, from.format(), std::move(palette));
  const BitRule rule = RuleOf(from);
  std::vector<uint8_t> rows;
  for (int32_t y = 0; y < height; ++y) {
    CombineRows(from, y * factor, std::min((y + 1) * factor, from.height()), rule == BitRule::kOneWins, rows);
    ReduceRow(from, rows, factor, rule, level->Row(y), width);
  }
  return level;
}

}  // namespace

const Picture* Picture::AndReduced(int factor) const {
  if (factor < 4 || (factor & (factor - 1)) != 0 || !CanReduce(*this)) return nullptr;
  // Level n has the factor 4 << n; each is made from the one before it.
  std::size_t index = 0;
  for (int f = 4; f < factor; f *= 2) ++index;
  while (and_levels_.size() <= index) {
    const Picture& from = and_levels_.empty() ? *this : *and_levels_.back();
    if (from.width() == 1 && from.height() == 1) return nullptr;  // reduced as far as it goes
    and_levels_.push_back(Reduce(from, and_levels_.empty() ? 4 : 2));
  }
  return and_levels_[index].get();
}

}  // namespace tessera::platform
