// The library's way to the user interface: the installed UI services and the host runtime's
// MsgBox, DoEvents and Screen.MousePointer over them.
#pragma once

#include <memory>
#include <string_view>

#include "tessera/platform/ui/ui_services.hpp"

namespace tessera::platform {

// The application title, the host's App.Title, which the library's message boxes carry.
inline constexpr std::string_view kApplicationTitle = "Tessera";

// The services in force; the headless ones until a host installs its own.
std::shared_ptr<UiServices> CurrentUiServices();

// Installs `services` for the whole library; nullptr goes back to the headless services.
void SetUiServices(std::shared_ptr<UiServices> services);

// Installs services for a stretch of work (a test, a host's modal phase) and restores the
// previous ones at its end.
class ScopedUiServices {
 public:
  explicit ScopedUiServices(std::shared_ptr<UiServices> services);
  ~ScopedUiServices();
  ScopedUiServices(const ScopedUiServices&) = delete;
  ScopedUiServices& operator=(const ScopedUiServices&) = delete;

 private:
  std::shared_ptr<UiServices> previous_;
};

int32_t MsgBox(std::string_view text, int32_t style = vbOKOnly, std::string_view title = kApplicationTitle);
void DoEvents();
void Beep();
int16_t ScreenMousePointer();
void SetScreenMousePointer(int16_t pointer);
std::string ShowFileOpen(const FileOpenRequest& request);

}  // namespace tessera::platform
