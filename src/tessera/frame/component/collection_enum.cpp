#include "tessera/frame/component/collection_enum.hpp"

#include <new>

#include "tessera/frame/component/com_ids.hpp"
#include "tessera/frame/component/com_object.hpp"
#include "tessera/frame/component/com_variant.hpp"

namespace tessera::frame {

namespace {

struct CollectionEnum : ComObject<CollectionEnum, IEnumVARIANT> {
  static constexpr bool kBoundToThread = true;
  CollectionEnum(std::shared_ptr<platform::Collection> walked, ClassFinder find_class, int32_t at);
  static void* InterfaceFor(const IID& id, CollectionEnum& self) {
    return SameId(id, IID_IUnknown) || SameId(id, IID_IEnumVARIANT) ? &self : nullptr;
  }

  std::shared_ptr<platform::Collection> collection;
  ClassFinder finder;
  int32_t position;  // items handed out so far
};

CollectionEnum& Self(IEnumVARIANT* self) {
  return CollectionEnum::Of(self);
}

HRESULT Next(IEnumVARIANT* self, uint32_t count, VARIANT* items, uint32_t* fetched) {
  if (fetched != nullptr) *fetched = 0;
  if (count > 0 && items == nullptr) return E_POINTER;
  CollectionEnum& walk = Self(self);
  uint32_t done = 0;
  try {
    for (; done < count && walk.position < walk.collection->Count(); ++done) {
      ToComVariant(walk.collection->Item(walk.position + 1), items[done], walk.finder);
      ++walk.position;
    }
  } catch (...) {
    // Nothing half-handed: the items already copied are taken back.
    for (uint32_t i = 0; i < done; ++i) VariantClear(&items[i]);
    walk.position -= static_cast<int32_t>(done);
    return E_FAIL;
  }
  if (fetched != nullptr) *fetched = done;
  return done == count ? S_OK : S_FALSE;
}

HRESULT Skip(IEnumVARIANT* self, uint32_t count) {
  CollectionEnum& walk = Self(self);
  const int64_t left = walk.collection->Count() - walk.position;
  const bool all = count <= left;
  walk.position += static_cast<int32_t>(all ? count : left);
  return all ? S_OK : S_FALSE;
}

HRESULT Reset(IEnumVARIANT* self) {
  Self(self).position = 0;
  return S_OK;
}

HRESULT Clone(IEnumVARIANT* self, IEnumVARIANT** copy) {
  if (copy == nullptr) return E_POINTER;
  CollectionEnum& walk = Self(self);
  try {
    *copy = new CollectionEnum(walk.collection, walk.finder, walk.position);
    return S_OK;
  } catch (const std::bad_alloc&) {
    *copy = nullptr;
    return E_OUTOFMEMORY;
  }
}

constexpr IEnumVARIANTVtbl kVtable{CollectionEnum::QueryInterface, CollectionEnum::AddRef,
                                   CollectionEnum::Release,        CollectionEnum::Entry<Next>,
                                   CollectionEnum::Entry<Skip>,    CollectionEnum::Entry<Reset>,
                                   CollectionEnum::Entry<Clone>};

CollectionEnum::CollectionEnum(std::shared_ptr<platform::Collection> walked, ClassFinder find_class,
                               int32_t at)
    : ComObject(&kVtable), collection(std::move(walked)), finder(find_class), position(at) {}

}  // namespace

IEnumVARIANT* NewCollectionEnum(std::shared_ptr<platform::Collection> collection, ClassFinder finder) {
  return new CollectionEnum(std::move(collection), finder, 0);
}

}  // namespace tessera::frame
