#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "platform/runtime/error_number.hpp"
#include "tessera/draw/cdraw_line.hpp"
#include "tessera/draw/cdraw_rect.hpp"
#include "tessera/platform/surface/canvas.hpp"

namespace tessera {
namespace {

using platform::Canvas;
using platform::testing::ErrorNumberOf;

// A canvas that logs every change of its pen and every line, in order.
class RecordingControl : public Canvas {
 public:
  using Canvas::Canvas;
  void DrawMode(int16_t mode) override { Log("DrawMode", mode), Canvas::DrawMode(mode); }
  void DrawWidth(int16_t width) override { Log("DrawWidth", width), Canvas::DrawWidth(width); }
  void ForeColor(int32_t colour) override { Log("ForeColor", colour), Canvas::ForeColor(colour); }
  void DrawStyle(int16_t style) override { Log("DrawStyle", style), Canvas::DrawStyle(style); }
  using Canvas::DrawMode, Canvas::DrawWidth, Canvas::ForeColor, Canvas::DrawStyle;
  void Line(float x1, float y1, float x2, float y2, platform::LineShape shape,
            std::optional<int32_t> colour) override {
    Log("Line", static_cast<int>(shape));
    Canvas::Line(x1, y1, x2, y2, shape, colour);
  }

  std::vector<std::string> log;

 private:
  void Log(const char* what, int value) { log.push_back(std::string(what) + " " + std::to_string(value)); }
};

std::shared_ptr<RecordingControl> NoisyControl() {
  auto control = std::make_shared<RecordingControl>(120, 80);
  std::mt19937 random(3);
  for (int y = 0; y < 80; ++y) {
    for (int x = 0; x < 120; ++x) control->SetPixel(x, y, random() & 0xFFFFFF);
  }
  control->DrawMode(9), control->DrawWidth(3), control->ForeColor(0x123456), control->DrawStyle(2);
  control->log.clear();
  return control;
}

const std::vector<std::string> kPenAfterwards{"DrawMode 9", "DrawWidth 3", "ForeColor 1193046",
                                              "DrawStyle 2"};
const std::vector<std::string> kInvertPen{"DrawMode 6", "DrawWidth 1", "ForeColor 0", "DrawStyle 0"};

std::vector<std::string> Joined(std::vector<std::string> a, const std::vector<std::string>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

class DrawLineTest : public ::testing::Test {
 protected:
  DrawLineTest() {
    line->m_P0()->X(100), line->m_P0()->Y(150);
    line->m_P1()->X(1000), line->m_P1()->Y(600);
    trans->Factor(0.1);
  }
  std::shared_ptr<RecordingControl> control = NoisyControl();
  platform::ObjectRef pb = control;
  std::shared_ptr<mensura::MensTrans> trans = std::make_shared<mensura::MensTrans>();
  std::shared_ptr<CDrawLine> line = std::make_shared<CDrawLine>();
};

TEST_F(DrawLineTest, DrawsTheTransformedSegmentInvertedAndTwiceRestores) {
  const auto before = control->pixels();
  line->Draw(pb, trans);
  EXPECT_NE(control->PixelAt(10, 15), before[15 * 120 + 10]);
  EXPECT_NE(control->PixelAt(99, 60), before[60 * 120 + 99]);
  EXPECT_EQ(control->PixelAt(100, 60), before[60 * 120 + 100]) << "the end point is left out";
  EXPECT_EQ(control->log, Joined(Joined(kInvertPen, {"Line 0"}), kPenAfterwards));
  line->Draw(pb, trans);
  EXPECT_EQ(control->pixels(), before);
}

// A failure inside leaves the pen as it was, what is not a picture control reaches the caller, and a
// line switched off touches nothing.
TEST_F(DrawLineTest, FailuresLeaveThePenAsItWasAndSwitchedOffItTouchesNothing) {
  std::shared_ptr<mensura::MensTrans> none;
  line->Draw(pb, none);
  EXPECT_EQ(control->log, Joined(kInvertPen, kPenAfterwards));
  control->log.clear();
  platform::ObjectRef not_a_control = std::make_shared<mensura::MensPoint>(), nothing;
  EXPECT_EQ(ErrorNumberOf([&] { line->Draw(not_a_control, trans); }), platform::err::kObjectNotSet);
  EXPECT_EQ(ErrorNumberOf([&] { line->Draw(nothing, trans); }), platform::err::kObjectNotSet);
  EXPECT_TRUE(control->log.empty());

  line->m_bDraw(false);
  const auto before = control->pixels();
  line->Draw(pb, trans);
  EXPECT_TRUE(control->log.empty());
  EXPECT_EQ(control->pixels(), before);
  line->m_bDraw(true);
  line->m_P1(nullptr);
  line->Draw(pb, trans);
  EXPECT_EQ(control->log, Joined(kInvertPen, kPenAfterwards));
}

TEST_F(DrawLineTest, CopyFromTakesThePointsAndInitResetsTheSameObjects) {
  auto target = std::make_shared<CDrawLine>();
  target->m_bDraw(false);
  const auto own_point = target->m_P0();
  target->CopyFrom(line);
  EXPECT_EQ(target->m_P1()->X(), 1000);
  EXPECT_EQ(target->m_P0(), own_point);  // copied into, not replaced
  EXPECT_FALSE(target->m_bDraw());
  std::shared_ptr<CDrawLine> nothing;
  EXPECT_NO_THROW(target->CopyFrom(nothing));

  target->Init();
  EXPECT_EQ(target->m_P0(), own_point);
  EXPECT_EQ(own_point->X(), 0);
  EXPECT_TRUE(target->m_bDraw());
  target->m_P1(nullptr);
  target->Init();
  EXPECT_NE(target->m_P1(), nullptr);
}

TEST(DrawRectTest, OutlinesTheCornersAsTheyAreTwiceRestoresAndWithoutARectangleKeepsThePen) {
  auto control = NoisyControl();
  platform::ObjectRef pb = control;
  auto rect = std::make_shared<CDrawRect>();
  rect->m_Rect()->Left(10), rect->m_Rect()->Top(10), rect->m_Rect()->Right(110), rect->m_Rect()->Bottom(60);
  const auto before = control->pixels();
  rect->Draw(pb);
  int changed = 0;
  for (int y = 0; y < 80; ++y) {
    for (int x = 0; x < 120; ++x) {
      const bool border =
          x >= 10 && x <= 110 && y >= 10 && y <= 60 && (x == 10 || x == 110 || y == 10 || y == 60);
      const bool differs = control->PixelAt(x, y) != before[static_cast<std::size_t>(y * 120 + x)];
      ASSERT_EQ(differs, border) << x << "," << y;
      changed += differs;
    }
  }
  EXPECT_EQ(changed, 2 * 101 + 2 * 49);
  EXPECT_EQ(control->log, Joined(Joined(kInvertPen, {"Line 1"}), kPenAfterwards));
  rect->Draw(pb);
  EXPECT_EQ(control->pixels(), before);

  control->log.clear();  // without a rectangle, the pen is left as it was
  rect->m_Rect(nullptr);
  rect->Draw(pb);
  EXPECT_EQ(control->log, Joined(kInvertPen, kPenAfterwards));
  rect->Init();
  EXPECT_NE(rect->m_Rect(), nullptr);
}

}  // namespace
}  // namespace tessera
