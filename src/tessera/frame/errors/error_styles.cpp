#include "tessera/frame/errors/error_styles.hpp"

#include <string>

#include "tessera/platform/ui/ui.hpp"

namespace tessera::frame {

void ShowLabelledReport(std::string_view label, const platform::RuntimeError& error) {
  std::string text(label);
  text += "\r\n";
  text += error.description();
  platform::MsgBox(text, platform::vbCritical);
}

void ShowPlainReport(const platform::RuntimeError& error, std::optional<std::string_view> title) {
  platform::MsgBox(error.description(), platform::vbCritical, title);
}

}  // namespace tessera::frame
