// Library Variants to and from the component ABI's VARIANTs.
//
// The value kinds share their numbers, so most values cross as they are; strings become BSTRs,
// Booleans -1 and 0, Missing VT_ERROR with DISP_E_PARAMNOTFOUND, and objects dispatch interfaces.
// An argument passed by reference is read through its reference and written back in its own type.
#pragma once

#include "tessera/frame/component/com_abi.h"
#include "tessera/frame/dispatch/dispatch_table.hpp"
#include "tessera/platform/runtime/variant.hpp"

namespace tessera::frame {

// The dispatch table that serves an object leaving the library, or nullptr when none does.
using TableFinder = const DispatchTable* (*)(const platform::Object& object);

// The value `value` carries. A kind the library has no Variant for is error 458; a dispatch
// interface that is not one of the library's own objects is error 13.
platform::Variant FromComVariant(const VARIANT& value);

// `value` as a new VARIANT in `out`, which must hold nothing that needs freeing. An object whose
// class has no table is error 13.
void ToComVariant(const platform::Variant& value, VARIANT& out, TableFinder finder);

bool IsByReference(const VARIANT& value) noexcept;

// Stores `value` through the reference `target` holds, converted to the referenced type.
void WriteThroughReference(const platform::Variant& value, VARIANT& target, TableFinder finder);

}  // namespace tessera::frame
