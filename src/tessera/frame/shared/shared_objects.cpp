#include "tessera/frame/shared/shared_objects.hpp"

#include <mutex>

namespace tessera::frame {

namespace {

// The classes live on the host's user-interface thread, but a host that makes objects on several
// threads must not make two shared objects.
std::mutex& SlotsGuard() {
  static std::mutex guard;
  return guard;
}

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
  const std::lock_guard lock(SlotsGuard());
  auto& slot = ResbankSlot();
  if (!slot) {
    auto strings = std::make_shared<resbank::ResbankStrings>();
    strings->Attach(kResbankLibraryFile);
    slot = std::move(strings);
  }
  return *slot;
}

std::shared_ptr<resbank::ResbankStrings> SharedResbankStringsIfAny() {
  const std::lock_guard lock(SlotsGuard());
  return ResbankSlot();
}

mensura::MensGlobal& SharedMensGlobal() {
  const std::lock_guard lock(SlotsGuard());
  auto& slot = MensGlobalSlot();
  if (!slot) slot = std::make_shared<mensura::MensGlobal>();
  return *slot;
}

void ReleaseSharedObjects() {
  const std::lock_guard lock(SlotsGuard());
  ResbankSlot().reset();
  MensGlobalSlot().reset();
}

}  // namespace tessera::frame
