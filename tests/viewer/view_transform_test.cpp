#include "view_transform.hpp"

#include <gtest/gtest.h>

namespace tessera::viewer {
namespace {

// Where the view's MensTrans puts a world point.
Point OnDevice(const ViewTransform& view, double x, double y) {
  auto world_x = static_cast<int32_t>(x), world_y = static_cast<int32_t>(y);
  view.WorldToDevice()->TransformPoint(world_x, world_y);
  return {static_cast<double>(world_x), static_cast<double>(world_y)};
}

TEST(ViewTransformTest, FitCentresTheFloorOrABoxAsLargeAsItFitsAndVisibleWorldMapsTheDeviceBack) {
  ViewTransform view;
  view.Fit({42000, 29700}, {1000, 800});
  EXPECT_DOUBLE_EQ(view.scale(), 980.0 / 42000);
  const Point centre = OnDevice(view, 21000, 14850);
  EXPECT_NEAR(centre.x, 500, 1);
  EXPECT_NEAR(centre.y, 400, 1);
  const Point corner = OnDevice(view, 0, 0);
  EXPECT_NEAR(corner.x, 10, 1);
  EXPECT_GE(corner.y, 10);

  view.ZoomAbout(view.scale() * 3, {200, 100});  // what is visible is the device mapped back
  const auto visible = view.VisibleWorld({1000, 800});
  const Point top_left = view.ToWorld({0, 0}), bottom_right = view.ToWorld({1000, 800});
  EXPECT_NEAR(visible->Left(), top_left.x, 1);
  EXPECT_NEAR(visible->Top(), top_left.y, 1);
  EXPECT_NEAR(visible->Right(), bottom_right.x, 1);
  EXPECT_NEAR(visible->Bottom(), bottom_right.y, 1);

  struct Case {
    Point a, b;
    double scale;  // device pixels per world unit
  };
  for (const Case& c : {Case{{1000, 2000}, {3000, 3000}, 0.4}, Case{{3000, 3000}, {1000, 2000}, 0.4},
                        Case{{0, 0}, {100, 800}, 0.75}, Case{{500, 500}, {500, 500}, 600}}) {
    ViewTransform boxed;
    boxed.FitBox(c.a, c.b, {800, 600});
    EXPECT_DOUBLE_EQ(boxed.scale(), c.scale);
    const Point box_centre = boxed.ToWorld({400, 300});
    EXPECT_NEAR(box_centre.x, (c.a.x + c.b.x) / 2, 1);
    EXPECT_NEAR(box_centre.y, (c.a.y + c.b.y) / 2, 1);
    const Point box_corner = boxed.ToDevice(c.a);
    EXPECT_GE(std::min(box_corner.x, 800 - box_corner.x), -1);
    EXPECT_GE(std::min(box_corner.y, 600 - box_corner.y), -1);
  }
}

TEST(ViewTransformTest, ZoomKeepsThePointUnderTheCursorPanMovesByTheDragAndBothStayWithinReach) {
  struct Case {
    double factor;
    Point cursor;
  };
  for (const Case& c :
       {Case{4, {123, 456}}, Case{0.25, {0, 0}}, Case{8, {1919, 1079}}, Case{1.25, {960, 540}}}) {
    ViewTransform view;
    view.Fit({140000, 100000}, {1920, 1080});
    const Point before = view.ToWorld(c.cursor);
    view.ZoomAbout(view.scale() * c.factor, c.cursor);
    const Point after = view.ToWorld(c.cursor);
    // Within the rounding of the MensTrans's offsets to whole world units.
    EXPECT_NEAR(after.x, before.x, 1) << c.factor;
    EXPECT_NEAR(after.y, before.y, 1) << c.factor;

    const Point seen = OnDevice(view, 70000, 50000);
    view.Pan(50, -30);
    const Point moved = OnDevice(view, 70000, 50000);
    EXPECT_NEAR(moved.x - seen.x, 50, 1 + view.scale());
    EXPECT_NEAR(moved.y - seen.y, -30, 1 + view.scale());
  }

  ViewTransform extreme;
  extreme.ZoomAbout(1e9, {10, 10});
  EXPECT_EQ(extreme.scale(), ViewTransform::kMaxScale);
  extreme.ZoomAbout(0, {10, 10});
  EXPECT_EQ(extreme.scale(), ViewTransform::kMinScale);
  extreme.Pan(-1e12, 1e12);
  EXPECT_EQ(extreme.WorldToDevice()->Dx(), 1000000000);
  EXPECT_EQ(extreme.WorldToDevice()->Dy(), -1000000000);
}

}  // namespace
}  // namespace tessera::viewer
