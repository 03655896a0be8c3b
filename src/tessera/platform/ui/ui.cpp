#include "tessera/platform/ui/ui.hpp"

#include <mutex>
#include <utility>

#include "tessera/platform/ui/headless_ui.hpp"

namespace tessera::platform {
namespace {

std::mutex services_mutex;

std::shared_ptr<UiServices>& InstalledServices() {
  static std::shared_ptr<UiServices> services = std::make_shared<HeadlessUi>();
  return services;
}

// Swaps in `services` (the headless ones for nullptr) and answers the ones it replaced.
std::shared_ptr<UiServices> Exchange(std::shared_ptr<UiServices> services) {
  if (services == nullptr) services = std::make_shared<HeadlessUi>();
  const std::lock_guard lock(services_mutex);
  return std::exchange(InstalledServices(), std::move(services));
}

}  // namespace

std::shared_ptr<UiServices> CurrentUiServices() {
  const std::lock_guard lock(services_mutex);
  return InstalledServices();
}

void SetUiServices(std::shared_ptr<UiServices> services) {
  Exchange(std::move(services));
}

ScopedUiServices::ScopedUiServices(std::shared_ptr<UiServices> services)
    : previous_(Exchange(std::move(services))) {}

ScopedUiServices::~ScopedUiServices() {
  Exchange(std::move(previous_));
}

namespace {

std::string& Title() {
  static std::string title = "Tessera";
  return title;
}

}  // namespace

std::string ApplicationTitle() {
  return Title();
}

void SetApplicationTitle(std::string title) {
  Title() = std::move(title);
}

// Each call holds its own reference, so services replaced meanwhile live until it returns.
int32_t MsgBox(std::string_view text, int32_t style, std::optional<std::string_view> title) {
  const std::string application_title = title ? std::string() : ApplicationTitle();
  return CurrentUiServices()->MessageBox(text, style, title.value_or(application_title));
}

void DoEvents() {
  CurrentUiServices()->ProcessPendingMessages();
}

void Beep() {
  CurrentUiServices()->Beep();
}

int16_t ScreenMousePointer() {
  return CurrentUiServices()->MousePointer();
}

void SetScreenMousePointer(int16_t pointer) {
  CurrentUiServices()->SetMousePointer(pointer);
}

std::string ShowFileOpen(const FileOpenRequest& request) {
  return CurrentUiServices()->ShowFileOpen(request);
}

}  // namespace tessera::platform
