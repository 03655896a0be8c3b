#include "tessera/platform/picture/jpeg_decoder.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "error_number.hpp"
#include "jpeg_builder.hpp"
#include "tessera/platform/picture/picture_loader.hpp"

namespace tessera::platform {
namespace {

using testing::EncodeJpeg;
using testing::ErrorNumberOf;
using testing::JpegLayout;
using testing::Sample;

std::unique_ptr<Picture> Decode(const std::vector<uint8_t>& bytes, PictureLimits limits = {}) {
  return DecodeJpeg(MemorySource(bytes), limits);
}

// The file with the picture size in its frame header replaced.
std::vector<uint8_t> Claiming(std::vector<uint8_t> bytes, uint16_t width, uint16_t height) {
  for (std::size_t i = 0; i + 9 < bytes.size(); ++i) {
    if (bytes[i] == 0xFF && (bytes[i + 1] == 0xC0 || bytes[i + 1] == 0xC2 || bytes[i + 1] == 0xCA)) {
      bytes[i + 5] = static_cast<uint8_t>(height >> 8), bytes[i + 6] = static_cast<uint8_t>(height);
      bytes[i + 7] = static_cast<uint8_t>(width >> 8), bytes[i + 8] = static_cast<uint8_t>(width);
      return bytes;
    }
  }
  ADD_FAILURE() << "no frame header";
  return bytes;
}

// A progressive grey 8 x 8 file followed by `count` scans that are valid but add nothing: each
// an AC scan of the one block whose code (a table of one one-bit code) says "end of block".
std::vector<uint8_t> WithEmptyScans(std::size_t count) {
  std::vector<uint8_t> bytes = EncodeJpeg({8, 8, JCS_GRAYSCALE, true});
  bytes.erase(bytes.end() - 2, bytes.end());  // the end marker
  const uint8_t table[] = {0xFF, 0xC4, 0x00, 0x14, 0x10, 1, 0, 0, 0, 0, 0,
                           0,    0,    0,    0,    0,    0, 0, 0, 0, 0, 0x00};
  bytes.insert(bytes.end(), std::begin(table), std::end(table));
  const uint8_t scan[] = {0xFF, 0xDA, 0x00, 0x08, 0x01, 0x01, 0x00, 0x01, 0x3F, 0x00, 0x7F};
  for (std::size_t i = 0; i < count; ++i) bytes.insert(bytes.end(), std::begin(scan), std::end(scan));
  bytes.insert(bytes.end(), {0xFF, 0xD9});
  return bytes;
}

bool Near(uint32_t a, uint32_t b) {
  for (int shift : {0, 8, 16}) {
    if (std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF)) > 6)
      return false;
  }
  return true;
}

uint32_t Rgb(int r, int g, int b) {
  return static_cast<uint32_t>(r) << 16 | static_cast<uint32_t>(g) << 8 | static_cast<uint32_t>(b);
}

TEST(JpegDecoderTest, ColourGreyAndCmykKeepTheirSizeAndBecomeColourOrGrey) {
  for (const JpegLayout& layout :
       {JpegLayout{}, JpegLayout{16, 8, JCS_RGB, true, 0}, JpegLayout{16, 8, JCS_RGB, false, 1}}) {
    const auto picture = Decode(EncodeJpeg(layout));
    ASSERT_EQ(picture->format(), PixelFormat::kBgr24);
    EXPECT_EQ(picture->width(), 16);
    EXPECT_EQ(picture->height(), 8);
    EXPECT_TRUE(Near(picture->PixelAt(5, 3), Rgb(Sample(5, 3, 0), Sample(5, 3, 1), Sample(5, 3, 2))))
        << std::hex << picture->PixelAt(5, 3);
  }
  const auto grey = Decode(EncodeJpeg({17, 9, JCS_GRAYSCALE}));
  ASSERT_EQ(grey->format(), PixelFormat::kIndexed8);
  EXPECT_TRUE(grey->IsGreyRamp());
  EXPECT_EQ(grey->width(), 17);
  EXPECT_TRUE(Near(grey->PixelAt(4, 4), Sample(4, 4, 0) * 0x010101u));
  const auto cmyk = Decode(EncodeJpeg({8, 8, JCS_CMYK}));
  ASSERT_EQ(cmyk->format(), PixelFormat::kBgr24);
  // libjpeg marks CMYK with Adobe's marker, whose bytes are 255 minus the ink.
  const int k = Sample(2, 2, 3);
  const auto channel = [&](int c) { return (Sample(2, 2, c) * k + 127) / 255; };
  EXPECT_TRUE(Near(cmyk->PixelAt(2, 2), Rgb(channel(0), channel(1), channel(2))))
      << std::hex << cmyk->PixelAt(2, 2);
}

