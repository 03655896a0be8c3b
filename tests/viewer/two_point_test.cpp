#include <gtest/gtest.h>

#include <QPushButton>

#include "floor_window.hpp"
#include "tessera/platform/runtime/convert.hpp"
#include "two_point_fit.hpp"

namespace tessera::viewer {
namespace {

TEST(TwoPointFitTest, ScaleFromTheDistancesShiftFromTheFirstPointResidualAtTheSecond) {
  struct Case {
    const char* name;
    Point plan1, plan2, floor1, floor2;
    PlanPlacement placement;
    Point residual;
  };
  const Case cases[] = {
      {"as placed", {100, 100}, {300, 200}, {1000, 1000}, {3000, 2000}, {0, 0, 10}, {0, 0}},
      {"scaled and shifted", {5, -3}, {105, 97}, {0, 0}, {250, 250}, {5, -3, 2.5}, {0, 0}},
      {"turned a quarter", {0, 0}, {100, 0}, {1000, 1000}, {1000, 2000}, {-100, -100, 10}, {-1000, 1000}},
      {"shift rounded", {0.4, 0}, {10.4, 0}, {0, 0}, {100, 0}, {0, 0, 10}, {-4, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const auto fit = FitTwoPoints(c.plan1, c.plan2, c.floor1, c.floor2);
    ASSERT_TRUE(fit);
    EXPECT_EQ(fit->placement.dx, c.placement.dx);
    EXPECT_EQ(fit->placement.dy, c.placement.dy);
    EXPECT_DOUBLE_EQ(fit->placement.factor, c.placement.factor);
    EXPECT_NEAR(fit->residual.x, c.residual.x, 1e-9);
    EXPECT_NEAR(fit->residual.y, c.residual.y, 1e-9);
    const Point pixel = PlanPixel(c.floor1, fit->placement);  // the way back from the floor
    EXPECT_NEAR(WorldOfPixel(pixel, fit->placement).x, c.floor1.x, 1e-9);
  }
  EXPECT_FALSE(FitTwoPoints({1, 1}, {1, 1}, {0, 0}, {10, 0}));        // one point on the plan
  EXPECT_FALSE(FitTwoPoints({0, 0}, {1, 0}, {5, 5}, {5, 5}));         // one point on the floor
  EXPECT_FALSE(FitTwoPoints({0, 0}, {1, 0}, {1e4, 0}, {1e4, 1e-6}));  // a shift beyond 32 bits
}

// Floor 5 of the plan directory (20 x 10 m, 100 units a plan pixel), aligned by two points.
class TwoPointAlignmentTest : public testing::FloorWindowTest {
 protected:
  TwoPointAlignmentTest() { window_.AlignByTwoPoints(); }

  // Plan pixels (20, 30) and (120, 30) to (1, 9) m and (6, 9) m, Y up from the floor's bottom:
  // 50 units a pixel, shifted.
  void PickAndType() {
    ASSERT_TRUE(two().MousePressed({2000, 3000}));
    ASSERT_TRUE(two().MousePressed({12000, 3000}));
    for (const auto& [field, text] : {std::pair{&two().FloorX(0), "1"},
                                      {&two().FloorY(0), "9"},
                                      {&two().FloorX(1), "6"},
                                      {&two().FloorY(1), "9"}})
      qt::testing::TypeText(*field, text);
  }
  TwoPointAlignment& two() { return window_.two_points(); }
};

TEST_F(TwoPointAlignmentTest, PreviewIsSavedOnOkAndUndone) {
  PickAndType();
  EXPECT_EQ(window_.view().raster()->Dy(), 10);  // previewed, not saved
  EXPECT_EQ(dir_.Stored("DY"), "0");
  two().dialog().accept();
  EXPECT_EQ(dir_.Stored("DX"), "0");
  EXPECT_EQ(dir_.Stored("DY"), "10");
  EXPECT_EQ(dir_.Stored("Faktor"), "50");
  EXPECT_EQ(Status(), "Alignment by two points saved");
  window_.UndoPlacement();
  EXPECT_EQ(dir_.Stored("Faktor"), "100");
  EXPECT_EQ(window_.view().raster()->Dy(), 0);
  EXPECT_EQ(window_.view().plan_factor(), 100);
}

TEST_F(TwoPointAlignmentTest, FloorPointIsPickedInMetresAndCancelPutsThePlacementBack) {
  PickAndType();
  for (QPushButton* pick : two().dialog().findChildren<QPushButton*>())
    if (pick->toolTip() == "Click where the point lies on the floor") {
      pick->click();  // point 1's
      break;
    }
  ASSERT_TRUE(two().MousePressed({1500, 2500}));
  const auto metres = [](const QLineEdit& field) {
    return platform::CDbl(platform::Variant(field.text().toStdString()));
  };
  EXPECT_EQ(metres(two().FloorX(0)), 1.5);
  EXPECT_EQ(metres(two().FloorY(0)), 7.5);  // up from the bottom of a floor 10 m high
  two().dialog().reject();
  EXPECT_EQ(window_.view().raster()->Dy(), 0);
  EXPECT_EQ(window_.view().raster()->Zoom(), 100);
  EXPECT_EQ(dir_.Stored("DY"), "0");
  EXPECT_FALSE(two().active());
}

}  // namespace
}  // namespace tessera::viewer
