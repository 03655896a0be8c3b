#include "tessera/qt/picture_widget.hpp"

#include <gtest/gtest.h>

#include <QImage>
#include <cstring>

#include "test_application.hpp"

namespace tessera::qt {
namespace {

using testing::TestApplication;

using platform::Canvas;
using platform::LineShape;

// A 1-bit checkerboard of 2 x 2 squares, so that stretching shows.
platform::Picture Checkerboard(int32_t size) {
  platform::Picture picture(size, size, platform::PixelFormat::kIndexed1, {0x000000, 0x3060C0});
  for (int32_t y = 0; y < size; ++y) std::memset(picture.Row(y), (y / 2) % 2 ? 0x33 : 0xCC, picture.stride());
  return picture;
}

// What a host draws on a repaint: the plan, a red outline, and a rubber band in invert mode.
void DrawScene(platform::PictureControl& control) {
  control.PaintPicture(Checkerboard(16), 3, 2, 40, 30, 0, 0, 16, 16, platform::kSrcCopy);
  control.DrawWidth(2);
  control.Line(1, 1, 50, 35, LineShape::kBox, 0x0000FF);
  control.DrawWidth(1);
  control.DrawMode(6);
  control.Line(0, 40, 63, 5);
  control.Line(10, 10, 30, 20, LineShape::kBox);
}

TEST(PictureWidgetTest, ShowsExactlyWhatAHeadlessCanvasHoldsAndResizedGivesABlankOneWithThePen) {
  TestApplication();
  PictureWidget widget;
  widget.resize(64, 48);
  widget.show();
  DrawScene(*widget.control());
  Canvas headless(64, 48);
  DrawScene(headless);

  const QImage shown = widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
  ASSERT_EQ(shown.size(), QSize(64, 48));
  int differing = 0;
  for (int y = 0; y < 48; ++y) {
    for (int x = 0; x < 64; ++x) differing += (shown.pixel(x, y) & 0xFFFFFFu) != headless.PixelAt(x, y);
  }
  EXPECT_EQ(differing, 0);

  TestApplication();
  PictureWidget resized_widget;
  resized_widget.resize(20, 10);
  resized_widget.show();
  resized_widget.control()->DrawMode(6);
  resized_widget.control()->ForeColor(0x00FF00);
  resized_widget.control()->Line(0, 0, 19, 9, LineShape::kFilledBox);
  int resized = 0;
  resized_widget.OnResized([&] { ++resized; });
  resized_widget.resize(30, 12);

  const auto canvas = resized_widget.control();
  EXPECT_EQ(resized, 1);
  EXPECT_EQ(canvas->ScaleWidth(), 30);
  EXPECT_EQ(canvas->ScaleHeight(), 12);
  EXPECT_EQ(canvas->DrawMode(), 6);
  EXPECT_EQ(canvas->ForeColor(), 0x00FF00);
  EXPECT_EQ(canvas->PixelAt(5, 5), 0xFFFFFFu);
}

}  // namespace
}  // namespace tessera::qt
