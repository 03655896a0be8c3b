#include "tessera/frame/component/type_library.hpp"

#include <algorithm>
#include <new>
#include <string>

#include "tessera/frame/component/com_ids.hpp"
#include "tessera/frame/component/com_object.hpp"
#include "tessera/frame/component/com_strings.hpp"
#include "tessera/frame/component/dispatch_object.hpp"
#include "tessera/frame/component/type_info.hpp"
#include "tessera/platform/runtime/text_case.hpp"

namespace tessera::frame {

namespace {

struct TypeLibrary : ComObject<TypeLibrary, ITypeLib> {
  static constexpr bool kBoundToThread = false;
  explicit TypeLibrary(const LibraryDescription& of);
  static void* InterfaceFor(const IID& id, TypeLibrary& self) {
    return SameId(id, IID_IUnknown) || SameId(id, IID_ITypeLib) ? &self : nullptr;
  }

  const LibraryDescription& library;
};

const LibraryDescription& LibraryOf(ITypeLib* self) {
  return TypeLibrary::Of(self).library;
}

// A type's ITypeInfo, a new reference, into `info`.
HRESULT AnswerTypeInfo(const LibraryDescription& library, std::size_t index, ITypeInfo** info) {
  return AnswerUnlessOutOfMemory([&] {
    *info = NewTypeInfo(library, index);
    return S_OK;
  });
}

uint32_t GetTypeInfoCount(ITypeLib* self) {
  return static_cast<uint32_t>(LibraryOf(self).types.size());
}

HRESULT GetTypeInfo(ITypeLib* self, uint32_t index, ITypeInfo** info) {
  if (info == nullptr) return E_INVALIDARG;
  *info = nullptr;
  if (index >= LibraryOf(self).types.size()) return TYPE_E_ELEMENTNOTFOUND;
  return AnswerTypeInfo(LibraryOf(self), index, info);
}

HRESULT GetTypeInfoType(ITypeLib* self, uint32_t index, TYPEKIND* kind) {
  if (kind == nullptr) return E_INVALIDARG;
  if (index >= LibraryOf(self).types.size()) return TYPE_E_ELEMENTNOTFOUND;
  *kind = TKIND_DISPATCH;
  return S_OK;
}

HRESULT GetTypeInfoOfGuid(ITypeLib* self, const GUID* guid, ITypeInfo** info) {
  if (guid == nullptr || info == nullptr) return E_INVALIDARG;
  *info = nullptr;
  const auto& types = LibraryOf(self).types;
  const auto found = std::find_if(types.begin(), types.end(),
                                  [&](const DescribedInterface& type) { return type.id == ToGuid(*guid); });
  if (found == types.end()) return TYPE_E_ELEMENTNOTFOUND;
  return AnswerTypeInfo(LibraryOf(self), static_cast<std::size_t>(found - types.begin()), info);
}

HRESULT GetLibAttr(ITypeLib* self, TLIBATTR** attributes) {
  if (attributes == nullptr) return E_INVALIDARG;
  const LibraryDescription& library = LibraryOf(self);
  *attributes = new (std::nothrow)
      TLIBATTR{ToIid(library.id),     0, sizeof(void*) == 8 ? SYS_WIN64 : SYS_WIN32, library.major_version,
               library.minor_version, 0};
  return *attributes != nullptr ? S_OK : E_OUTOFMEMORY;
}

HRESULT GetTypeComp(ITypeLib*, ITypeComp** compiler) {
  if (compiler != nullptr) *compiler = nullptr;
  return E_NOTIMPL;
}

// Index -1 is the library itself: its name and description. A type has its name only.
HRESULT GetDocumentation(ITypeLib* self, int32_t index, BSTR* name, BSTR* doc, uint32_t* help_context,
                         BSTR* help_file) {
  const LibraryDescription& library = LibraryOf(self);
  if (index < -1 || index >= static_cast<int32_t>(library.types.size())) return TYPE_E_ELEMENTNOTFOUND;
  const bool is_library = index == -1;
  if (name != nullptr) *name = nullptr;
  if (doc != nullptr) *doc = nullptr;
  if (help_context != nullptr) *help_context = 0;
  if (help_file != nullptr) *help_file = nullptr;
  try {
    if (name != nullptr) *name = BstrFromUtf8(is_library ? library.name : library.types[index].name);
    if (doc != nullptr && is_library) *doc = BstrFromUtf8(library.description);
    return S_OK;
  } catch (const std::bad_alloc&) {
    if (name != nullptr) {
      SysFreeString(*name);
      *name = nullptr;
    }
    return E_OUTOFMEMORY;
  }
}

// Where a name occurs: a type of that name (MEMBERID_NIL) or a type with a member of that name.
struct Occurrence {
  std::size_t type;
  MEMBERID id;
  std::string_view stored;  // the name as the library writes it
};

std::vector<Occurrence> OccurrencesOf(const LibraryDescription& library, const OLECHAR* name) {
  const std::string wanted = Utf8FromUtf16(std::u16string_view(name));
  std::vector<Occurrence> found;
  for (std::size_t type = 0; type < library.types.size(); ++type) {
    const DescribedInterface& described = library.types[type];
    if (platform::EqualsIgnoringCase(described.name, wanted))
      found.push_back({type, MEMBERID_NIL, described.name});
    const DispatchTable& table = described.table();
    if (const int slot = table.SlotOf(wanted); slot >= 0)
      found.push_back({type, kFirstMemberId + slot, table.members()[slot]});
  }
  return found;
}

// As the component model does, a name found is written back in the library's own case.
HRESULT IsName(ITypeLib* self, OLECHAR* name, uint32_t, BOOL* found) {
  if (name == nullptr || found == nullptr) return E_INVALIDARG;
  return AnswerUnlessOutOfMemory([&] {
    const auto occurrences = OccurrencesOf(LibraryOf(self), name);
    *found = occurrences.empty() ? 0 : 1;
    if (occurrences.empty()) return S_OK;
    const std::u16string stored = Utf16FromUtf8(occurrences.front().stored);
    if (stored.size() == std::u16string_view(name).size()) std::copy(stored.begin(), stored.end(), name);
    return S_OK;
  });
}

// `found` holds the room in `infos` and `ids`, and answers how many were filled.
HRESULT FindName(ITypeLib* self, OLECHAR* name, uint32_t, ITypeInfo** infos, MEMBERID* ids, uint16_t* found) {
  if (name == nullptr || infos == nullptr || ids == nullptr || found == nullptr) return E_INVALIDARG;
  const uint16_t room = *found;
  *found = 0;
  try {
    for (const Occurrence& occurrence : OccurrencesOf(LibraryOf(self), name)) {
      if (*found == room) break;
      infos[*found] = NewTypeInfo(LibraryOf(self), occurrence.type);
      ids[(*found)++] = occurrence.id;
    }
    return S_OK;
  } catch (const std::bad_alloc&) {
    while (*found > 0) {
      ITypeInfo* made = infos[--*found];
      made->lpVtbl->Release(made);
    }
    return E_OUTOFMEMORY;
  }
}

void ReleaseTLibAttr(ITypeLib*, TLIBATTR* attributes) {
  delete attributes;
}

constexpr ITypeLibVtbl kVtable{TypeLibrary::QueryInterface,
                               TypeLibrary::AddRef,
                               TypeLibrary::Release,
                               GetTypeInfoCount,
                               TypeLibrary::Entry<GetTypeInfo>,
                               TypeLibrary::Entry<GetTypeInfoType>,
                               TypeLibrary::Entry<GetTypeInfoOfGuid>,
                               TypeLibrary::Entry<GetLibAttr>,
                               TypeLibrary::Entry<GetTypeComp>,
                               TypeLibrary::Entry<GetDocumentation>,
                               TypeLibrary::Entry<IsName>,
                               TypeLibrary::Entry<FindName>,
                               ReleaseTLibAttr};

TypeLibrary::TypeLibrary(const LibraryDescription& of) : ComObject(&kVtable), library(of) {}

}  // namespace

ITypeLib* NewTypeLibrary(const LibraryDescription& library) {
  return new TypeLibrary(library);
}

}  // namespace tessera::frame
