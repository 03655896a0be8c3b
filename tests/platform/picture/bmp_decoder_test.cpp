#include "tessera/platform/picture/bmp_decoder.hpp"

#include <gtest/gtest.h>

#include <algorithm>

#include "bmp_builder.hpp"
#include "error_number.hpp"
#include "lonely_fifo.hpp"
#include "support/temp_dir.hpp"
#include "tessera/platform/picture/picture_loader.hpp"

namespace tessera::platform {
namespace {

using testing::BmpLayout;
using testing::BuildBmp;
using testing::ErrorNumberOf;

std::unique_ptr<Picture> Decode(const BmpLayout& layout, PictureLimits limits = {}) {
  const std::vector<uint8_t> file = BuildBmp(layout);
  return DecodeBmp(MemorySource(file), limits);
}

int32_t DecodeError(const BmpLayout& layout, PictureLimits limits = {}) {
  return ErrorNumberOf([&] { Decode(layout, limits); });
}

// Rows of `stride` bytes, bottom row first, each from `row(y)` for picture row y.
template <typename Row>
std::vector<uint8_t> BottomUp(int32_t height, std::size_t stride, Row row) {
  std::vector<uint8_t> bytes;
  for (int32_t y = height - 1; y >= 0; --y) {
    std::vector<uint8_t> line = row(y);
    line.resize(stride, 0);
    bytes.insert(bytes.end(), line.begin(), line.end());
  }
  return bytes;
}

TEST(BmpDecoderTest, OneBitStaysOneBitInEveryHeaderVersion) {
  for (uint32_t header : {12u, 40u, 108u, 124u}) {
    BmpLayout layout{header, 10, 3, 1, 0, {0x112233, 0xFFEEDD}, {}, {}};
    layout.pixels = BottomUp(3, 4, [](int32_t y) {
      return std::vector<uint8_t>{static_cast<uint8_t>(0xA5 >> y), 0x40};
    });
    const auto picture = Decode(layout);
    ASSERT_EQ(picture->format(), PixelFormat::kIndexed1) << header;
    EXPECT_EQ(picture->ByteSize(), 12u);
    for (int32_t y = 0; y < 3; ++y) {
      for (int32_t x = 0; x < 8; ++x) {
        const bool set = ((0xA5 >> y) >> (7 - x)) & 1;
        ASSERT_EQ(picture->PixelAt(x, y), set ? 0xFFEEDDu : 0x112233u) << header << ": " << x << "," << y;
      }
      EXPECT_EQ(picture->PixelAt(9, y), 0xFFEEDDu);
    }
  }
}

TEST(BmpDecoderTest, FourAndEightBitBecomeIndexedBytesWithShortPalettes) {
  BmpLayout four{40, 5, 2, 4, 0, {0x000010, 0x000020, 0x000030}, {}, {}};
  four.pixels = BottomUp(2, 4, [](int32_t y) {
    return std::vector<uint8_t>{0x01, 0x20, static_cast<uint8_t>(y << 4)};
  });
  const auto picture = Decode(four);
  ASSERT_EQ(picture->format(), PixelFormat::kIndexed8);
  EXPECT_EQ(picture->PixelAt(1, 0), 0x000020u);
  EXPECT_EQ(picture->PixelAt(2, 1), 0x000030u);
  EXPECT_EQ(picture->PixelAt(4, 1), 0x000020u);
  four.pixels[0] = 0x05;  // index 5 of a palette of 3
  EXPECT_EQ(DecodeError(four), err::kInvalidPicture);

  BmpLayout eight{40, 3, -2, 8, 0, {0x0000FF, 0x00FF00, 0xFF0000}, {}, {0, 1, 2, 0, 2, 2, 1, 0}};  // top-down
  const auto top_down = Decode(eight);
  EXPECT_EQ(top_down->PixelAt(1, 0), 0x00FF00u);
  EXPECT_EQ(top_down->PixelAt(0, 1), 0xFF0000u);
}

TEST(BmpDecoderTest, SixteenBitPixelsFollowTheirMasksAndWiderOnesKeepTheirColours) {
  const uint16_t white555 = 0x7FFF, red565 = 0xF800, green555 = 0x03E0;
  BmpLayout plain{40, 2, 1, 16, 0, {}, {}, {}};
  testing::Put16(plain.pixels, white555);
  testing::Put16(plain.pixels, green555);
  auto picture = Decode(plain);
  ASSERT_EQ(picture->format(), PixelFormat::kBgr24);
  EXPECT_EQ(picture->PixelAt(0, 0), 0xFFFFFFu);
  EXPECT_EQ(picture->PixelAt(1, 0), 0x00FF00u);

  for (uint32_t header : {40u, 56u}) {
    BmpLayout fields{header, 2, 1, 16, 3, {}, {0xF800, 0x07E0, 0x001F}, {}};
    testing::Put16(fields.pixels, red565);
    testing::Put16(fields.pixels, 0x0410);
    picture = Decode(fields);
    EXPECT_EQ(picture->PixelAt(0, 0), 0xFF0000u) << header;
    EXPECT_EQ(picture->PixelAt(1, 0), 0x008284u) << header;  // 32 of 63 green, 16 of 31 blue
  }
  BmpLayout wide{40, 3, 2, 24, 0, {}, {}, {}};
  wide.pixels = BottomUp(
      2, 12, [](int32_t y) { return std::vector<uint8_t>{1, 2, static_cast<uint8_t>(y), 4, 5, 6, 7, 8, 9}; });
  picture = Decode(wide);
  EXPECT_EQ(picture->PixelAt(0, 1), 0x010201u);
  EXPECT_EQ(picture->PixelAt(2, 0), 0x090807u);

  BmpLayout rgbx{124, 1, 1, 32, 0, {}, {}, {0x10, 0x20, 0x30, 0x99}};
  EXPECT_EQ(Decode(rgbx)->PixelAt(0, 0), 0x302010u);
  BmpLayout swapped{40, 1, 1, 32, 3, {}, {0x000000FF, 0x0000FF00, 0x00FF0000}, {0x10, 0x20, 0x30, 0x00}};
  EXPECT_EQ(Decode(swapped)->PixelAt(0, 0), 0x102030u);
}

TEST(BmpDecoderTest, RunLengthStreamsWithEveryEscapeClippedToTheirRows) {
  // 6 x 3, bottom-up: row 2 (bottom) "1 1 1 2 0 3" by a run, an absolute run of 2 and a run;
  // row 1 skipped by end of line; row 0: a delta of 4 to the right, then one pixel, end of bitmap.
  BmpLayout rle8{40, 6, 3, 8, 1, {0, 0x0000AA, 0x00BB00, 0xCC0000}, {}, {}};
  rle8.pixels = {3, 1, 0, 3, 2, 0, 3, 0, 0, 0, 0, 0, 0, 2, 4, 0, 1, 2, 0, 1};
  auto picture = Decode(rle8);
  const uint32_t expected_bottom[] = {0x0000AA, 0x0000AA, 0x0000AA, 0x00BB00, 0, 0xCC0000};
  for (int32_t x = 0; x < 6; ++x) EXPECT_EQ(picture->PixelAt(x, 2), expected_bottom[x]) << x;
  EXPECT_EQ(picture->PixelAt(3, 1), 0u);
  EXPECT_EQ(picture->PixelAt(4, 0), 0x00BB00u);

  BmpLayout rle4{40, 5, 1, 4, 2, {0, 0x000011, 0x000022}, {}, {5, 0x12, 0, 1}};
  picture = Decode(rle4);
  const uint32_t expected_nibbles[] = {0x11, 0x22, 0x11, 0x22, 0x11};
  for (int32_t x = 0; x < 5; ++x) EXPECT_EQ(picture->PixelAt(x, 0), expected_nibbles[x]) << x;
  rle4.pixels = {1, 0x30, 0, 1};  // index 3 of a palette of 3
  EXPECT_EQ(DecodeError(rle4), err::kInvalidPicture);
  // Encoders pad rows with runs that spill past them and leave out the end code; the stream is
  // clipped to each row, and ends where its data or its picture ends.
  const std::vector<uint32_t> palette{0, 0x0000AA, 0x00BB00};
  struct Case {
    const char* what;
    std::vector<uint8_t> stream;  // 4 x 2, bottom row first
    uint32_t bottom[4], top[4];
  } cases[] = {
      {"a run past the row", {7, 1, 0, 0, 1, 2, 0, 1}, {0xAA, 0xAA, 0xAA, 0xAA}, {0xBB00, 0, 0, 0}},
      {"a literal block past the row",
       {0, 5, 1, 2, 1, 2, 1, 0, 0, 0, 1, 2},
       {0xAA, 0xBB00, 0xAA, 0xBB00},
       {0xBB00, 0, 0, 0}},
      {"no end of bitmap", {2, 1, 0, 0, 1, 2}, {0xAA, 0xAA, 0, 0}, {0xBB00, 0, 0, 0}},
      {"a literal block cut short", {0, 0, 0, 4, 1, 2}, {0, 0, 0, 0}, {0, 0, 0, 0}},
      {"a delta past the last row", {1, 1, 0, 2, 1, 5, 1, 2}, {0xAA, 0, 0, 0}, {0, 0, 0, 0}},
      {"a delta past the row's end", {0, 2, 9, 0, 2, 2, 0, 0, 1, 1}, {0, 0, 0, 0}, {0xAA, 0, 0, 0}},
  };
  for (const Case& c : cases) {
    const auto picture = Decode({40, 4, 2, 8, 1, palette, {}, c.stream});
    for (int32_t x = 0; x < 4; ++x) {
      EXPECT_EQ(picture->PixelAt(x, 1), c.bottom[x]) << c.what << " " << x;
      EXPECT_EQ(picture->PixelAt(x, 0), c.top[x]) << c.what << " " << x;
    }
  }
}

// A file is refused for what its header claims before the picture is allocated: a pixel array
// longer than the file under a budget that would allow it, or a picture past the budget.
TEST(BmpDecoderTest, ClaimsTheFileCannotHoldOrTheBudgetCannotAffordAreInvalid) {
  const PictureLimits unlimited{uint64_t{1} << 46};
  EXPECT_EQ(DecodeError({40, 23170, 23170, 32, 0, {}, {}, std::vector<uint8_t>(64, 0)}, unlimited),
            err::kInvalidPicture);
  const BmpLayout rle{40, 1000, 1000, 8, 1, {0, 0xFF}, {}, {0, 1}};
  EXPECT_EQ(DecodeError(rle, PictureLimits{1000 * 1000 - 1}), err::kInvalidPicture);
  EXPECT_EQ(Decode(rle, PictureLimits{1000 * 1000 + 4})->PixelAt(999, 999), 0u);
}

// An A0 plan scanned at 600 and at 1 200 dpi in one bit: 70 and 280 MB at their own depth, read
// from a sparse file of blank rows.
TEST(BmpDecoderTest, OneBitA0ScansFitTheDefaultBudget) {
  const tessera::testing::TempDir dir;
  for (const auto& [width, height] : {std::pair{19866, 28087}, std::pair{39732, 56174}}) {
    const std::vector<uint8_t> header = BuildBmp({40, width, height, 1, 0, {0, 0xFFFFFF}, {}, {}});
    tessera::testing::WriteBytes(dir.path() / "scan.bmp", std::string(header.begin(), header.end()));
    const uint64_t stride = (static_cast<uint32_t>(width) + 31) / 32 * 4;
    std::filesystem::resize_file(dir.path() / "scan.bmp",
                                 header.size() + stride * static_cast<uint64_t>(height));
    const auto picture = DecodeBmp(*OpenFileSource(dir.File("scan.bmp")), PictureLimits{});
    EXPECT_EQ(picture->height(), height);
    EXPECT_EQ(picture->PixelAt(width - 1, 0), 0u);
  }
}

TEST(BmpDecoderTest, BrokenFilesAreInvalidPicturesNeverReadsPastTheirEnd) {
  BmpLayout good{40, 4, 4, 24, 0, {}, {}, std::vector<uint8_t>(48, 0x7F)};
  ASSERT_NE(Decode(good), nullptr);

  // Cut short, an odd header size, eight bits without a palette, seven bits.
  for (const BmpLayout& broken : {BmpLayout{40, 4, 4, 24, 0, {}, {}, std::vector<uint8_t>(47, 0x7F)},
                                  BmpLayout{44, 4, 4, 24, 0, {}, {}, good.pixels},
                                  BmpLayout{40, 8, 1, 8, 0, {}, {}, std::vector<uint8_t>(8, 0)},
                                  BmpLayout{40, 4, 4, 7, 0, {}, {}, good.pixels}}) {
    EXPECT_EQ(DecodeError(broken), err::kInvalidPicture) << broken.header_size << " " << broken.bits;
  }
  EXPECT_EQ(DecodeError(good, PictureLimits{47}), err::kInvalidPicture);  // 48 bytes over a budget of 47

  std::vector<uint8_t> file = BuildBmp(good);
  for (std::size_t length : {0u, 2u, 20u, 53u}) {
    EXPECT_EQ(ErrorNumberOf([&] { DecodePicture(std::span(file).first(length)); }), err::kInvalidPicture)
        << length;
  }
}

TEST(PictureLoaderTest, FilesAreKnownByTheirContentAndTheirErrorsByTheFileSystem) {
  tessera::testing::TempDir dir;
  const BmpLayout layout{40, 2, 2, 24, 0, {}, {}, std::vector<uint8_t>(16, 0x40)};
  const std::vector<uint8_t> bytes = BuildBmp(layout);
  tessera::testing::WriteBytes(dir.path() / "plan.jpg",
                               std::string(bytes.begin(), bytes.end()));  // a misnamed BMP
  EXPECT_EQ(LoadPicture(dir.File("plan.jpg"))->Full()->PixelAt(1, 1), 0x404040u);
  tessera::testing::WriteBytes(dir.path() / "notes.bmp", "BX not a picture");
  EXPECT_EQ(ErrorNumberOf([&] { LoadPicture(dir.File("notes.bmp")); }), err::kInvalidPicture);
  EXPECT_EQ(ErrorNumberOf([&] { LoadPicture(dir.File("missing.bmp")); }), err::kFileNotFound);
  EXPECT_EQ(ErrorNumberOf([&] { LoadPicture(dir.path().string()); }), err::kPathFileAccessError);
  const testing::LonelyFifo fifo(dir.File("pipe.bmp"));  // refused without waiting for a writer
  EXPECT_TRUE(fifo.Returns(
      [&] { EXPECT_EQ(ErrorNumberOf([&] { LoadPicture(fifo.path()); }), err::kPathFileAccessError); }));
}

}  // namespace
}  // namespace tessera::platform
