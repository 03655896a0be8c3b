// MensGlobal: the geometry library's global functions, and its one shared setting.
//
// UnitFactor is the number of world units per unit of the lengths a user types: 1000, because world
// coordinates are millimetres and users type metres. A host whose drawings use another unit sets
// it once at start with SetDefaultUnitFactor, before any MensGlobal object is made.
#pragma once

#include <cstdint>

#include "tessera/export.hpp"
#include "tessera/platform/runtime/object.hpp"

namespace mensura {

inline constexpr int32_t kDefaultUnitFactor = 1000;

// The nearest 32-bit integer, halves away from zero (2.5 -> 3, -2.5 -> -3). A value outside the
// 32-bit range, or NaN, raises run-time error 6.
TESSERA_API int32_t RoundToLong(double value);

// Sets the UnitFactor that MensGlobal objects made from now on answer; a value below 1 raises error 5.
TESSERA_API void SetDefaultUnitFactor(int32_t units_per_typed_unit);

class TESSERA_API MensGlobal : public tessera::platform::Object {
 public:
  std::string_view TypeName() const noexcept override { return "MensGlobal"; }

  MensGlobal();

  int32_t UnitFactor() const { return unit_factor_; }
  int32_t RoundToLong(double value) const { return mensura::RoundToLong(value); }
  // Euclidean length of (dx, dy).
  double Length(double dx, double dy) const;

 private:
  int32_t unit_factor_;
};

}  // namespace mensura
