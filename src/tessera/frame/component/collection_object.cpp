#include "tessera/frame/component/collection_object.hpp"

#include <array>
#include <new>
#include <optional>
#include <string_view>
#include <vector>

#include "tessera/frame/component/collection_enum.hpp"
#include "tessera/frame/component/com_ids.hpp"
#include "tessera/frame/component/com_object.hpp"
#include "tessera/frame/component/com_strings.hpp"
#include "tessera/frame/component/com_variant.hpp"
#include "tessera/frame/component/dispatch_object.hpp"
#include "tessera/frame/component/type_info.hpp"
#include "tessera/platform/runtime/convert.hpp"
#include "tessera/platform/runtime/text_case.hpp"

namespace tessera::frame {

namespace {

using platform::Collection;
using platform::Variant;

struct CollectionObject : ComObject<CollectionObject, IDispatch> {
  static constexpr bool kBoundToThread = true;
  CollectionObject(std::shared_ptr<Collection> held, ClassFinder find_class);
  static void* InterfaceFor(const IID& id, CollectionObject& self) {
    const bool answers =
        SameId(id, IID_IUnknown) || SameId(id, IID_IDispatch) || SameId(id, kLibraryCollectionId);
    return answers ? &self : nullptr;
  }

  std::shared_ptr<Collection> collection;
  ClassFinder finder;
};

CollectionObject& Self(IDispatch* self) {
  return CollectionObject::Of(self);
}

struct Member {
  std::string_view folded_name;
  DISPID id;
  uint32_t min_args;
  uint32_t max_args;
  bool is_method_only;  // Add and Remove change the collection and cannot be read as properties
};

constexpr std::array kMembers{
    Member{"item", DISPID_VALUE, 1, 1, false},        Member{"add", kCollectionAddId, 1, 2, true},
    Member{"count", kCollectionCountId, 0, 0, false}, Member{"remove", kCollectionRemoveId, 1, 1, true},
    Member{"_newenum", DISPID_NEWENUM, 0, 0, false},
};

const Member* MemberWithId(DISPID id) {
  for (const Member& member : kMembers)
    if (member.id == id) return &member;
  return nullptr;
}

HRESULT GetIDsOfNames(IDispatch*, const IID*, OLECHAR** names, uint32_t count, LCID, DISPID* ids) {
  if (names == nullptr || ids == nullptr || count == 0) return E_INVALIDARG;
  for (uint32_t i = 0; i < count; ++i) ids[i] = DISPID_UNKNOWN;
  if (names[0] == nullptr) return DISP_E_UNKNOWNNAME;
  try {
    const std::string name = platform::FoldCase(Utf8FromUtf16(std::u16string_view(names[0])));
    for (const Member& member : kMembers)
      if (member.folded_name == name) ids[0] = member.id;
  } catch (const std::bad_alloc&) {
    return E_OUTOFMEMORY;
  }
  if (ids[0] == DISPID_UNKNOWN) return DISP_E_UNKNOWNNAME;
  return count == 1 ? S_OK : DISP_E_UNKNOWNNAME;
}

// Runs member `id` with the arguments in call order, its answer going to `result`.
void Call(CollectionObject& self, DISPID id, const std::vector<Variant>& args, VARIANT* result) {
  Collection& collection = *self.collection;
  VARIANT answer{};
  switch (id) {
    case DISPID_VALUE:
      ToComVariant(collection.ItemAt(args[0]), answer, self.finder);
      break;
    case kCollectionAddId:
      collection.AddItem(args[0], args.size() < 2 ? Variant::Missing() : args[1]);
      break;
    case kCollectionCountId:
      ToComVariant(Variant(collection.Count()), answer, self.finder);
      break;
    case kCollectionRemoveId:
      collection.RemoveAt(args[0]);
      break;
    case DISPID_NEWENUM:
      answer.vt = VT_UNKNOWN;
      answer.punkVal = reinterpret_cast<IUnknown*>(NewCollectionEnum(self.collection, self.finder));
      break;
  }
  if (result != nullptr) {
    *result = answer;
  } else {
    VariantClear(&answer);
  }
}

HRESULT Invoke(IDispatch* self, DISPID id, const IID*, LCID, uint16_t flags, DISPPARAMS* params,
               VARIANT* result, EXCEPINFO* exception, uint32_t*) {
  if (params == nullptr || (params->cArgs > 0 && params->rgvarg == nullptr)) return E_INVALIDARG;
  const Member* member = MemberWithId(id);
  const bool reads = (flags & (DISPATCH_METHOD | DISPATCH_PROPERTYGET)) != 0;
  if (member == nullptr || !reads || (member->is_method_only && !(flags & DISPATCH_METHOD)))
    return DISP_E_MEMBERNOTFOUND;
  if (params->cNamedArgs != 0) return DISP_E_NONAMEDARGS;
  if (params->cArgs < member->min_args || params->cArgs > member->max_args) return DISP_E_BADPARAMCOUNT;
  try {
    std::vector<Variant> args;
    for (uint32_t i = params->cArgs; i-- > 0;) args.push_back(FromComVariant(params->rgvarg[i]));
    Call(Self(self), id, args, result);
    return S_OK;
  } catch (...) {
    return ReportException(exception);
  }
}

// A collection is the platform's, not a class of the library's type library.
HRESULT NoTypeInfoCount(IDispatch*, uint32_t* count) {
  return TypeInfoCount(nullptr, count);
}

HRESULT NoTypeInfo(IDispatch*, uint32_t index, LCID, ITypeInfo** type_info) {
  return TypeInfoAt(nullptr, index, type_info);
}

constexpr IDispatchVtbl kVtable{CollectionObject::QueryInterface,    CollectionObject::AddRef,
                                CollectionObject::Release,           CollectionObject::Entry<NoTypeInfoCount>,
                                CollectionObject::Entry<NoTypeInfo>, CollectionObject::Entry<GetIDsOfNames>,
                                CollectionObject::Entry<Invoke>};

CollectionObject::CollectionObject(std::shared_ptr<Collection> held, ClassFinder find_class)
    : ComObject(&kVtable), collection(std::move(held)), finder(find_class) {}

}  // namespace

IDispatch* NewCollectionObject(std::shared_ptr<Collection> collection, ClassFinder finder) {
  return new CollectionObject(std::move(collection), finder);
}

std::shared_ptr<Collection> CollectionBehind(IUnknown* unknown) {
  auto* ours = static_cast<IDispatch*>(QueryPrivate(unknown, kLibraryCollectionId));
  if (ours == nullptr) return nullptr;
  std::shared_ptr<Collection> collection = Self(ours).collection;
  ours->lpVtbl->Release(ours);
  return collection;
}

}  // namespace tessera::frame
