// The library's Collection as a dispatch object of its own, the way hosts know collections: Item
// is the default member (DISPID_VALUE), Add, Count and Remove follow it, and _NewEnum
// (DISPID_NEWENUM) answers an IEnumVARIANT over the items. An index is a number from 1, a key a
// string; the collection's own errors (9, 5, 457) arrive as DISP_E_EXCEPTION.
#pragma once

#include <memory>

#include "tessera/frame/component/com_abi.h"
#include "tessera/frame/component/served_class.hpp"
#include "tessera/platform/runtime/collection.hpp"

namespace tessera::frame {

inline constexpr DISPID kCollectionAddId = 1;
inline constexpr DISPID kCollectionCountId = 2;
inline constexpr DISPID kCollectionRemoveId = 3;

// A new dispatch interface over `collection`, holding one reference for the caller; items that are
// objects leave as `finder` serves them.
IDispatch* NewCollectionObject(std::shared_ptr<platform::Collection> collection, ClassFinder finder);

// The collection behind `unknown`, or nullptr when it is not one of the library's collections.
std::shared_ptr<platform::Collection> CollectionBehind(IUnknown* unknown);
inline std::shared_ptr<platform::Collection> CollectionBehind(IDispatch* dispatch) {
  return CollectionBehind(reinterpret_cast<IUnknown*>(dispatch));
}

}  // namespace tessera::frame
