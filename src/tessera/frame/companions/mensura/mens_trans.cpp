#include "tessera/frame/companions/mensura/mens_trans.hpp"

#include "tessera/frame/companions/mensura/mens_global.hpp"
#include "tessera/platform/runtime/error.hpp"

namespace mensura {

int32_t MensTrans::Forward(int32_t value, int32_t offset) const {
  return RoundToLong((static_cast<double>(value) - offset) * factor_);
}

int32_t MensTrans::Backward(int32_t value, int32_t offset) const {
  return RoundToLong(static_cast<double>(value) / Divisor() + offset);
}

double MensTrans::Divisor() const {
  if (factor_ == 0.0) tessera::platform::Raise(tessera::platform::err::kDivisionByZero);
  return factor_;
}

void MensTrans::TransformPoint(int32_t& x, int32_t& y) const {
  const int32_t new_x = Forward(x, dx_);
  y = Forward(y, dy_);
  x = new_x;
}

void MensTrans::TransformRect(MensRect& rect) const {
  // All four results are computed before any is stored, so a failure leaves the rectangle as it was.
  const int32_t left = Forward(rect.Left(), dx_);
  const int32_t top = Forward(rect.Top(), dy_);
  const int32_t right = Forward(rect.Right(), dx_);
  const int32_t bottom = Forward(rect.Bottom(), dy_);
  rect.Left(left), rect.Top(top), rect.Right(right), rect.Bottom(bottom);
}

void MensTrans::InverseRect(MensRect& rect) const {
  const int32_t left = Backward(rect.Left(), dx_);
  const int32_t top = Backward(rect.Top(), dy_);
  const int32_t right = Backward(rect.Right(), dx_);
  const int32_t bottom = Backward(rect.Bottom(), dy_);
  rect.Left(left), rect.Top(top), rect.Right(right), rect.Bottom(bottom);
}

void MensTrans::InverseDelta(int32_t& dx, int32_t& dy) const {
  const int32_t new_dx = RoundToLong(dx / Divisor());
  dy = RoundToLong(dy / Divisor());
  dx = new_dx;
}

}  // namespace mensura
