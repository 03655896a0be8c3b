// The IUnknown half of the library's component objects: a reference count, QueryInterface over
// the interfaces the object answers, and the count of live objects that keeps the library loaded.
//
// `Self` derives from ComObject<Self, Interface> and offers
//   static void* InterfaceFor(const IID& id, Self& self);
// which answers the interface pointer for `id` (the Interface part, whose first member is its
// vtable, or another part of the object) or nullptr.
#pragma once

#include <atomic>
#include <cstdint>
#include <new>

#include "tessera/frame/component/com_abi.h"
#include "tessera/frame/component/module_usage.hpp"

namespace tessera::frame {

// What `body` answers, or E_OUTOFMEMORY when memory runs out on the way: how every call of the
// ABI turns std::bad_alloc into its status.
template <typename Body>
HRESULT AnswerUnlessOutOfMemory(Body&& body) noexcept {
  try {
    return body();
  } catch (const std::bad_alloc&) {
    return E_OUTOFMEMORY;
  }
}

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
    void* answer = Self::InterfaceFor(*id, Of(self));
    if (answer == nullptr) return E_NOINTERFACE;
    AddRef(self);
    *object = answer;
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
