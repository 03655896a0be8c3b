// MensTrans: the geometry library's scale-and-shift transformation.
//
// The formula, the same on both axes and without mirroring:
//   target = (source - D) * Factor          source = target / Factor + D
// with D = (Dx, Dy) in source units. For a raster placement the source is the raster's pixels and
// the target the floor's world coordinates, so Factor is world units per pixel and lowering Dx by
// a world displacement divided by Factor moves the raster by that displacement (InverseDelta).
// Results are rounded to 32-bit integers with MensGlobal's rule (halves away from zero); a result
// beyond 32 bits raises error 6, an inverse mapping with Factor 0 raises error 11.
#pragma once

#include <cstdint>

#include "tessera/export.hpp"
#include "tessera/frame/companions/mensura/mens_rect.hpp"
#include "tessera/platform/runtime/object.hpp"

namespace mensura {

class TESSERA_API MensTrans : public tessera::platform::Object {
 public:
  std::string_view TypeName() const noexcept override { return "MensTrans"; }

  double Factor() const { return factor_; }
  void Factor(double value) { factor_ = value; }
  int32_t Dx() const { return dx_; }
  void Dx(int32_t value) { dx_ = value; }
  int32_t Dy() const { return dy_; }
  void Dy(int32_t value) { dy_ = value; }

  // Replaces (x, y) by its image.
  void TransformPoint(int32_t& x, int32_t& y) const;
  // Maps both corners forward, or backward, in place; InverseRect undoes TransformRect up to rounding.
  void TransformRect(MensRect& rect) const;
  void InverseRect(MensRect& rect) const;
  // Converts a displacement of target points into source units, without the offsets.
  void InverseDelta(int32_t& dx, int32_t& dy) const;

  void CopyFrom(const MensTrans& other) { *this = other; }

 private:
  int32_t Forward(int32_t value, int32_t offset) const;
  int32_t Backward(int32_t value, int32_t offset) const;
  double Divisor() const;

  double factor_ = 1.0;
  int32_t dx_ = 0;
  int32_t dy_ = 0;
};

}  // namespace mensura
