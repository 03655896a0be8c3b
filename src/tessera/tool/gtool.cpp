#include "tessera/tool/gtool.hpp"

#include <mutex>

#include "tessera/frame/shared/shared_objects.hpp"

namespace tessera {

namespace {

std::unique_ptr<GTool>& ImplicitSlot() {
  static std::unique_ptr<GTool> slot;
  return slot;
}

std::unique_ptr<GTool>& SharedSlot() {
  static std::unique_ptr<GTool> slot;
  return slot;
}

// A host that calls from several threads must not make two instances.
std::mutex slots_guard;

GTool& CreatedOnFirstUse(std::unique_ptr<GTool>& slot) {
  const std::lock_guard lock(slots_guard);
  if (!slot) slot = std::make_unique<GTool>();
  return *slot;
}

}  // namespace

GTool::GTool() {
  frame::EnsureSharedResbankStrings();
}

GTool& ImplicitGTool() {
  return CreatedOnFirstUse(ImplicitSlot());
}

GTool& SharedGTool() {
  return CreatedOnFirstUse(SharedSlot());
}

void ReleaseGToolInstances() {
  const std::lock_guard lock(slots_guard);
  ImplicitSlot().reset();
  SharedSlot().reset();
}

}  // namespace tessera
