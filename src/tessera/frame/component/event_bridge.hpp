// How a host's dispatch sink is attached to the events of a library object: the events
// interface's identity and the two steps that attach and detach a forwarding sink.
#pragma once

#include <cstdint>
#include <memory>

#include "tessera/frame/catalogue/guid.hpp"
#include "tessera/frame/component/com_abi.h"
#include "tessera/frame/component/served_class.hpp"

namespace tessera::frame {

struct EventBridge {
  Guid events_id;
  // Attaches a sink that forwards the object's events to `sink`; answers its cookie (never 0).
  uint32_t (*advise)(platform::Object& source, IDispatch* sink, ClassFinder finder);
  // False when no sink is attached under `cookie`.
  bool (*unadvise)(platform::Object& source, uint32_t cookie);
};

// The bridge for class `Source`, whose events() is its EventSource, and `Sink`, the events
// interface's dispatch sink (a DispatchSink).
template <typename Source, typename Sink>
EventBridge BridgeOf(const Guid& events_id) {
  return {events_id,
          [](platform::Object& source, IDispatch* sink, ClassFinder finder) -> uint32_t {
            return dynamic_cast<Source&>(source).events().Attach(std::make_shared<Sink>(sink, finder));
          },
          [](platform::Object& source, uint32_t cookie) {
            return dynamic_cast<Source&>(source).events().Detach(cookie);
          }};
}

}  // namespace tessera::frame
