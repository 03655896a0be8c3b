// CKalFKt's dispatch table: its members in the order of its interface.
#pragma once

#include "tessera/frame/dispatch/dispatch_table.hpp"

namespace tessera {

const frame::DispatchTable& CKalFKtDispatch();

}  // namespace tessera
