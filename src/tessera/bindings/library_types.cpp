#include "tessera/bindings/library_types.hpp"

#include <algorithm>
#include <new>

#include "tessera/bindings/class_bindings.hpp"
#include "tessera/frame/component/com_ids.hpp"
#include "tessera/frame/component/com_object.hpp"
#include "tessera/frame/component/type_info.hpp"

namespace tessera {

namespace {

frame::LibraryDescription DescribeLibrary() {
  frame::LibraryDescription library{frame::kLibraryId,           frame::kLibraryMajorVersion,
                                    frame::kLibraryMinorVersion, frame::kLibraryName,
                                    frame::kLibraryDescription,  {}};
  for (const frame::ClassInfo& info : frame::PublicClasses())
    if (const ClassBinding* binding = FindClassBinding(info.name))
      library.types.push_back({info.default_interface, info.interface_id, binding->served.table});
  return library;
}

// What LoadRegTypeLib finds: this identity with the same major version and a minor one up to ours.
bool IsLibraryVersion(const GUID& id, uint16_t major, uint16_t minor) {
  return frame::ToGuid(id) == frame::kLibraryId && major == frame::kLibraryMajorVersion &&
         minor <= frame::kLibraryMinorVersion;
}

}  // namespace

const frame::LibraryDescription& LibraryTypes() {
  static const frame::LibraryDescription library = DescribeLibrary();
  return library;
}

ITypeInfo* LibraryTypeInfo(const frame::DispatchTable& table) {
  const auto& types = LibraryTypes().types;
  const auto found = std::find_if(types.begin(), types.end(), [&](const frame::DescribedInterface& type) {
    return &type.table() == &table;
  });
  if (found == types.end()) return nullptr;
  return frame::NewTypeInfo(LibraryTypes(), static_cast<std::size_t>(found - types.begin()));
}

}  // namespace tessera

extern "C" HRESULT LoadRegTypeLib(const GUID* library, uint16_t major, uint16_t minor, LCID, ITypeLib** out) {
  if (library == nullptr || out == nullptr) return E_INVALIDARG;
  *out = nullptr;
  if (!tessera::IsLibraryVersion(*library, major, minor)) return TYPE_E_LIBNOTREGISTERED;
  return tessera::frame::AnswerUnlessOutOfMemory([&] {
    *out = tessera::frame::NewTypeLibrary(tessera::LibraryTypes());
    return S_OK;
  });
}
