// The dispatch tables of CDrawLine and CDrawRect: their members in the order of their interfaces.
#pragma once

#include "tessera/frame/dispatch/dispatch_table.hpp"

namespace tessera {

const frame::DispatchTable& CDrawLineDispatch();
const frame::DispatchTable& CDrawRectDispatch();

}  // namespace tessera
