// MensRect and MensPoint: the geometry library's integer rectangle and point.
//
// Plain value holders with the host's 32-bit coordinates; a written value reads back unchanged.
// Width and Height are computed with checked arithmetic, so an extent that leaves 32 bits raises
// run-time error 6 instead of wrapping.
#pragma once

#include <cstdint>

#include "tessera/export.hpp"
#include "tessera/platform/runtime/object.hpp"

namespace mensura {

class TESSERA_API MensRect : public tessera::platform::Object {
 public:
  std::string_view TypeName() const noexcept override { return "MensRect"; }

  int32_t Left() const { return left_; }
  void Left(int32_t value) { left_ = value; }
  int32_t Top() const { return top_; }
  void Top(int32_t value) { top_ = value; }
  int32_t Right() const { return right_; }
  void Right(int32_t value) { right_ = value; }
  int32_t Bottom() const { return bottom_; }
  void Bottom(int32_t value) { bottom_ = value; }

  // Right - Left and Bottom - Top; negative for an inverted rectangle.
  int32_t Width() const;
  int32_t Height() const;

  void Init() { *this = MensRect(); }
  void CopyFrom(const MensRect& other) { *this = other; }

 private:
  int32_t left_ = 0;
  int32_t top_ = 0;
  int32_t right_ = 0;
  int32_t bottom_ = 0;
};

class TESSERA_API MensPoint : public tessera::platform::Object {
 public:
  std::string_view TypeName() const noexcept override { return "MensPoint"; }

  int32_t X() const { return x_; }
  void X(int32_t value) { x_ = value; }
  int32_t Y() const { return y_; }
  void Y(int32_t value) { y_ = value; }

  void Init() { *this = MensPoint(); }
  void CopyFrom(const MensPoint& other) { *this = other; }

 private:
  int32_t x_ = 0;
  int32_t y_ = 0;
};

}  // namespace mensura
