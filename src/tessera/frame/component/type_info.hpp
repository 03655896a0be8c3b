// ITypeInfo for one interface of a LibraryDescription.
//
// Functions are the table's rows in vtable order (a place held for a member not offered yet has
// none); a function's member id is its slot counted from kFirstMemberId, as the dispatch object
// numbers members, and its vtable offset that of the row's entry in the dual interface, after
// IDispatch's seven. Invoke calls through the instance's own IDispatch::Invoke, so only one of the
// library's objects of the interface's class is a valid instance (E_INVALIDARG otherwise).
#pragma once

#include <cstddef>

#include "tessera/frame/component/com_abi.h"
#include "tessera/frame/component/served_class.hpp"
#include "tessera/frame/component/type_descriptions.hpp"
#include "tessera/frame/component/type_library.hpp"

namespace tessera::frame {

// A new ITypeInfo for type `index` of `library` in one of its views, one reference for the caller;
// std::bad_alloc. The dispatch view leads to the interface view through GetRefTypeOfImplType(-1)
// and GetRefTypeInfo, as a dual interface's type information does.
ITypeInfo* NewTypeInfo(const LibraryDescription& library, std::size_t index,
                       TypeView view = TypeView::kDispatch);

// GetIDsOfNames over `table`, for dispatch objects and type information alike: the first name is a
// member's, compared without regard to case; the members take no named arguments.
HRESULT MemberIdsOfNames(const DispatchTable& table, OLECHAR** names, uint32_t count, DISPID* ids);

// IDispatch's GetTypeInfoCount and GetTypeInfo for an object served as `served`: one type
// information when its class has one, none for a class outside every type library or an object not
// served as a class (nullptr).
HRESULT TypeInfoCount(const ServedClass* served, uint32_t* count);
HRESULT TypeInfoAt(const ServedClass* served, uint32_t index, ITypeInfo** out);

}  // namespace tessera::frame
