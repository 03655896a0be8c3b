// The library's way to the user interface: the installed UI services and the host runtime's
// MsgBox, DoEvents and Screen.MousePointer over them.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "tessera/export.hpp"
#include "tessera/platform/ui/ui_services.hpp"

namespace tessera::platform {

// The application title, the host's App.Title, which the library's message boxes carry unless
// they name a title of their own: "Tessera" until a host sets its own once at start.
TESSERA_API std::string ApplicationTitle();
TESSERA_API void SetApplicationTitle(std::string title);

// The services in force; the headless ones until a host installs its own.
TESSERA_API std::shared_ptr<UiServices> CurrentUiServices();

// Installs `services` for the whole library; nullptr goes back to the headless services.
TESSERA_API void SetUiServices(std::shared_ptr<UiServices> services);

// Installs services for a stretch of work (a test, a host's modal phase) and restores the
// previous ones at its end.
class TESSERA_API ScopedUiServices {
 public:
  explicit ScopedUiServices(std::shared_ptr<UiServices> services);
  ~ScopedUiServices();
  ScopedUiServices(const ScopedUiServices&) = delete;
  ScopedUiServices& operator=(const ScopedUiServices&) = delete;

 private:
  std::shared_ptr<UiServices> previous_;
};

// A message box titled `title`, else with the application title.
TESSERA_API int32_t MsgBox(std::string_view text, int32_t style = vbOKOnly,
                           std::optional<std::string_view> title = std::nullopt);
TESSERA_API void DoEvents();
TESSERA_API void Beep();
TESSERA_API int16_t ScreenMousePointer();
TESSERA_API void SetScreenMousePointer(int16_t pointer);
TESSERA_API std::string ShowFileOpen(const FileOpenRequest& request);

}  // namespace tessera::platform
