// The dispatch tables of what a batch script reaches besides the library's public classes and the
// geometry companions (companion_dispatch.hpp): the in-memory picture control (a Canvas,
// "PictureBox"), a Collection, and the transformation dialog its owner has open, as the owner
// calls it.
#pragma once

#include "tessera/frame/dispatch/dispatch_table.hpp"
#include "tessera/platform/runtime/object.hpp"

namespace tessera::cli {

// A new member of the picture control is one more row here.
const frame::DispatchTable& CanvasDispatch();
const frame::DispatchTable& frmTransDispatch();
const frame::DispatchTable& CollectionDispatch();

// The table of an object of any kind a script can hold, nullptr for none.
const frame::DispatchTable* TableOf(const platform::Object& object);

}  // namespace tessera::cli
