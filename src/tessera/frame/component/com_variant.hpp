// Library Variants to and from the component ABI's VARIANTs.
//
// The value kinds share their numbers, so most values cross as they are; strings become BSTRs,
// Booleans -1 and 0, Missing VT_ERROR with DISP_E_PARAMNOTFOUND, and objects dispatch interfaces.
// An argument passed by reference is read through its reference and written back in its own type.
#pragma once

#include "tessera/frame/component/com_abi.h"
#include "tessera/frame/component/served_class.hpp"
#include "tessera/platform/runtime/variant.hpp"

namespace tessera::frame {

// The value `value` carries. A kind the library has no Variant for is error 458; a dispatch
// interface that is not one of the library's own objects is error 13.
platform::Variant FromComVariant(const VARIANT& value);

// `value` as a new VARIANT in `out`, which must hold nothing that needs freeing. A Collection
// leaves as a collection object; any other object whose class is not served is error 13.
void ToComVariant(const platform::Variant& value, VARIANT& out, ClassFinder finder);

bool IsByReference(const VARIANT& value) noexcept;

// Stores `value` through the reference `target` holds, converted to the referenced type.
void WriteThroughReference(const platform::Variant& value, VARIANT& target, ClassFinder finder);

}  // namespace tessera::frame
