// The dispatch tables of CRasterBgrd and CRasterBgrdSo, and the bridges that deliver their events
// to a host's dispatch sink.
#pragma once

#include "tessera/frame/component/event_bridge.hpp"
#include "tessera/frame/dispatch/dispatch_table.hpp"

namespace tessera {

const frame::DispatchTable& CRasterBgrdDispatch();
const frame::DispatchTable& CRasterBgrdSoDispatch();

const frame::EventBridge& CRasterBgrdEventBridge();
const frame::EventBridge& CRasterBgrdSoEventBridge();

}  // namespace tessera
