#include "tessera/tool/gtool.hpp"

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

GTool& CreatedOnFirstUse(std::unique_ptr<GTool>& slot) {
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
  ImplicitSlot().reset();
  SharedSlot().reset();
}

}  // namespace tessera
