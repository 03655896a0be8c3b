// What keeps the library loaded: its live component objects (objects and class factories handed
// to a host) and the host's locks on class factories.
#pragma once

namespace tessera::frame {

void CountObjectCreated() noexcept;
void CountObjectDestroyed() noexcept;
void CountServerLock(bool lock) noexcept;

// True while any object or lock remains.
bool ModuleInUse() noexcept;

}  // namespace tessera::frame
