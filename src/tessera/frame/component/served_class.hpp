// What the component route serves for one class: its dispatch table and, for a class that raises
// events, the bridge that connects a host's dispatch sink to them.
#pragma once

#include "tessera/frame/dispatch/dispatch_table.hpp"
#include "tessera/platform/runtime/object.hpp"

namespace tessera::frame {

struct EventBridge;

struct ServedClass {
  const DispatchTable& (*table)();
  const EventBridge* events;  // nullptr for a class without events
};

// How an object that leaves the library is served, or nullptr when its class is not served.
using ClassFinder = const ServedClass* (*)(const platform::Object& object);

}  // namespace tessera::frame
