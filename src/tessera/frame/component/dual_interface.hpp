// The dual interfaces of the library's classes: IDispatch's seven slots followed by one entry per
// member row (abi_entry.hpp), in the order DispatchTable::vtable() lays them out. A member that is
// not offered yet keeps its place with an entry that answers error 438.
//
// An entry answers S_OK, E_POINTER for a missing by-reference or result pointer (a left-out
// optional Variant may be a null pointer), the library's run-time error n as
// TESSERA_RUNTIME_ERROR_SCODE(n), or what IDispatch::Invoke answers for the same call. A failed
// call leaves its result zero: a null string or object, an empty VARIANT.
#pragma once

#include "tessera/frame/component/com_abi.h"
#include "tessera/frame/dispatch/dispatch_table.hpp"

namespace tessera::frame {

using DualCall = decltype(DualVtable::call);

// Runs the member behind `entry` on `self` as IDispatch::Invoke does (DualVtable::call); the
// dispatch object puts it into its vtables wrapped as its other entries are.
HRESULT CallRow(IDispatch* self, AbiEntryPointer entry, void* const* args, void* out);

// The vtable of `table`'s class whose first seven slots are `dispatch`'s and whose entries run
// through `call`; built on first use and kept while the library is loaded.
const IDispatchVtbl& DualVtableFor(const DispatchTable& table, const IDispatchVtbl& dispatch, DualCall call);

}  // namespace tessera::frame
