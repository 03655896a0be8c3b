// The connection point through which a host attaches dispatch sinks to one object's events.
#pragma once

#include "tessera/frame/component/com_abi.h"
#include "tessera/frame/component/event_bridge.hpp"

namespace tessera::frame {

// A new connection point for the events of the library object behind `owner`, which it keeps
// alive; one reference for the caller. std::bad_alloc when memory runs out.
IConnectionPoint* NewConnectionPoint(IDispatch* owner, const EventBridge& bridge, ClassFinder finder);

}  // namespace tessera::frame
