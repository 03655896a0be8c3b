// A host's events sink on the component route: records each event's id and the first argument of
// event 2 (a Boolean in the library's events interfaces), and hands every event to `answer`, where a
// test may write back by-reference arguments.
#pragma once

#include <functional>
#include <vector>

#include "tessera/frame/component/com_abi.h"
#include "tessera/frame/component/com_ids.hpp"

namespace tessera::frame::testing {

struct HostSink : IDispatch {
  static HostSink& Of(IDispatch* self) { return *static_cast<HostSink*>(self); }
  static HRESULT QueryInterface(IDispatch* self, const IID* id, void** object) {
    *object = SameId(*id, IID_IUnknown) || SameId(*id, IID_IDispatch) ? self : nullptr;
    if (*object == nullptr) return E_NOINTERFACE;
    AddRef(self);
    return S_OK;
  }
  static uint32_t AddRef(IDispatch* self) { return ++Of(self).references; }
  static uint32_t Release(IDispatch* self) { return --Of(self).references; }
  static HRESULT Invoke(IDispatch* self, DISPID id, const IID*, LCID, uint16_t, DISPPARAMS* params, VARIANT*,
                        EXCEPINFO*, uint32_t*) {
    HostSink& sink = Of(self);
    sink.ids.push_back(id);
    if (id == 2) sink.saved = params->rgvarg[0].boolVal;
    if (sink.answer) sink.answer(id, *params);
    return S_OK;
  }

  static constexpr IDispatchVtbl kVtable{QueryInterface, AddRef, Release, nullptr, nullptr, nullptr, Invoke};
  HostSink() : IDispatch{&kVtable} {}
  IUnknown* unknown() { return reinterpret_cast<IUnknown*>(static_cast<IDispatch*>(this)); }

  uint32_t references = 1;
  std::vector<DISPID> ids;
  VARIANT_BOOL saved = 0;
  std::function<void(DISPID, DISPPARAMS&)> answer;
};

}  // namespace tessera::frame::testing
