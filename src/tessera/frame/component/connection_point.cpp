#include "tessera/frame/component/connection_point.hpp"

#include "tessera/frame/component/com_ids.hpp"
#include "tessera/frame/component/com_object.hpp"
#include "tessera/frame/component/dispatch_object.hpp"

namespace tessera::frame {

namespace {

struct ConnectionPoint : ComObject<ConnectionPoint, IConnectionPoint> {
  static constexpr bool kBoundToThread = true;
  ConnectionPoint(IDispatch* owned_by, const EventBridge& bridged_by, ClassFinder find_class);
  ~ConnectionPoint() { owner->lpVtbl->Release(owner); }
  static void* InterfaceFor(const IID& id, ConnectionPoint& self) {
    return SameId(id, IID_IUnknown) || SameId(id, IID_IConnectionPoint) ? &self : nullptr;
  }

  IDispatch* owner;
  const EventBridge& bridge;
  ClassFinder finder;
};

HRESULT GetConnectionInterface(IConnectionPoint* self, IID* id) {
  if (id == nullptr) return E_POINTER;
  *id = ToIid(ConnectionPoint::Of(self).bridge.events_id);
  return S_OK;
}

HRESULT GetConnectionPointContainer(IConnectionPoint* self, IConnectionPointContainer** container) {
  if (container == nullptr) return E_POINTER;
  IDispatch* owner = ConnectionPoint::Of(self).owner;
  return owner->lpVtbl->QueryInterface(owner, &IID_IConnectionPointContainer,
                                       reinterpret_cast<void**>(container));
}

// The sink's dispatch interface: the events interface itself, or plain IDispatch.
IDispatch* SinkDispatch(IUnknown* sink, const Guid& events_id) {
  const IID events = ToIid(events_id);
  void* dispatch = nullptr;
  if (sink->lpVtbl->QueryInterface(sink, &events, &dispatch) == S_OK)
    return static_cast<IDispatch*>(dispatch);
  if (sink->lpVtbl->QueryInterface(sink, &IID_IDispatch, &dispatch) == S_OK)
    return static_cast<IDispatch*>(dispatch);
  return nullptr;
}

HRESULT Advise(IConnectionPoint* self, IUnknown* sink, uint32_t* cookie) {
  if (cookie == nullptr) return E_POINTER;
  *cookie = 0;
  if (sink == nullptr) return E_POINTER;
  const ConnectionPoint& point = ConnectionPoint::Of(self);
  IDispatch* dispatch = SinkDispatch(sink, point.bridge.events_id);
  if (dispatch == nullptr) return CONNECT_E_CANNOTCONNECT;
  try {
    *cookie = point.bridge.advise(**LibraryObjectOf(point.owner), dispatch, point.finder);
  } catch (...) {
    *cookie = 0;
  }
  dispatch->lpVtbl->Release(dispatch);  // the attached sink holds its own reference
  return *cookie != 0 ? S_OK : CONNECT_E_CANNOTCONNECT;
}

HRESULT Unadvise(IConnectionPoint* self, uint32_t cookie) {
  const ConnectionPoint& point = ConnectionPoint::Of(self);
  return point.bridge.unadvise(**LibraryObjectOf(point.owner), cookie) ? S_OK : CONNECT_E_NOCONNECTION;
}

HRESULT EnumConnections(IConnectionPoint*, void** connections) {
  if (connections != nullptr) *connections = nullptr;
  return E_NOTIMPL;
}

constexpr IConnectionPointVtbl kVtable{ConnectionPoint::QueryInterface,
                                       ConnectionPoint::AddRef,
                                       ConnectionPoint::Release,
                                       ConnectionPoint::Entry<GetConnectionInterface>,
                                       ConnectionPoint::Entry<GetConnectionPointContainer>,
                                       ConnectionPoint::Entry<Advise>,
                                       ConnectionPoint::Entry<Unadvise>,
                                       ConnectionPoint::Entry<EnumConnections>};

ConnectionPoint::ConnectionPoint(IDispatch* owned_by, const EventBridge& bridged_by, ClassFinder find_class)
    : ComObject(&kVtable), owner(owned_by), bridge(bridged_by), finder(find_class) {
  owner->lpVtbl->AddRef(owner);
}

}  // namespace

IConnectionPoint* NewConnectionPoint(IDispatch* owner, const EventBridge& bridge, ClassFinder finder) {
  return new ConnectionPoint(owner, bridge, finder);
}

}  // namespace tessera::frame
