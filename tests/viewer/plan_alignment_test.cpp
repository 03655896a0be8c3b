#include "plan_alignment.hpp"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTabBar>
#include <string>

#include "floor_window.hpp"
#include "tessera/frame/companions/mensura/mens_global.hpp"

namespace tessera::viewer {
namespace {

using qt::testing::PressKey;
using qt::testing::TypeText;

// The viewer on floor 5 of the plan directory, its plan being aligned.
class PlanAlignmentTest : public testing::FloorWindowTest {
 protected:
  PlanAlignmentTest() { window_.Align(); }

  qt::TransDialogWindow& Dialog() { return *window_.alignment().window(); }
  template <typename Widget>
  Widget& Control(const platform::Control& control) {
    return *static_cast<Widget*>(Dialog().widget(control));
  }
  void ShowShiftPage() { Control<QTabBar>(Dialog().dialog().SSTab1).setCurrentIndex(1); }

  QString Position() {
    for (const QLabel* label : window_.statusBar()->findChildren<QLabel*>())
      if (label->text().startsWith("X ")) return label->text();
    return {};
  }
};

// The status bar's position of the pointer, typed into the dialog as the target of a picked point,
// moves that point to where the pointer was: same units, same Y axis, same decimal separator.
TEST_F(PlanAlignmentTest, PointerPositionTypedAsTargetMovesThePickThereAndOkSavesIt) {
  ASSERT_NE(window_.alignment().window(), nullptr);
  ShowShiftPage();
  Control<QAbstractButton>(Dialog().dialog().cbMoveMode).click();  // move to a target
  const Point picked = window_.view().view().ToWorld({200, 150});
  const Point target = window_.view().view().ToWorld({260, 230});
  const std::vector<uint32_t> before = Pixels();
  Mouse(QEvent::MouseButtonPress, {200, 150});
  Mouse(QEvent::MouseMove, {260, 230});
  EXPECT_GT(Changed(before), 50);  // the rubber band from the pick to the mouse shows
  const QRegularExpressionMatch shown =
      QRegularExpression("^X (\\S+)  Y (\\S+) m    Distance ").match(Position());
  ASSERT_TRUE(shown.hasMatch()) << Position().toStdString();
  // Metres, and Y up from the floor's height of 10 000 units.
  const auto units = [&](int part) { return shown.captured(part).replace(',', '.').toDouble() * 1000; };
  EXPECT_NEAR(units(1), target.x, 1);
  EXPECT_NEAR(units(2), 10000 - target.y, 1);

  auto& dx = Control<QLineEdit>(Dialog().dialog().edDx);
  ASSERT_TRUE(dx.isEnabled());  // the picked point lets the target be typed
  TypeText(dx, shown.captured(1));
  TypeText(Control<QLineEdit>(Dialog().dialog().edDy), shown.captured(2));
  Control<QAbstractButton>(Dialog().dialog().pbShift).click();
  Control<QAbstractButton>(Dialog().dialog().pbOk).click();
  // Shifts count in plan pixels of 100 units.
  const auto shift = [](double units) { return std::to_string(-mensura::RoundToLong(units / 100)); };
  EXPECT_EQ(dir_.Stored("DX"), shift(std::lround(target.x) - std::lround(picked.x)));
  EXPECT_EQ(dir_.Stored("DY"), shift(std::lround(target.y) - std::lround(picked.y)));
  EXPECT_EQ(dir_.Stored("Faktor"), "100");
  EXPECT_EQ(Status(), "Alignment saved");
  EXPECT_FALSE(window_.alignment().active());
}

// Two clicks on the scale page show the length they measured on the plan as it lies; changing the
// page erases a pending band, and clicks on the shift page in relative mode pick nothing, as the
// cursor says beforehand.
TEST_F(PlanAlignmentTest, PickingShowsWhatAClickDoes) {
  EXPECT_EQ(window_.view().cursor().shape(), Qt::CrossCursor);
  const Point from = window_.view().view().ToWorld({200, 150}),
              to = window_.view().view().ToWorld({290, 150});
  Mouse(QEvent::MouseButtonPress, {200, 150});
  Mouse(QEvent::MouseButtonPress, {290, 150});
  const double pixels = Dialog().dialog().RasterLaenge();
  EXPECT_NEAR(pixels, (std::lround(to.x) - std::lround(from.x)) / 100.0, 0.5);
  const QRegularExpressionMatch measured =
      QRegularExpression("^Measured on the plan: (\\d+)[.,](\\d{3}) m \\(([\\d.]+) plan pixels\\)")
          .match(Status());
  ASSERT_TRUE(measured.hasMatch()) << Status().toStdString();
  EXPECT_EQ(measured.captured(3).toDouble(), std::round(pixels * 10) / 10);
  // 100 world units a plan pixel, 1 000 a metre
  EXPECT_NEAR((measured.captured(1) + "." + measured.captured(2)).toDouble(), pixels / 10, 0.05);

  // A length begun and pending when the page changes: its band is gone; the picked pixel itself may
  // stay inverted, as the first move "erases" a one-pixel band that the press never drew.
  const std::vector<uint32_t> before = Pixels();
  Mouse(QEvent::MouseButtonPress, {200, 150});
  Mouse(QEvent::MouseMove, {260, 200});
  ASSERT_GT(Changed(before), 50);
  ShowShiftPage();
  EXPECT_LE(Changed(before), 1);
  Mouse(QEvent::MouseMove, {210, 160});
  EXPECT_NE(window_.view().cursor().shape(), Qt::CrossCursor);
  Mouse(QEvent::MouseButtonPress, {210, 160});
  EXPECT_TRUE(Status().startsWith("Click ignored")) << Status().toStdString();
}

TEST_F(PlanAlignmentTest, EscCancelsAShiftAndLeftDragPansAgainAfterwards) {
  ShowShiftPage();
  auto& dx = Control<QLineEdit>(Dialog().dialog().edDx);
  dx.setCursorPosition(1);
  TypeText(dx, "2");  // a relative total of 2 m
  Control<QAbstractButton>(Dialog().dialog().pbShift).click();
  EXPECT_EQ(window_.view().raster()->Dx(), -20);
  const Point origin = window_.view().view().origin();
  Mouse(QEvent::MouseButtonPress, {100, 100});  // taken by the session: no pan
  Mouse(QEvent::MouseMove, {150, 100}, Qt::LeftButton);
  EXPECT_EQ(window_.view().view().origin().x, origin.x);

  PressKey(Dialog(), Qt::Key_Escape, "\x1b");
  EXPECT_EQ(window_.view().raster()->Dx(), 0);
  EXPECT_EQ(dir_.Stored("DX"), "0");
  EXPECT_EQ(Status(), "Alignment cancelled");
  EXPECT_FALSE(window_.alignment().window()->isVisible());
  Mouse(QEvent::MouseButtonPress, {100, 100});
  Mouse(QEvent::MouseMove, {150, 100}, Qt::LeftButton);
  EXPECT_LT(window_.view().view().origin().x, origin.x);
}

}  // namespace
}  // namespace tessera::viewer
