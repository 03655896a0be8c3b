// The error that the last call through a dual interface's vtable failed with, kept per thread as
// the platform keeps it, until the host takes it with GetErrorInfo (com_abi.h).
#pragma once

#include "tessera/frame/catalogue/guid.hpp"
#include "tessera/frame/component/com_abi.h"

namespace tessera::frame {

// Keeps the error `exception` describes for the interface `interface_id`, replacing what was kept;
// when memory runs out, nothing is kept and the caller's HRESULT alone names the error.
void KeepErrorInfo(const Guid& interface_id, const EXCEPINFO& exception) noexcept;

// Forgets the kept error: a call that does not fail leaves none behind.
void ForgetErrorInfo() noexcept;

}  // namespace tessera::frame
