// The class factory a host receives from DllGetClassObject: it makes new objects of one class and
// hands them out as dispatch interfaces.
#pragma once

#include "tessera/frame/component/com_abi.h"
#include "tessera/frame/component/com_variant.hpp"

namespace tessera::frame {

struct FactoryRecipe {
  platform::ObjectRef (*create)();
  const ServedClass* served;
  ClassFinder finder;
};

// A new class factory, holding one reference for the caller; std::bad_alloc when memory runs out.
// A factory counts as a live component object until its last release.
IClassFactory* NewClassFactory(const FactoryRecipe& recipe);

}  // namespace tessera::frame
