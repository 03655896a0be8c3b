// The IUnknown half of the library's component objects: a reference count, QueryInterface over
// the interfaces the object answers, and the count of live objects that keeps the library loaded.
//
// `Self` derives from ComObject<Self, Interface> and offers
//   static bool Answers(const IID& id, const Self& self);
// Interface pointers handed out point at the Interface part, whose first member is the vtable.
#pragma once

#include <atomic>
#include <cstdint>

#include "tessera/frame/component/com_abi.h"
#include "tessera/frame/component/module_usage.hpp"

namespace tessera::frame {

template <typename Self, typename Interface>
struct ComObject : Interface {
  template <typename Vtable>
  explicit ComObject(const Vtable* table) : Interface{table} {
    CountObjectCreated();
  }
  ~ComObject() { CountObjectDestroyed(); }
  ComObject(const ComObject&) = delete;
  ComObject& operator=(const ComObject&) = delete;

  static Self& Of(Interface* self) { return *static_cast<Self*>(self); }

  static HRESULT QueryInterface(Interface* self, const IID* id, void** object) {
    if (object == nullptr) return E_POINTER;
    *object = nullptr;
    if (id == nullptr) return E_INVALIDARG;
    if (!Self::Answers(*id, Of(self))) return E_NOINTERFACE;
    AddRef(self);
    *object = self;
    return S_OK;
  }

  static uint32_t AddRef(Interface* self) { return ++Of(self).references; }

  static uint32_t Release(Interface* self) {
    const uint32_t left = --Of(self).references;
    if (left == 0) delete &Of(self);
    return left;
  }

  std::atomic<uint32_t> references{1};
};

}  // namespace tessera::frame
