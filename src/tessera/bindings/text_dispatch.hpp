// The dispatch tables of CTextFile, CTextAttribut and CFont: their members in interface order.
#pragma once

#include "tessera/frame/dispatch/dispatch_table.hpp"

namespace tessera {

const frame::DispatchTable& CTextFileDispatch();
const frame::DispatchTable& CTextAttributDispatch();
const frame::DispatchTable& CFontDispatch();

}  // namespace tessera
