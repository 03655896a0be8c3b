// The geometry companions MensTrans, MensRect and MensPoint as the library serves them: a member
// such as CDrawRect.m_Rect hands out its companion object, which leaves as a dispatch object of its
// own with these members and comes back in as the same object. They belong to no type library.
#pragma once

#include "tessera/frame/component/served_class.hpp"
#include "tessera/frame/dispatch/dispatch_table.hpp"
#include "tessera/platform/runtime/object.hpp"

namespace tessera {

const frame::DispatchTable& MensTransDispatch();
const frame::DispatchTable& MensRectDispatch();
const frame::DispatchTable& MensPointDispatch();

// How `object` is served when it is a companion, else nullptr.
const frame::ServedClass* CompanionServedClass(const platform::Object& object);

}  // namespace tessera
