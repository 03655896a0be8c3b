// The classes a host can reach by name: their catalogue entry, dispatch table, implicit instance
// (for the global classes) and a factory for new objects. Classes join as their areas are built.
#pragma once

#include <span>
#include <string_view>

#include "tessera/frame/catalogue/catalogue.hpp"
#include "tessera/frame/component/served_class.hpp"
#include "tessera/frame/dispatch/dispatch_table.hpp"
#include "tessera/platform/runtime/object.hpp"

namespace tessera {

struct ClassBinding {
  const frame::ClassInfo& info;
  frame::ServedClass served;  // its dispatch table and, for a class that raises events, their bridge
  platform::ObjectRef (*create)();
  platform::Object* (*implicit_instance)();  // nullptr for a creatable class
};

std::span<const ClassBinding> ClassBindings();

// The binding of the class with this name or prog id, without regard to case; nullptr if none.
const ClassBinding* FindClassBinding(std::string_view name);

// The object a call on the class itself reaches: the implicit instance of a global class (a
// reference that does not own it, as it lives as long as the library), else a new object.
platform::ObjectRef ClassCallTarget(const ClassBinding& binding);

}  // namespace tessera
