#include "floor_view.hpp"

#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QWheelEvent>
#include <algorithm>
#include <functional>
#include <vector>

#include "floor_window.hpp"

namespace tessera::viewer {
namespace {

using testing::kBlue;
using testing::kRed;

// The view of the viewer on floor 5, fitted.
class FloorViewTest : public testing::FloorWindowTest {
 protected:
  uint32_t Shown(double world_x, double world_y) {
    auto x = static_cast<int32_t>(world_x), y = static_cast<int32_t>(world_y);
    view_.view().WorldToDevice()->TransformPoint(x, y);
    return view_.control()->PixelAt(x, y);
  }

  FloorView& view_ = window_.view();
};

TEST_F(FloorViewTest, ShowsThePlanFittedFadesItWithoutTheGridAndZoomsOneToOne) {
  const auto grid_pixels = [&] {
    const std::vector<uint32_t> pixels = Pixels();
    return std::count(pixels.begin(), pixels.end(), 0x80C0FFu);  // the grid's light blue
  };
  EXPECT_EQ(Shown(5500, 4500), kRed);
  EXPECT_EQ(Shown(15500, 4500), kBlue);
  EXPECT_GT(grid_pixels(), 0);
  view_.Layers({.grid = false, .plan_opacity = 0.5});
  EXPECT_EQ(grid_pixels(), 0);
  EXPECT_EQ(Shown(5500, 4500), 0xFF8080u);  // red half way to white
  EXPECT_EQ(Shown(15500, 4500), 0x8080FFu);
  view_.ZoomToPlan(1);
  EXPECT_DOUBLE_EQ(view_.PlanZoom(), 1);
  EXPECT_DOUBLE_EQ(view_.view().scale(), 0.01);
  EXPECT_EQ(Shown(10050, 4950), 0x8080FFu);  // the floor's centre stays in the middle of the view
}

// Every change of the view by the user is taken back by ZoomPrevious, newest first; the wheel and
// the arrows change it as the user expects.
TEST_F(FloorViewTest, ZoomPreviousWalksBackThroughTheViewsLeftAndWheelAndArrowsMoveTheView) {
  std::vector<ViewTransform> left;
  const std::vector<std::function<void()>> changes = {
      [&] { view_.ZoomSteps(2); },
      [&] {
        QKeyEvent right(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier);
        QApplication::sendEvent(&view_, &right);
      },
      [&] { view_.ZoomToPlan(1); },
      [&] { view_.FitFloor(); },
  };
  for (const auto& change : changes) {
    left.push_back(view_.view());
    change();
  }
  for (auto view = left.rbegin(); view != left.rend(); ++view) {
    ASSERT_TRUE(view_.ZoomPrevious());
    EXPECT_EQ(view_.view(), *view);
  }
  EXPECT_FALSE(view_.ZoomPrevious());

  // The wheel zooms about the cursor, and an arrow pans a tenth of the view.
  const QPointF cursor(100, 80);
  const Point under = view_.view().ToWorld({100, 80});
  const double scale = view_.view().scale();
  QWheelEvent wheel(cursor, view_.mapToGlobal(cursor), {}, {0, 240}, Qt::NoButton, Qt::NoModifier,
                    Qt::NoScrollPhase, false);
  QApplication::sendEvent(&view_, &wheel);
  EXPECT_DOUBLE_EQ(view_.view().scale(), scale * 1.25 * 1.25);
  EXPECT_NEAR(view_.view().ToWorld({100, 80}).x, under.x, 1);
  EXPECT_NEAR(view_.view().ToWorld({100, 80}).y, under.y, 1);
  const Point origin = view_.view().origin();
  QKeyEvent arrow(QEvent::KeyPress, Qt::Key_Left, Qt::NoModifier);
  QApplication::sendEvent(&view_, &arrow);
  EXPECT_NEAR(view_.view().origin().x, origin.x - view_.width() / 10.0 / view_.view().scale(), 1e-6);
  EXPECT_EQ(view_.view().origin().y, origin.y);

  ViewHistory history;  // bounded, and a view kept once
  for (int i = 0; i < 2 * static_cast<int>(ViewHistory::kDepth); ++i) {
    ViewTransform view;
    view.Pan(i / 2, 0);
    history.Push(view);
  }
  std::size_t kept = 0;
  for (auto view = history.Pop(); view; view = history.Pop()) ++kept;
  EXPECT_EQ(kept, ViewHistory::kDepth);
}

}  // namespace
}  // namespace tessera::viewer
