// The enumerator a collection's _NewEnum answers: it walks the items in order, each handed out as
// a new VARIANT, and sees changes made to the collection while it walks.
#pragma once

#include <memory>

#include "tessera/frame/component/com_abi.h"
#include "tessera/frame/component/served_class.hpp"
#include "tessera/platform/runtime/collection.hpp"

namespace tessera::frame {

// A new enumerator at the first item, holding one reference for the caller.
IEnumVARIANT* NewCollectionEnum(std::shared_ptr<platform::Collection> collection, ClassFinder finder);

}  // namespace tessera::frame
