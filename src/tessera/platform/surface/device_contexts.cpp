#include "tessera/platform/surface/device_contexts.hpp"

#include <limits>
#include <unordered_map>

#include "tessera/platform/runtime/error.hpp"

namespace tessera::platform {

namespace {

std::unordered_map<int32_t, Canvas*>& Surfaces() {
  static std::unordered_map<int32_t, Canvas*> surfaces;
  return surfaces;
}

}  // namespace

int32_t NewGdiHandle() {
  static int32_t next = 0;
  if (next == std::numeric_limits<int32_t>::max()) Raise(err::kOutOfMemory);
  return ++next;
}

int32_t RegisterDeviceContext(Canvas& canvas) {
  const int32_t handle = NewGdiHandle();
  Surfaces()[handle] = &canvas;
  return handle;
}

void ReleaseDeviceContext(int32_t handle) {
  Surfaces().erase(handle);
}

Canvas* CanvasOfDeviceContext(int32_t handle) {
  const auto found = Surfaces().find(handle);
  return found == Surfaces().end() ? nullptr : found->second;
}

}  // namespace tessera::platform
