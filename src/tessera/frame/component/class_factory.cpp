#include "tessera/frame/component/class_factory.hpp"

#include <new>

#include "tessera/frame/component/com_ids.hpp"
#include "tessera/frame/component/com_object.hpp"
#include "tessera/frame/component/dispatch_object.hpp"

namespace tessera::frame {

namespace {

struct ClassFactory : ComObject<ClassFactory, IClassFactory> {
  static constexpr bool kBoundToThread = false;
  explicit ClassFactory(const FactoryRecipe& made_by);
  static void* InterfaceFor(const IID& id, ClassFactory& self) {
    return SameId(id, IID_IUnknown) || SameId(id, IID_IClassFactory) ? &self : nullptr;
  }

  FactoryRecipe recipe;
};

// The new object answers the host's interface or is gone again: the dispatch object's one
// reference is given up after the query, which holds its own.
HRESULT CreateInstance(IClassFactory* self, IUnknown* outer, const IID* id, void** object) {
  if (object == nullptr) return E_POINTER;
  *object = nullptr;
  if (id == nullptr) return E_INVALIDARG;
  if (outer != nullptr) return CLASS_E_NOAGGREGATION;
  const FactoryRecipe& recipe = ClassFactory::Of(self).recipe;
  try {
    IDispatch* made = NewDispatchObject(recipe.create(), *recipe.served, recipe.finder);
    const HRESULT answer = made->lpVtbl->QueryInterface(made, id, object);
    made->lpVtbl->Release(made);
    return answer;
  } catch (const std::bad_alloc&) {
    return E_OUTOFMEMORY;
  } catch (...) {
    return E_FAIL;
  }
}

HRESULT LockServer(IClassFactory*, int32_t lock) {
  CountServerLock(lock != 0);
  return S_OK;
}

constexpr IClassFactoryVtbl kVtable{ClassFactory::QueryInterface, ClassFactory::AddRef, ClassFactory::Release,
                                    ClassFactory::Entry<CreateInstance>, ClassFactory::Entry<LockServer>};

ClassFactory::ClassFactory(const FactoryRecipe& made_by) : ComObject(&kVtable), recipe(made_by) {}

}  // namespace

IClassFactory* NewClassFactory(const FactoryRecipe& recipe) {
  return new ClassFactory(recipe);
}

}  // namespace tessera::frame
