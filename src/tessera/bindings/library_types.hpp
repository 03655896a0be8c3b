// The library's type library: the default interface of every bound class, in catalogue order,
// described from the class's dispatch table.
#pragma once

#include "tessera/frame/component/com_abi.h"
#include "tessera/frame/component/type_library.hpp"

namespace tessera {

const frame::LibraryDescription& LibraryTypes();

// The ITypeInfo of the bound class with `table` (ServedClass::type_info): a new reference, or
// nullptr for a table of no bound class.
ITypeInfo* LibraryTypeInfo(const frame::DispatchTable& table);

}  // namespace tessera
