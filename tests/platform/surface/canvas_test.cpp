#include "tessera/platform/surface/canvas.hpp"

#include <gtest/gtest.h>

#include <random>

#include "error_number.hpp"

namespace tessera::platform {
namespace {

using testing::ErrorNumberOf;

constexpr uint32_t kWhite = 0xFFFFFF;
constexpr uint32_t kBlack = 0x000000;

Canvas NoisyCanvas(int32_t width, int32_t height, uint32_t seed) {
  Canvas canvas(width, height);
  std::mt19937 random(seed);
  for (int32_t y = 0; y < height; ++y) {
    for (int32_t x = 0; x < width; ++x) canvas.SetPixel(x, y, random() & kColourBits);
  }
  return canvas;
}

int CountPixels(const Canvas& canvas, uint32_t pixel) {
  int count = 0;
  for (uint32_t p : canvas.pixels()) count += p == pixel;
  return count;
}

TEST(CanvasLineTest, DrawingAnyFigureTwiceInvertModeRestoresEveryPixel) {
  Canvas canvas = NoisyCanvas(64, 48, 7);
  const auto before = canvas.pixels();
  canvas.DrawMode(6);
  std::mt19937 random(11);
  std::uniform_real_distribution<float> coordinate(-40.0f, 110.0f);
  for (int round = 0; round < 400; ++round) {
    const float x1 = coordinate(random), y1 = coordinate(random);
    const float x2 = round % 10 == 0 ? x1 : coordinate(random);  // zero-length ones too
    const float y2 = round % 10 == 0 ? y1 : coordinate(random);
    const auto shape = static_cast<LineShape>(round % 3);
    canvas.DrawWidth(static_cast<int16_t>(1 + round % 4));
    canvas.DrawStyle(static_cast<int16_t>(round % 5));
    canvas.Line(x1, y1, x2, y2, shape);
    canvas.Line(x1, y1, x2, y2, shape);
    ASSERT_EQ(canvas.pixels(), before) << "round " << round;
  }
}

// As the platform's line operation: from the start point up to, not including, the end point.
TEST(CanvasLineTest, ASegmentTouchesEachOfItsPixelsOnceEndPointExcludedAndWidePensNeverOverlap) {
  for (const auto& [x2, y2] : {std::pair{40, 13}, {3, 30}, {-20, 5}, {15, 15}, {0, -9}, {1, 0}, {0, 0}}) {
    Canvas canvas(100, 100);
    canvas.DrawMode(6);
    canvas.Line(50, 50, 50.0f + x2, 50.0f + y2);
    EXPECT_EQ(CountPixels(canvas, kBlack), std::max(std::abs(x2), std::abs(y2))) << x2 << "," << y2;
    EXPECT_EQ(canvas.PixelAt(50 + x2, 50 + y2), kWhite) << x2 << "," << y2;
    EXPECT_EQ(canvas.PixelAt(50, 50), x2 != 0 || y2 != 0 ? kBlack : kWhite);
  }
  Canvas canvas(40, 40);
  canvas.DrawMode(6);
  canvas.DrawWidth(3);
  canvas.Line(5, 20, 30, 27);
  EXPECT_EQ(CountPixels(canvas, kBlack), 3 * 25);
  canvas.Clear(kWhite);
  canvas.Line(5, 5, 30, 25, LineShape::kBox);
  EXPECT_EQ(CountPixels(canvas, kBlack), (2 * 26 + 2 * 19) + (2 * 24 + 2 * 17) + (2 * 22 + 2 * 15));
}

TEST(CanvasLineTest, ClippingLeavesThePixelsInsideAsTheyAreAndABoxTouchesExactlyItsBorder) {
  std::mt19937 random(5);
  std::uniform_int_distribution<int> coordinate(-400, 400);
  for (int round = 0; round < 200; ++round) {
    const int x1 = coordinate(random), y1 = coordinate(random), x2 = coordinate(random),
              y2 = coordinate(random);
    Canvas small(40, 30), large(840, 830);  // the large one holds every segment whole
    small.DrawMode(6);
    large.DrawMode(6);
    small.Line(x1, y1, x2, y2);
    large.Line(x1 + 400, y1 + 400, x2 + 400, y2 + 400);
    for (int y = 0; y < 30; ++y) {
      for (int x = 0; x < 40; ++x) ASSERT_EQ(small.PixelAt(x, y), large.PixelAt(x + 400, y + 400));
    }
  }
  Canvas canvas(200, 100);
  canvas.DrawMode(6);
  canvas.Line(110, 60, 10, 10, LineShape::kBox);  // corners in either order
  for (int y = 0; y < 100; ++y) {
    for (int x = 0; x < 200; ++x) {
      const bool inside = x >= 10 && x <= 110 && y >= 10 && y <= 60;
      const bool border = inside && (x == 10 || x == 110 || y == 10 || y == 60);
      ASSERT_EQ(canvas.PixelAt(x, y), border ? kBlack : kWhite) << x << "," << y;
    }
  }
  EXPECT_EQ(CountPixels(canvas, kBlack), 2 * 101 + 2 * 49);
}

TEST(CanvasLineTest, ColoursAndModesCombineWithTheDestinationAndValuesOutsideAreRefused) {
  Canvas canvas(4, 1, 0x00FF00);
  canvas.Line(0, 0, 1, 0, LineShape::kSegment, 0x0000FF);  // red (colour value) in copy mode
  EXPECT_EQ(canvas.PixelAt(0, 0), 0xFF0000u);
  canvas.DrawMode(7);  // XOR pen
  canvas.ForeColor(0xFFFFFF);
  canvas.Line(1, 0, 2, 0);
  EXPECT_EQ(canvas.PixelAt(1, 0), 0xFF00FFu);
  canvas.DrawMode(1);
  canvas.Line(2, 0, 3, 0, LineShape::kFilledBox);
  EXPECT_EQ(canvas.PixelAt(3, 0), kBlack);
  EXPECT_EQ(ErrorNumberOf([&] { canvas.DrawMode(17); }), err::kInvalidPropertyValue);
  EXPECT_EQ(ErrorNumberOf([&] { canvas.DrawWidth(0); }), err::kInvalidPropertyValue);
  EXPECT_EQ(ErrorNumberOf([&] { canvas.ForeColor(0x1000000); }), err::kInvalidPropertyValue);
  EXPECT_EQ(ErrorNumberOf([&] { canvas.DrawStyle(7); }), err::kInvalidPropertyValue);
  EXPECT_EQ(canvas.DrawMode(), 1);
  EXPECT_EQ(ErrorNumberOf([] { Canvas(0, 5); }), err::kInvalidProcedureCall);
}

}  // namespace
}  // namespace tessera::platform
