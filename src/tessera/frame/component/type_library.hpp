// A type library over dispatch tables: each of its types is a class's default interface, described
// as a dual dispatch interface from the class's table, so that the description cannot drift from
// what the class's objects answer.
//
// The descriptions are fixed data that outlive every ITypeLib and ITypeInfo made over them; those
// are component objects of their own, counted among the library's live objects until released.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "tessera/frame/catalogue/guid.hpp"
#include "tessera/frame/component/com_abi.h"
#include "tessera/frame/dispatch/dispatch_table.hpp"

namespace tessera::frame {

// A class's default interface: "_GTool", its identity and the table of the class.
struct DescribedInterface {
  std::string_view name;
  Guid id;
  const DispatchTable& (*table)();
};

struct LibraryDescription {
  Guid id;
  uint16_t major_version;
  uint16_t minor_version;
  std::string_view name;
  std::string_view description;
  std::vector<DescribedInterface> types;
};

// A new ITypeLib over `library`, one reference for the caller; std::bad_alloc when memory runs out.
ITypeLib* NewTypeLibrary(const LibraryDescription& library);

}  // namespace tessera::frame
