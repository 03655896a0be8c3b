// The TYPEATTR and FUNCDESC records of a described interface, allocated for a host that frees them
// with the matching Free... function (ITypeInfo's ReleaseTypeAttr and ReleaseFuncDesc).
#pragma once

#include <cstddef>

#include "tessera/frame/component/com_abi.h"
#include "tessera/frame/component/type_library.hpp"

namespace tessera::frame {

// The rows that become functions, in vtable order, with their place in the vtable.
struct DescribedFunction {
  const MemberRow* row;
  std::size_t vtable_index;
};
std::vector<DescribedFunction> DescribedFunctions(const DispatchTable& table);

// The two views of a dual interface: the dispatch view, whose functions are called through
// IDispatch::Invoke and answer their results, and the interface view of the vtable, whose functions
// answer an HRESULT and hand their results back through a last [out, retval] parameter.
enum class TypeView { kDispatch, kInterface };

// std::bad_alloc when memory runs out.
TYPEATTR* NewTypeAttr(const LibraryDescription& library, const DescribedInterface& type, TypeView view);
void FreeTypeAttr(TYPEATTR* attributes) noexcept;

FUNCDESC* NewFuncDesc(const DescribedFunction& function, TypeView view);
void FreeFuncDesc(FUNCDESC* function) noexcept;

}  // namespace tessera::frame