TEST(JpegDecoderTest, BrokenOrOversizedFilesAreInvalidPictures) {
  const std::vector<uint8_t> good = EncodeJpeg({64, 64});
  std::vector<uint8_t> cut(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(good.size() / 2));
  EXPECT_EQ(ErrorNumberOf([&] { Decode(cut); }), err::kInvalidPicture);
  std::vector<uint8_t> garbage = good;
  for (std::size_t i = 2; i < 40; ++i) garbage[i] = 0x5A;
  EXPECT_EQ(ErrorNumberOf([&] { DecodePicture(garbage); }), err::kInvalidPicture);
  EXPECT_EQ(ErrorNumberOf([&] { Decode(good, PictureLimits{64 * 64 * 3}); }), err::kInvalidPicture);
  EXPECT_EQ(DecodePicture(good)->width(), 64);
  // A few hundred bytes that claim 23 170 x 23 170 pixels are refused before anything is allocated:
  // under a budget that would allow the picture, the test ends at once rather than taking gigabytes.
  const PictureLimits unlimited{uint64_t{1} << 46};
  for (const JpegLayout& layout :
       {JpegLayout{16, 16, JCS_GRAYSCALE, true}, JpegLayout{16, 16, JCS_RGB, false},
        JpegLayout{16, 16, JCS_RGB, true, 0, true}}) {
    const std::vector<uint8_t> huge = Claiming(EncodeJpeg(layout), 23170, 23170);
    EXPECT_EQ(ErrorNumberOf([&] { Decode(huge, unlimited); }), err::kInvalidPicture) << layout.progressive;
  }
}

// The smallest budget under which `bytes` decode, to the byte.
uint64_t LeastBudget(const std::vector<uint8_t>& bytes) {
  uint64_t refused = 0, loads = uint64_t{1} << 32;
  while (loads - refused > 1) {
    const uint64_t middle = refused + (loads - refused) / 2;
    (ErrorNumberOf([&] { Decode(bytes, PictureLimits{middle}); }) == 0 ? loads : refused) = middle;
  }
  return loads;
}

// A progressive file keeps two bytes of coefficients per pixel and channel beside the picture;
// the budget counts them, so the same picture needs that much more as a progressive file (each
// besides its own bytes, which the decoder holds too).
TEST(JpegDecoderTest, TheBudgetCountsLibjpegsCoefficients) {
  const std::vector<uint8_t> baseline = EncodeJpeg({256, 128, JCS_GRAYSCALE}),
                             progressive = EncodeJpeg({256, 128, JCS_GRAYSCALE, true});
  EXPECT_GE(LeastBudget(progressive) - progressive.size(),
            LeastBudget(baseline) - baseline.size() + 2 * 256 * 128);
}

// Bytes between the tables, and before the end marker of a single-scan file that has been read
// whole, are padding, as some writers leave it; between the scans of a progressive file they may
// be a scan that was lost.
TEST(JpegDecoderTest, PaddingIsKeptOnlyWhereItCannotHideAScanAndFilesAskingForMoreWorkAreRefused) {
  for (const bool progressive : {false, true}) {
    std::vector<uint8_t> padded = EncodeJpeg({16, 16, JCS_RGB, progressive});
    ASSERT_EQ(padded[3], 0xE0);                              // a JFIF header of 16 bytes
    padded.insert(padded.begin() + 20, {0x00, 0x11, 0x22});  // between it and the tables
    EXPECT_EQ(ErrorNumberOf([&] { Decode(padded); }), 0) << progressive;
    padded.insert(padded.end() - 2, {0x00, 0x11, 0x22});
    EXPECT_EQ(ErrorNumberOf([&] { Decode(padded); }), progressive ? err::kInvalidPicture : 0) << progressive;
  }
  // Arithmetic coding packs a flat 2 048 x 2 048 picture (65 536 blocks) into about 200 bytes: read
  // once it is cheap enough, but six progressive scans walk more blocks than such a file may ask for.
  EXPECT_EQ(Decode(EncodeJpeg({2048, 2048, JCS_GRAYSCALE, false, 0, true, true}))->width(), 2048);
  EXPECT_EQ(ErrorNumberOf([&] {
              Decode(EncodeJpeg({2048, 2048, JCS_GRAYSCALE, true, 0, true, true}));
            }),
            err::kInvalidPicture);
  // Every scan walks every block: a file of many empty scans would block the host for minutes.
  EXPECT_EQ(Decode(WithEmptyScans(60))->width(), 8);
  EXPECT_EQ(ErrorNumberOf([&] { Decode(WithEmptyScans(1000)); }), err::kInvalidPicture);
}

}  // namespace
}  // namespace tessera::platform
