#include "tessera/raster/typed_units.hpp"

#include "tessera/frame/shared/shared_objects.hpp"
#include "tessera/platform/runtime/checked.hpp"

namespace tessera {

// The unit factor is read anew for each conversion, as a host may set it before its first object.
int32_t TypedToLogical(double typed) {
  return mensura::RoundToLong(typed * frame::SharedMensGlobal().UnitFactor());
}

double LogicalToTyped(double logical) {
  return logical / frame::SharedMensGlobal().UnitFactor();
}

int32_t FlipY(int32_t et_height, int32_t y) {
  return platform::CheckedSub(et_height, y);
}

}  // namespace tessera
