#include "tessera/platform/surface/device_contexts.hpp"

#include <atomic>
#include <limits>
#include <mutex>
#include <unordered_map>

#include "tessera/platform/runtime/error.hpp"

namespace tessera::platform {

namespace {

// Device contexts are the process's; a host may make them on several threads.
std::mutex surfaces_guard;

std::unordered_map<int32_t, Canvas*>& Surfaces() {
  static std::unordered_map<int32_t, Canvas*> surfaces;
  return surfaces;
}

}  // namespace

int32_t NewGdiHandle() {
  static std::atomic<int32_t> next = 0;
  int32_t last = next;
  do {
    if (last == std::numeric_limits<int32_t>::max()) Raise(err::kOutOfMemory);
  } while (!next.compare_exchange_weak(last, last + 1));
  return last + 1;
}

int32_t RegisterDeviceContext(Canvas& canvas) {
  const int32_t handle = NewGdiHandle();
  const std::lock_guard lock(surfaces_guard);
  Surfaces()[handle] = &canvas;
  return handle;
}

void ReleaseDeviceContext(int32_t handle) {
  const std::lock_guard lock(surfaces_guard);
  Surfaces().erase(handle);
}

Canvas* CanvasOfDeviceContext(int32_t handle) {
  const std::lock_guard lock(surfaces_guard);
  const auto found = Surfaces().find(handle);
  return found == Surfaces().end() ? nullptr : found->second;
}

}  // namespace tessera::platform
