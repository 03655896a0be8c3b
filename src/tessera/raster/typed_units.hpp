// What a user types in the transformation dialog, and the floor's logical coordinates: lengths are
// typed in units of MensGlobal.UnitFactor world units each, and a typed Y runs up from the floor's
// bottom (its height EtHeight) where the floor's own Y runs down from its top.
//
// The raster's editing converts the dialog's numbers with these; a host that shows positions
// through them shows what the user can type back.
#pragma once

#include <cstdint>

#include "tessera/export.hpp"

namespace tessera {

// A typed length in whole world units, rounded as MensGlobal.RoundToLong rounds; error 6 beyond
// 32 bits.
TESSERA_API int32_t TypedToLogical(double typed);
// A length in world units as a typed length.
TESSERA_API double LogicalToTyped(double logical);
// A Y value from the floor's axis to the dialog's, or back (the same flip both ways); error 6 when
// the difference leaves 32 bits.
TESSERA_API int32_t FlipY(int32_t et_height, int32_t y);

}  // namespace tessera
