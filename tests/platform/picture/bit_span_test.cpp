#include <gtest/gtest.h>

#include <array>

#include "tessera/platform/picture/picture.hpp"

namespace tessera::platform {
namespace {

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
