#include "tessera/frame/companions/mensura/mens_global.hpp"

#include <atomic>
#include <cmath>

#include "tessera/platform/runtime/error.hpp"

namespace mensura {

namespace {

std::atomic<int32_t> default_unit_factor{kDefaultUnitFactor};

}  // namespace

int32_t RoundToLong(double value) {
  const double rounded = std::round(value);
  // The comparison is written so that NaN fails it too.
  if (!(rounded >= -2147483648.0 && rounded <= 2147483647.0)) {
    tessera::platform::Raise(tessera::platform::err::kOverflow);
  }
  return static_cast<int32_t>(rounded);
}

void SetDefaultUnitFactor(int32_t units_per_typed_unit) {
  if (units_per_typed_unit < 1) tessera::platform::Raise(tessera::platform::err::kInvalidProcedureCall);
  default_unit_factor = units_per_typed_unit;
}

MensGlobal::MensGlobal() : unit_factor_(default_unit_factor) {}

double MensGlobal::Length(double dx, double dy) const {
  return std::hypot(dx, dy);
}

}  // namespace mensura
