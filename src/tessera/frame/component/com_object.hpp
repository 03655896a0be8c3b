// The IUnknown half of the library's component objects: a reference count, QueryInterface over
// the interfaces the object answers, and the count of live objects that keeps the library loaded.
//
// `Self` derives from ComObject<Self, Interface> and offers
//   static void* InterfaceFor(const IID& id, Self& self);
// which answers the interface pointer for `id` (the Interface part, whose first member is its
// vtable, or another part of the object) or nullptr, and
//   static constexpr bool kBoundToThread;
// true for an object over the library's state, which the thread that made it calls alone.
//
// Every function of a vtable past IUnknown's three is put there as Entry<function> (or, for a
// further interface of the object, Part::Entry): the object stays alive for the whole call, whatever
// the host releases meanwhile (in an event, through a by-reference write-back), and a call on a
// bound object from another thread answers RPC_E_WRONG_THREAD.
#pragma once

#include <atomic>
#include <cstdint>
#include <new>
#include <thread>
#include <type_traits>

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

// A reference on `owner` held for the length of a call.
template <typename Owner>
class CallHold {
 public:
  explicit CallHold(Owner& owner) noexcept : owner_(owner) { ++owner_.references; }
  ~CallHold() { Owner::ReleaseObject(owner_); }
  CallHold(const CallHold&) = delete;
  CallHold& operator=(const CallHold&) = delete;

 private:
  Owner& owner_;
};

// `function` of an interface whose object Locator::OwnerOf finds, run at the boundary.
template <typename Locator, auto function>
struct BoundaryEntry;

template <typename Locator, typename Interface, typename... Args, HRESULT (*function)(Interface*, Args...)>
struct BoundaryEntry<Locator, function> {
  static HRESULT Call(Interface* self, Args... args) {
    auto& owner = Locator::OwnerOf(self);
    using Owner = std::remove_reference_t<decltype(owner)>;
    if (Owner::kBoundToThread && owner.home != std::this_thread::get_id()) return RPC_E_WRONG_THREAD;
    const CallHold<Owner> hold(owner);
    return function(self, args...);
  }
};

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
  static Self& OwnerOf(Interface* self) { return Of(self); }

  template <auto function>
  static constexpr auto Entry = &BoundaryEntry<Self, function>::Call;

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

  static uint32_t Release(Interface* self) { return ReleaseObject(Of(self)); }
  static uint32_t ReleaseObject(Self& self) {
    const uint32_t left = --self.references;
    if (left == 0) delete &self;
    return left;
  }

  std::atomic<uint32_t> references{1};
  const std::thread::id home = std::this_thread::get_id();
};

}  // namespace tessera::frame
