#include "view_tools.hpp"

#include <gtest/gtest.h>

#include <QRegularExpression>

#include "floor_window.hpp"

namespace tessera::viewer {
namespace {

// The viewer on floor 5 of the plan directory, driven by the mouse and the View menu.
class ViewToolsTest : public testing::FloorWindowTest {
 protected:
  void Command(const QString& text) {
    for (QAction* action : window_.findChildren<QAction*>())
      if (action->text() == text) return action->trigger();
    FAIL() << text.toStdString();
  }
};

// The measured line is drawn over the picture and taken off it exactly, the distance counting whole
// world units, 1 000 a metre; then a box is zoomed to, and zoom previous goes back to the picture.
TEST_F(ViewToolsTest, MeasureLeavesThePictureAsItWasAndZoomToWindowFramesTheBoxUntilZoomPrevious) {
  const std::vector<uint32_t> before = Pixels();
  const ViewTransform fitted = window_.view().view();
  Command("&Measure");
  EXPECT_EQ(window_.view().cursor().shape(), Qt::CrossCursor);
  const Point from = window_.view().view().ToWorld({100, 100}),
              to = window_.view().view().ToWorld({250, 180});
  Mouse(QEvent::MouseButtonPress, {100, 100});
  Mouse(QEvent::MouseButtonRelease, {100, 100});
  Mouse(QEvent::MouseMove, {250, 180});
  Mouse(QEvent::MouseButtonPress, {250, 180});
  const QRegularExpressionMatch shown =
      QRegularExpression("^Distance (\\d+)[.,](\\d{3}) m  DX (\\d+)[.,](\\d{3})  DY -(\\d+)[.,](\\d{3})$")
          .match(Status());
  ASSERT_TRUE(shown.hasMatch()) << Status().toStdString();
  const double dx = std::lround(to.x) - std::lround(from.x), dy = std::lround(to.y) - std::lround(from.y);
  const auto metres = [&](int whole) {
    return shown.captured(whole).toInt() * 1000 + shown.captured(whole + 1).toInt();
  };
  EXPECT_EQ(metres(1), std::lround(std::hypot(dx, dy)));
  EXPECT_EQ(metres(3), dx);
  EXPECT_EQ(metres(5), dy);  // downwards on the view, so negative upwards
  EXPECT_NE(Pixels(), before);

  window_.view().ZoomSteps(1);  // the line stays on the floor through a repaint
  window_.view().ZoomPrevious();
  EXPECT_NE(Pixels(), before);
  Command("&Measure");
  EXPECT_EQ(Pixels(), before);
  EXPECT_NE(window_.view().cursor().shape(), Qt::CrossCursor);

  Command("Zoom to &window");
  Mouse(QEvent::MouseButtonPress, {100, 100});
  Mouse(QEvent::MouseButtonRelease, {102, 101});  // a click frames nothing
  EXPECT_EQ(window_.view().view(), fitted);
  const Point a = fitted.ToWorld({100, 100}), b = fitted.ToWorld({200, 150});
  Mouse(QEvent::MouseButtonPress, {200, 150});
  Mouse(QEvent::MouseMove, {150, 120}, Qt::LeftButton);
  Mouse(QEvent::MouseMove, {100, 100}, Qt::LeftButton);
  Mouse(QEvent::MouseButtonRelease, {100, 100});

  const ViewTransform& framed = window_.view().view();
  const Point centre = framed.ToWorld({window_.view().width() / 2.0, window_.view().height() / 2.0});
  EXPECT_NEAR(centre.x, (a.x + b.x) / 2, 1);
  EXPECT_NEAR(centre.y, (a.y + b.y) / 2, 1);
  EXPECT_NEAR(framed.scale(),
              std::min(window_.view().width() / (b.x - a.x), window_.view().height() / (b.y - a.y)), 1e-9);
  EXPECT_NE(window_.view().cursor().shape(), Qt::CrossCursor);  // one box a time

  Command("Zoom &previous");
  EXPECT_EQ(window_.view().view(), fitted);
  EXPECT_EQ(Pixels(), before);
}

}  // namespace
}  // namespace tessera::viewer
