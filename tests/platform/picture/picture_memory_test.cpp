#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <limits>

#include "error_number.hpp"
#include "tessera/platform/picture/picture.hpp"

namespace tessera::platform {
namespace {

using testing::ErrorNumberOf;

// Large pictures live on a mapping of their own, small ones in the heap: both start as zeros, and
// in either row order Row(0) is the top row and every row lies inside the picture's bytes.
TEST(PictureMemoryTest, PicturesOfEverySizeStartBlankWithTheirRowsInPlaceOrRunOutOfMemory) {
  for (const int32_t height : {3, 1000}) {  // 42 kB from the heap, 14 MB on a mapping of its own
    for (const RowOrder order : {RowOrder::kTopDown, RowOrder::kBottomUp}) {
      Picture picture(14000, height, PixelFormat::kIndexed8, {}, order);
      const std::span<uint8_t> bytes = picture.Bytes();
      ASSERT_EQ(bytes.size(), picture.stride() * static_cast<std::size_t>(height));
      EXPECT_TRUE(std::ranges::all_of(bytes, [](uint8_t byte) { return byte == 0; }));
      for (int32_t y = 0; y < height; ++y) picture.Row(y)[0] = static_cast<uint8_t>(y % 251 + 1);
      const std::size_t top = order == RowOrder::kTopDown ? 0 : bytes.size() - picture.stride();
      const std::size_t bottom = order == RowOrder::kTopDown ? bytes.size() - picture.stride() : 0;
      EXPECT_EQ(bytes[top], 1);
      EXPECT_EQ(bytes[bottom], (height - 1) % 251 + 1);
      const Picture moved = std::move(picture);
      EXPECT_EQ(moved.Row(height - 1)[0], (height - 1) % 251 + 1);
    }
  }
  const int32_t most = std::numeric_limits<int32_t>::max();
  EXPECT_EQ(ErrorNumberOf([&] { Picture(most, most, PixelFormat::kBgrx32); }), 7);
  EXPECT_EQ(ErrorNumberOf([&] { Picture(0, 5, PixelFormat::kBgr24); }), 5);
}

// Every span of up to three bytes, against a bit-by-bit reading, for rows with a single bit set
// or cleared: catches masks that are off by one at either end of a span.
TEST(BitSpanTest, AnswersEverySpanAsABitByBitReadingDoes) {
  for (int single = 0; single < 24; ++single) {
    for (const bool value : {true, false}) {
      std::array<uint8_t, 3> row{};
      row.fill(value ? 0x00 : 0xFF);
      row[single >> 3] ^= static_cast<uint8_t>(0x80 >> (single & 7));
      for (int32_t lo = 0; lo <= 24; ++lo) {
        for (int32_t hi = lo; hi <= 24; ++hi) {
          const bool expected = lo <= single && single < hi;
          EXPECT_EQ(AnyBitIs(row.data(), lo, hi, value), expected)
              << single << " in [" << lo << ", " << hi << ")";
        }
      }
    }
  }
}

}  // namespace
}  // namespace tessera::platform
