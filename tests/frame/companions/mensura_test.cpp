#include <gtest/gtest.h>

#include <cmath>

#include "platform/runtime/error_number.hpp"
#include "tessera/frame/companions/mensura/mens_global.hpp"
#include "tessera/frame/companions/mensura/mens_trans.hpp"

namespace mensura {
namespace {

using tessera::platform::testing::ErrorNumberOf;
namespace err = tessera::platform::err;

MensRect Rect(int32_t left, int32_t top, int32_t right, int32_t bottom) {
  MensRect rect;
  rect.Left(left), rect.Top(top), rect.Right(right), rect.Bottom(bottom);
  return rect;
}

MensTrans Trans(int32_t dx, int32_t dy, double factor) {
  MensTrans trans;
  trans.Dx(dx), trans.Dy(dy), trans.Factor(factor);
  return trans;
}

void ExpectRect(const MensRect& rect, int32_t left, int32_t top, int32_t right, int32_t bottom) {
  EXPECT_EQ(rect.Left(), left);
  EXPECT_EQ(rect.Top(), top);
  EXPECT_EQ(rect.Right(), right);
  EXPECT_EQ(rect.Bottom(), bottom);
}

TEST(MensTrans, InverseRectUndoesTransformRect) {
  const MensTrans trans = Trans(-120, 48, 12.5);
  MensRect rect = Rect(-3, 7, 2000, 1000);
  trans.TransformRect(rect);
  ExpectRect(rect, 1463, -513, 26500, 11900);
  EXPECT_EQ(rect.Width(), 25037);
  EXPECT_EQ(rect.Height(), 12413);
  trans.InverseRect(rect);
  ExpectRect(rect, -3, 7, 2000, 1000);
}

TEST(MensTrans, LoweringTheShiftByAConvertedDeltaMovesByThatDelta) {
  MensTrans trans = Trans(10, -4, 2.5);
  int32_t x = 100, y = 200;
  trans.TransformPoint(x, y);
  int32_t dx = 500, dy = -250;  // world displacement
  trans.InverseDelta(dx, dy);
  EXPECT_EQ(dx, 200);
  EXPECT_EQ(dy, -100);
  trans.Dx(trans.Dx() - dx);
  trans.Dy(trans.Dy() - dy);
  int32_t moved_x = 100, moved_y = 200;
  trans.TransformPoint(moved_x, moved_y);
  EXPECT_EQ(moved_x, x + 500);
  EXPECT_EQ(moved_y, y - 250);
}

TEST(MensTrans, CopyFromTakesAllThreeValues) {
  MensTrans saved;
  saved.CopyFrom(Trans(7, 8, 0.25));
  EXPECT_EQ(saved.Dx(), 7);
  EXPECT_EQ(saved.Dy(), 8);
  EXPECT_EQ(saved.Factor(), 0.25);
}

TEST(MensTrans, ResultsBeyondThirtyTwoBitsAndZeroFactorFail) {
  MensRect rect = Rect(0, 0, 100000, 100000);
  EXPECT_EQ(ErrorNumberOf([&] { Trans(0, 0, 1e6).TransformRect(rect); }), err::kOverflow);
  ExpectRect(rect, 0, 0, 100000, 100000);  // untouched by the failed call
  EXPECT_EQ(ErrorNumberOf([&] { Trans(0, 0, 0.0).InverseRect(rect); }), err::kDivisionByZero);
  EXPECT_EQ(ErrorNumberOf([] { (void)Rect(-2147483647, 0, 2, 0).Width(); }), err::kOverflow);
}

TEST(MensGlobal, RoundsHalvesAwayFromZeroAndChecksTheRange) {
  const MensGlobal global;
  EXPECT_EQ(global.RoundToLong(2.5), 3);
  EXPECT_EQ(global.RoundToLong(-2.5), -3);
  EXPECT_EQ(global.RoundToLong(2.4999), 2);
  EXPECT_EQ(global.RoundToLong(2147483647.4), 2147483647);
  EXPECT_EQ(ErrorNumberOf([&] { global.RoundToLong(2147483647.5); }), err::kOverflow);
  EXPECT_EQ(ErrorNumberOf([&] { global.RoundToLong(std::nan("")); }), err::kOverflow);
  EXPECT_DOUBLE_EQ(global.Length(3.0, -4.0), 5.0);
}

TEST(MensGlobal, UnitFactorIsMillimetresPerMetreUnlessTheHostSetsIt) {
  EXPECT_EQ(MensGlobal().UnitFactor(), 1000);
  SetDefaultUnitFactor(100);
  EXPECT_EQ(MensGlobal().UnitFactor(), 100);
  SetDefaultUnitFactor(kDefaultUnitFactor);
  EXPECT_EQ(ErrorNumberOf([] { SetDefaultUnitFactor(0); }), err::kInvalidProcedureCall);
}

}  // namespace
}  // namespace mensura
