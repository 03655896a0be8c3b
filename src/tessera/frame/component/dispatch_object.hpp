// A library object as the component ABI's dispatch interface, which is also its class's dual
// interface: the same pointer answers IDispatch and the class's default interface, whose vtable
// goes on with the class's members (dual_interface.hpp).
//
// Member ids are the table's slots counted from kFirstMemberId, the way a type library numbers the
// members of such a class, so that no member is taken for the default value (id 0). Invoke
// converts the arguments, runs the member and turns a run-time error into DISP_E_EXCEPTION with
// the error's number (TESSERA_RUNTIME_ERROR_SCODE), source and description. An object whose class
// raises events also answers IConnectionPointContainer, with the connection point of its events.
#pragma once

#include <optional>

#include "tessera/frame/catalogue/guid.hpp"
#include "tessera/frame/component/com_abi.h"
#include "tessera/frame/component/com_variant.hpp"
#include "tessera/frame/dispatch/dispatch_table.hpp"
#include "tessera/platform/runtime/object.hpp"

namespace tessera::frame {

inline constexpr DISPID kFirstMemberId = 0x60030000;

// A new dispatch interface over `object`, holding one reference for the caller; `served` must
// outlive it. std::bad_alloc when memory runs out.
IDispatch* NewDispatchObject(platform::ObjectRef object, const ServedClass& served, ClassFinder finder);

// Runs `row` of the object behind `self` with `params`, as Invoke does once it has found the row.
HRESULT InvokeRow(IDispatch* self, const MemberRow& row, DISPPARAMS& params, VARIANT* result,
                  EXCEPINFO* exception);

// DISP_E_EXCEPTION for the run-time error being handled, described in `exception` if given.
HRESULT ReportException(EXCEPINFO* exception);

// The identity of the default interface of `table`'s class, or nullopt for a class outside the
// catalogue.
std::optional<Guid> InterfaceIdOf(const DispatchTable& table);

// The library object behind any interface of one of the library's objects (nullptr for Nothing), or
// nullopt for a host's object; recognised through QueryInterface alone.
std::optional<platform::ObjectRef> LibraryObjectOf(IUnknown* unknown);
inline std::optional<platform::ObjectRef> LibraryObjectOf(IDispatch* dispatch) {
  return LibraryObjectOf(reinterpret_cast<IUnknown*>(dispatch));
}

}  // namespace tessera::frame
