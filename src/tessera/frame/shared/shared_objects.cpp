#include "tessera/frame/shared/shared_objects.hpp"

namespace tessera::frame {

namespace {

std::shared_ptr<resbank::ResbankStrings>& ResbankSlot() {
  static std::shared_ptr<resbank::ResbankStrings> slot;
  return slot;
}

std::shared_ptr<mensura::MensGlobal>& MensGlobalSlot() {
  static std::shared_ptr<mensura::MensGlobal> slot;
  return slot;
}

}  // namespace

resbank::ResbankStrings& EnsureSharedResbankStrings() {
  auto& slot = ResbankSlot();
  if (!slot) {
    auto strings = std::make_shared<resbank::ResbankStrings>();
    strings->Attach(kResbankLibraryFile);
    slot = std::move(strings);
  }
  return *slot;
}

std::shared_ptr<resbank::ResbankStrings> SharedResbankStringsIfAny() {
  return ResbankSlot();
}

mensura::MensGlobal& SharedMensGlobal() {
  auto& slot = MensGlobalSlot();
  if (!slot) slot = std::make_shared<mensura::MensGlobal>();
  return *slot;
}

void ReleaseSharedObjects() {
  ResbankSlot().reset();
  MensGlobalSlot().reset();
}

}  // namespace tessera::frame
