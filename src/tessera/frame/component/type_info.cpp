#include "tessera/frame/component/type_info.hpp"

#include <algorithm>
#include <new>
#include <string_view>

#include "tessera/frame/component/com_ids.hpp"
#include "tessera/frame/component/com_object.hpp"
#include "tessera/frame/component/com_strings.hpp"
#include "tessera/frame/component/dispatch_object.hpp"
#include "tessera/frame/component/type_descriptions.hpp"

namespace tessera::frame {

namespace {

struct TypeInfo : ComObject<TypeInfo, ITypeInfo> {
  static constexpr bool kBoundToThread = false;
  TypeInfo(const LibraryDescription& in, std::size_t at, TypeView as);
  static void* InterfaceFor(const IID& id, TypeInfo& self) {
    return SameId(id, IID_IUnknown) || SameId(id, IID_ITypeInfo) ? &self : nullptr;
  }

  const DescribedInterface& type() const { return library.types[index]; }
  const DispatchTable& table() const { return type().table(); }

  const LibraryDescription& library;
  std::size_t index;
  TypeView view;
};

// The reference by which the dispatch view names its interface view, as a dual interface's type
// information answers GetRefTypeOfImplType(-1).
constexpr uint32_t kImplementedByVtable = static_cast<uint32_t>(-1);
constexpr HREFTYPE kInterfaceView = 1;

TypeInfo& Self(ITypeInfo* self) {
  return TypeInfo::Of(self);
}

// The first row of member `id` in vtable order (a property's read before its write), or nullptr.
const MemberRow* FirstRowOf(const DispatchTable& table, MEMBERID id) {
  const auto vtable = table.vtable();
  const auto found = std::find_if(vtable.begin(), vtable.end(), [id](const MemberRow* row) {
    return row != nullptr && kFirstMemberId + row->slot == id;
  });
  return found == vtable.end() ? nullptr : *found;
}

HRESULT GetTypeAttr(ITypeInfo* self, TYPEATTR** attributes) {
  if (attributes == nullptr) return E_INVALIDARG;
  *attributes = nullptr;
  return AnswerUnlessOutOfMemory([&] {
    *attributes = NewTypeAttr(Self(self).library, Self(self).type(), Self(self).view);
    return S_OK;
  });
}

HRESULT GetTypeComp(ITypeInfo*, ITypeComp** compiler) {
  if (compiler != nullptr) *compiler = nullptr;
  return E_NOTIMPL;
}

HRESULT GetFuncDesc(ITypeInfo* self, uint32_t index, FUNCDESC** function) {
  if (function == nullptr) return E_INVALIDARG;
  *function = nullptr;
  return AnswerUnlessOutOfMemory([&] {
    const auto functions = DescribedFunctions(Self(self).table());
    if (index >= functions.size()) return TYPE_E_ELEMENTNOTFOUND;
    *function = NewFuncDesc(functions[index], Self(self).view);
    return S_OK;
  });
}

HRESULT GetVarDesc(ITypeInfo*, uint32_t, VARDESC** variable) {
  if (variable != nullptr) *variable = nullptr;
  return TYPE_E_ELEMENTNOTFOUND;
}

// The member's name, then its parameters' names, as many as `names` has room for.
HRESULT GetNames(ITypeInfo* self, MEMBERID id, BSTR* names, uint32_t max_names, uint32_t* count) {
  if (names == nullptr || count == nullptr) return E_INVALIDARG;
  *count = 0;
  const MemberRow* row = FirstRowOf(Self(self).table(), id);
  if (row == nullptr) return TYPE_E_ELEMENTNOTFOUND;
  try {
    if (max_names > 0) names[(*count)++] = BstrFromUtf8(row->name);
    for (const ParamInfo& param : row->params) {
      if (*count == max_names) break;
      names[(*count)++] = BstrFromUtf8(param.name);
    }
    return S_OK;
  } catch (const std::bad_alloc&) {
    while (*count > 0) SysFreeString(names[--*count]);
    return E_OUTOFMEMORY;
  }
}

// Only the dispatch view refers to another type, its interface view; IDispatch has no type
// information here.
HRESULT GetRefTypeOfImplType(ITypeInfo* self, uint32_t index, HREFTYPE* type) {
  if (type == nullptr) return E_INVALIDARG;
  *type = 0;
  if (Self(self).view != TypeView::kDispatch || index != kImplementedByVtable) return TYPE_E_ELEMENTNOTFOUND;
  *type = kInterfaceView;
  return S_OK;
}

HRESULT GetImplTypeFlags(ITypeInfo*, uint32_t, int32_t* flags) {
  if (flags != nullptr) *flags = 0;
  return TYPE_E_ELEMENTNOTFOUND;
}

HRESULT GetIDsOfNames(ITypeInfo* self, OLECHAR** names, uint32_t count, MEMBERID* ids) {
  return MemberIdsOfNames(Self(self).table(), names, count, ids);
}

// Whether `object` is one of the library's objects of `table`'s class.
bool IsObjectOf(const DispatchTable& table, IDispatch* object) {
  const auto library_object = LibraryObjectOf(object);
  return library_object && *library_object && (*library_object)->TypeName() == table.class_name();
}

HRESULT Invoke(ITypeInfo* self, void* instance, MEMBERID id, uint16_t flags, DISPPARAMS* params,
               VARIANT* result, EXCEPINFO* exception, uint32_t* arg_error) {
  if (instance == nullptr) return E_INVALIDARG;
  auto* unknown = static_cast<IUnknown*>(instance);
  IDispatch* object = nullptr;
  if (unknown->lpVtbl->QueryInterface(unknown, &IID_IDispatch, reinterpret_cast<void**>(&object)) != S_OK)
    return E_INVALIDARG;
  HRESULT answer = E_INVALIDARG;
  if (IsObjectOf(Self(self).table(), object))
    answer = object->lpVtbl->Invoke(object, id, &IID_NULL, 0, flags, params, result, exception, arg_error);
  object->lpVtbl->Release(object);
  return answer;
}

// Each answer the host asks for: the name, no documentation string, help context or file.
HRESULT GetDocumentation(ITypeInfo* self, MEMBERID id, BSTR* name, BSTR* doc, uint32_t* help_context,
                         BSTR* help_file) {
  std::string_view found = Self(self).type().name;
  if (id != MEMBERID_NIL) {
    const MemberRow* row = FirstRowOf(Self(self).table(), id);
    if (row == nullptr) return TYPE_E_ELEMENTNOTFOUND;
    found = row->name;
  }
  if (doc != nullptr) *doc = nullptr;
  if (help_context != nullptr) *help_context = 0;
  if (help_file != nullptr) *help_file = nullptr;
  return AnswerUnlessOutOfMemory([&] {
    if (name != nullptr) *name = BstrFromUtf8(found);
    return S_OK;
  });
}

HRESULT GetDllEntry(ITypeInfo*, MEMBERID, INVOKEKIND, BSTR* dll, BSTR* name, uint16_t* ordinal) {
  if (dll != nullptr) *dll = nullptr;
  if (name != nullptr) *name = nullptr;
  if (ordinal != nullptr) *ordinal = 0;
  return E_NOTIMPL;
}

HRESULT GetRefTypeInfo(ITypeInfo* self, HREFTYPE type, ITypeInfo** info) {
  if (info == nullptr) return E_INVALIDARG;
  *info = nullptr;
  if (Self(self).view != TypeView::kDispatch || type != kInterfaceView) return TYPE_E_ELEMENTNOTFOUND;
  return AnswerUnlessOutOfMemory([&] {
    *info = NewTypeInfo(Self(self).library, Self(self).index, TypeView::kInterface);
    return S_OK;
  });
}

HRESULT AddressOfMember(ITypeInfo*, MEMBERID, INVOKEKIND, void** address) {
  if (address != nullptr) *address = nullptr;
  return E_NOTIMPL;
}

HRESULT CreateInstance(ITypeInfo*, IUnknown*, const IID*, void** object) {
  if (object != nullptr) *object = nullptr;
  return E_NOTIMPL;  // objects are created through their class factories
}

HRESULT GetMops(ITypeInfo*, MEMBERID, BSTR* mops) {
  if (mops != nullptr) *mops = nullptr;
  return E_NOTIMPL;
}

HRESULT GetContainingTypeLib(ITypeInfo* self, ITypeLib** library, uint32_t* index) {
  if (library == nullptr) return E_INVALIDARG;
  *library = nullptr;
  return AnswerUnlessOutOfMemory([&] {
    *library = NewTypeLibrary(Self(self).library);
    if (index != nullptr) *index = static_cast<uint32_t>(Self(self).index);
    return S_OK;
  });
}

void ReleaseTypeAttr(ITypeInfo*, TYPEATTR* attributes) {
  FreeTypeAttr(attributes);
}

void ReleaseFuncDesc(ITypeInfo*, FUNCDESC* function) {
  FreeFuncDesc(function);
}

void ReleaseVarDesc(ITypeInfo*, VARDESC*) {}  // GetVarDesc hands out none

constexpr ITypeInfoVtbl kVtable{TypeInfo::QueryInterface,
                                TypeInfo::AddRef,
                                TypeInfo::Release,
                                TypeInfo::Entry<GetTypeAttr>,
                                TypeInfo::Entry<GetTypeComp>,
                                TypeInfo::Entry<GetFuncDesc>,
                                TypeInfo::Entry<GetVarDesc>,
                                TypeInfo::Entry<GetNames>,
                                TypeInfo::Entry<GetRefTypeOfImplType>,
                                TypeInfo::Entry<GetImplTypeFlags>,
                                TypeInfo::Entry<GetIDsOfNames>,
                                TypeInfo::Entry<Invoke>,
                                TypeInfo::Entry<GetDocumentation>,
                                TypeInfo::Entry<GetDllEntry>,
                                TypeInfo::Entry<GetRefTypeInfo>,
                                TypeInfo::Entry<AddressOfMember>,
                                TypeInfo::Entry<CreateInstance>,
                                TypeInfo::Entry<GetMops>,
                                TypeInfo::Entry<GetContainingTypeLib>,
                                ReleaseTypeAttr,
                                ReleaseFuncDesc,
                                ReleaseVarDesc};

TypeInfo::TypeInfo(const LibraryDescription& in, std::size_t at, TypeView as)
    : ComObject(&kVtable), library(in), index(at), view(as) {}

}  // namespace

ITypeInfo* NewTypeInfo(const LibraryDescription& library, std::size_t index, TypeView view) {
  return new TypeInfo(library, index, view);
}

HRESULT MemberIdsOfNames(const DispatchTable& table, OLECHAR** names, uint32_t count, DISPID* ids) {
  if (names == nullptr || ids == nullptr || count == 0) return E_INVALIDARG;
  for (uint32_t i = 0; i < count; ++i) ids[i] = DISPID_UNKNOWN;
  if (names[0] == nullptr) return DISP_E_UNKNOWNNAME;
  return AnswerUnlessOutOfMemory([&] {
    const int slot = table.SlotOf(Utf8FromUtf16(std::u16string_view(names[0])));
    if (slot < 0) return DISP_E_UNKNOWNNAME;
    ids[0] = kFirstMemberId + slot;
    return count == 1 ? S_OK : DISP_E_UNKNOWNNAME;
  });
}

HRESULT TypeInfoCount(const ServedClass* served, uint32_t* count) {
  if (count == nullptr) return E_POINTER;
  *count = served != nullptr && served->type_info != nullptr ? 1 : 0;
  return S_OK;
}

HRESULT TypeInfoAt(const ServedClass* served, uint32_t index, ITypeInfo** out) {
  if (out == nullptr) return E_POINTER;
  *out = nullptr;
  if (served == nullptr || served->type_info == nullptr || index != 0) return DISP_E_BADINDEX;
  return AnswerUnlessOutOfMemory([&] {
    *out = served->type_info(served->table());
    return *out != nullptr ? S_OK : DISP_E_BADINDEX;
  });
}

}  // namespace tessera::frame
