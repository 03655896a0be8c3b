#include <gtest/gtest.h>

#include <algorithm>
#include <limits>

#include "error_number.hpp"
#include "tessera/platform/picture/picture.hpp"

namespace tessera::platform {
namespace {

using testing::ErrorNumberOf;

// Large pictures live on a mapping of their own, small ones in the heap: both start as zeros, and
// in either row order Row(0) is the top row and every row lies inside the picture's bytes.
TEST(PictureMemoryTest, PicturesOfEverySizeStartBlankWithTheirRowsInPlace) {
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
}

TEST(PictureMemoryTest, ASizePastTheAddressSpaceRunsOutOfMemory) {
  const int32_t most = std::numeric_limits<int32_t>::max();
  EXPECT_EQ(ErrorNumberOf([&] { Picture(most, most, PixelFormat::kBgrx32); }), 7);
  EXPECT_EQ(ErrorNumberOf([&] { Picture(0, 5, PixelFormat::kBgr24); }), 5);
}

}  // namespace
}  // namespace tessera::platform
