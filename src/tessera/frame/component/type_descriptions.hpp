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

// std::bad_alloc when memory runs out.
TYPEATTR* NewTypeAttr(const LibraryDescription& library, const DescribedInterface& type);
void FreeTypeAttr(TYPEATTR* attributes) noexcept;

FUNCDESC* NewFuncDesc(const DescribedFunction& function);
void FreeFuncDesc(FUNCDESC* function) noexcept;

}  // namespace tessera::frame
