#include "tessera/frame/component/module_usage.hpp"

#include <atomic>

namespace tessera::frame {

namespace {

std::atomic<long> live_objects{0};
std::atomic<long> server_locks{0};

}  // namespace

void CountObjectCreated() noexcept {
  ++live_objects;
}

void CountObjectDestroyed() noexcept {
  --live_objects;
}

void CountServerLock(bool lock) noexcept {
  // An unlock without a lock is the host's mistake; it must not let the library unload early.
  if (lock) {
    ++server_locks;
    return;
  }
  long held = server_locks;
  while (held > 0 && !server_locks.compare_exchange_weak(held, held - 1)) {
  }
}

bool ModuleInUse() noexcept {
  return live_objects > 0 || server_locks > 0;
}

}  // namespace tessera::frame
