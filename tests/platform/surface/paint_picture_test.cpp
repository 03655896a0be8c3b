#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <limits>
#include <vector>

#include "error_number.hpp"
#include "tessera/platform/surface/canvas.hpp"

namespace tessera::platform {
namespace {

using testing::ErrorNumberOf;

constexpr uint32_t kWhite = 0xFFFFFF;

// A 32-bit picture whose pixel (x, y) is x + 16 y, easy to follow through a transfer.
Picture Numbered(int32_t width, int32_t height) {
  Picture picture(width, height, PixelFormat::kBgrx32);
  for (int32_t y = 0; y < height; ++y) {
    for (int32_t x = 0; x < width; ++x) {
      const uint32_t value = static_cast<uint32_t>(x + 16 * y);
      std::memcpy(picture.Row(y) + 4 * x, &value, 4);
    }
  }
  return picture;
}

// A white 1-bit picture (palette black, white) with one black column.
Picture WhiteWithBlackColumn(int32_t size, int32_t column) {
  Picture picture(size, size, PixelFormat::kIndexed1, {0x000000, 0xFFFFFF});
  for (int32_t y = 0; y < size; ++y) {
    std::memset(picture.Row(y), 0xFF, picture.stride());
    picture.Row(y)[column >> 3] &= static_cast<uint8_t>(~(0x80 >> (column & 7)));
  }
  return picture;
}

// Each transfer onto a fresh white 10 x 10 canvas from an 8 x 8 numbered picture, and pixels it
// must leave: copied one to one, mirrored by a negative extent on either side, clipped to both
// images, enlarged.
TEST(PaintPictureTest, TransfersPlaceMirrorClipAndEnlarge) {
  const struct {
    const char* what;
    float to[4], from[4];
    std::vector<std::array<int32_t, 3>> pixels;  // x, y, value
  } cases[] = {
      {"copy", {2, 5, 4, 3}, {0, 0, 4, 3}, {{2, 5, 0}, {5, 7, 3 + 32}, {6, 7, kWhite}, {1, 5, kWhite}}},
      {"mirrored", {4, 0, -4, 2}, {0, 0, 4, 2}, {{0, 1, 3 + 16}, {1, 1, 2 + 16}, {2, 1, 1 + 16}, {3, 1, 16}}},
      {"upside down", {0, 0, 4, 2}, {0, 2, 4, -2}, {{1, 0, 1 + 16}, {1, 1, 1}}},
      {"over the top-left edge", {-3, -2, 8, 8}, {0, 0, 8, 8}, {{0, 0, 3 + 32}}},
      {"past the picture", {0, 0, 6, 6}, {5, 5, 6, 6}, {{2, 2, 7 + 16 * 7}, {3, 3, kWhite}, {3, 0, kWhite}}},
      {"enlarged", {0, 0, 8, 8}, {0, 0, 2, 2}, {{3, 3, 0}, {4, 3, 1}, {7, 7, 17}}},
  };
  const Picture picture = Numbered(8, 8);
  for (const auto& c : cases) {
    Canvas canvas(10, 10);
    canvas.PaintPicture(picture, c.to[0], c.to[1], c.to[2], c.to[3], c.from[0], c.from[1], c.from[2],
                        c.from[3]);
    for (const auto& [x, y, value] : c.pixels)
      EXPECT_EQ(canvas.PixelAt(x, y), static_cast<uint32_t>(value)) << c.what << " at " << x << "," << y;
  }
}

TEST(PaintPictureTest, ShrinkingCombinesTheColoursOfEveryDepthAndKeepsThinLinesUnlessScansAreDeleted) {
  const Picture scan = WhiteWithBlackColumn(800, 397);
  Canvas canvas(100, 100);
  canvas.PaintPicture(scan, 0, 0, 100, 100, 0, 0, 800, 800);
  for (int y = 0; y < 100; ++y) ASSERT_EQ(canvas.PixelAt(49, y), 0u) << y;
  EXPECT_EQ(canvas.PixelAt(48, 50), kWhite);
  EXPECT_EQ(canvas.PixelAt(50, 50), kWhite);

  canvas.Clear(kWhite);
  canvas.stretch_mode(StretchMode::kDeleteScans);
  canvas.PaintPicture(scan, 0, 0, 100, 100, 0, 0, 800, 800);
  EXPECT_EQ(canvas.PixelAt(49, 50), kWhite);  // the line fell between the kept columns
  Picture grey(2, 2, PixelFormat::kIndexed8, [] {
    std::vector<uint32_t> ramp(256);
    for (uint32_t i = 0; i < 256; ++i) ramp[i] = i * 0x010101;
    return ramp;
  }());
  grey.Row(0)[0] = 0xF0, grey.Row(0)[1] = 0x3C, grey.Row(1)[0] = 0xFF, grey.Row(1)[1] = 0xFF;
  Picture colour(2, 1, PixelFormat::kBgr24);
  const uint8_t bgr[] = {0x10, 0x20, 0x30, 0x01, 0x22, 0x33};
  std::memcpy(colour.Row(0), bgr, sizeof bgr);
  Picture palette(2, 1, PixelFormat::kIndexed8, {0x0000FF, 0x00FF00, 0xFF0000});
  palette.Row(0)[0] = 0, palette.Row(0)[1] = 2;

  Canvas mixed(3, 1);
  mixed.PaintPicture(grey, 0, 0, 1, 1, 0, 0, 2, 2);
  mixed.PaintPicture(colour, 1, 0, 1, 1, 0, 0, 2, 1);
  mixed.PaintPicture(palette, 2, 0, 1, 1, 0, 0, 2, 1);
  EXPECT_EQ(mixed.PixelAt(0, 0), 0x303030u);
  EXPECT_EQ(mixed.PixelAt(1, 0), 0x302000u);
  EXPECT_EQ(mixed.PixelAt(2, 0), 0x000000u);

  mixed.stretch_mode(StretchMode::kOrScans);
  mixed.PaintPicture(palette, 2, 0, 1, 1, 0, 0, 2, 1);
  EXPECT_EQ(mixed.PixelAt(2, 0), 0xFF00FFu);
  mixed.stretch_mode(StretchMode::kHalftone);
  mixed.PaintPicture(colour, 1, 0, 1, 1, 0, 0, 2, 1);
  EXPECT_EQ(mixed.PixelAt(1, 0), 0x322109u);  // rounded channel averages
}

TEST(PaintPictureTest, FarShrinksUseReducedCopiesThatFollowThePicture) {
  Picture picture(64, 48, PixelFormat::kBgrx32);
  for (int32_t y = 0; y < 48; ++y) std::memset(picture.Row(y), 0xFF, picture.stride());
  const uint32_t dark = 0x102030;
  std::memcpy(picture.Row(37) + 4 * 21, &dark, 4);
  Canvas canvas(4, 3);
  canvas.PaintPicture(picture, 0, 0, 4, 3, 0, 0, 64, 48);  // 16:1
  EXPECT_EQ(canvas.PixelAt(1, 2), dark);
  EXPECT_EQ(canvas.PixelAt(0, 2), kWhite);
  ASSERT_NE(picture.AndReduced(16), nullptr);

  std::memset(picture.Row(37), 0xFF, picture.stride());  // the dark pixel is gone again
  canvas.PaintPicture(picture, 0, 0, 4, 3, 0, 0, 64, 48);
  EXPECT_EQ(canvas.PixelAt(1, 2), kWhite);
  EXPECT_EQ(Picture(2, 2, PixelFormat::kIndexed8, {0x0000FF, 0x00FF00}).AndReduced(4), nullptr);
}

TEST(PaintPictureTest, RasterOperationsCombineSourceAndDestination) {
  Picture source(1, 1, PixelFormat::kBgrx32);
  const uint32_t value = 0x0F0F0F;
  std::memcpy(source.Row(0), &value, 4);
  Canvas canvas(1, 1, 0x3C3C3C);
  canvas.PaintPicture(source, 0, 0, 1, 1, 0, 0, 1, 1, 0x008800C6);  // AND
  EXPECT_EQ(canvas.PixelAt(0, 0), 0x0C0C0Cu);
  canvas.PaintPicture(source, 0, 0, 1, 1, 0, 0, 1, 1, 0x00660046);  // XOR
  EXPECT_EQ(canvas.PixelAt(0, 0), 0x030303u);
  canvas.PaintPicture(source, 0, 0, 1, 1, 0, 0, 1, 1, 0x00330008);  // inverted copy
  EXPECT_EQ(canvas.PixelAt(0, 0), 0xF0F0F0u);
  EXPECT_EQ(ErrorNumberOf([&] { canvas.PaintPicture(source, 0, 0, 1, 1, 0, 0, 1, 1, 0x00F00021); }),
            err::kInvalidProcedureCall);  // a brush operation
  EXPECT_EQ(canvas.PixelAt(0, 0), 0xF0F0F0u);
}

// Whether a pixel centre lies in the closed span a destination rectangle covers on one axis.
bool Covers(double centre, float position, float extent) {
  return centre >= std::min(position, position + extent) && centre <= std::max(position, position + extent);
}

// Scales far below and above one pixel, views of the whole 32-bit range and beyond, infinities
// and NaNs, in every stretch mode and every depth: no arithmetic overflows (the sanitizer build
// aborts on one) and no pixel outside the destination rectangle changes.
TEST(PaintPictureTest, ExtremeScalesAndViewsStayInsideTheDestination) {
  const float kInf = std::numeric_limits<float>::infinity(), kNaN = std::numeric_limits<float>::quiet_NaN();
  const float positions[] = {-4.3e9f, -2.2e9f, -3.5f, 0, 2.5f, 2.2e9f, 1e30f, kNaN};
  const float extents[] = {0, 1e-30f, 1e-4f, 0.7f, -5, 64, 1e5f, -2.2e9f, 4.3e9f, 1e30f, kInf, kNaN};
  Picture grey(64, 48, PixelFormat::kIndexed8, GreyRampPalette());
  Picture mono(64, 48, PixelFormat::kIndexed1, {0x000000, 0xFFFFFF});
  Picture bgr(64, 48, PixelFormat::kBgr24), bgrx(64, 48, PixelFormat::kBgrx32);
  const Picture* pictures[] = {&grey, &mono, &bgr, &bgrx};
  for (const StretchMode mode :
       {StretchMode::kAndScans, StretchMode::kOrScans, StretchMode::kDeleteScans, StretchMode::kHalftone}) {
    for (const Picture* picture : pictures) {
      for (const float to : positions) {
        for (const float to_extent : extents) {
          Canvas canvas(12, 9, 0x123456);
          canvas.stretch_mode(mode);
          for (const float from : positions) {
            for (const float from_extent : extents) {
              canvas.PaintPicture(*picture, to, to / 2, to_extent, to_extent, from, from, from_extent,
                                  from_extent);
            }
          }
          for (int32_t y = 0; y < canvas.height(); ++y) {
            for (int32_t x = 0; x < canvas.width(); ++x) {
              if (Covers(x + 0.5, to, to_extent) && Covers(y + 0.5, to / 2, to_extent)) continue;
              ASSERT_EQ(canvas.PixelAt(x, y), 0x123456u) << to << " " << to_extent << " at " << x << "," << y;
            }
          }
        }
      }
    }
  }
}

}  // namespace
}  // namespace tessera::platform
