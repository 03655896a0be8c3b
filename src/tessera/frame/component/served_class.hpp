// What the component route serves for one class: its dispatch table, for a class that raises events
// the bridge that connects a host's dispatch sink to them, and where its type information is.
#pragma once

#include "tessera/frame/component/com_abi.h"
#include "tessera/frame/dispatch/dispatch_table.hpp"
#include "tessera/platform/runtime/object.hpp"

namespace tessera::frame {

struct EventBridge;

struct ServedClass {
  const DispatchTable& (*table)();
  const EventBridge* events;  // nullptr for a class without events
  // A new reference to the ITypeInfo of the class with `table` (std::bad_alloc when memory runs
  // out); nullptr for a class outside every type library.
  ITypeInfo* (*type_info)(const DispatchTable& table) = nullptr;
};

// How an object that leaves the library is served, or nullptr when its class is not served.
using ClassFinder = const ServedClass* (*)(const platform::Object& object);

}  // namespace tessera::frame
