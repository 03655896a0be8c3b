#include "tessera/qt/message_box_style.hpp"

#include <array>
#include <utility>

#include "tessera/platform/ui/ui_services.hpp"

namespace tessera::qt {
namespace {

using Button = QMessageBox::StandardButton;

constexpr std::array<std::pair<Button, int32_t>, 7> kAnswers{{
    {QMessageBox::Ok, platform::vbOK},
    {QMessageBox::Cancel, platform::vbCancel},
    {QMessageBox::Abort, platform::vbAbort},
    {QMessageBox::Retry, platform::vbRetry},
    {QMessageBox::Ignore, platform::vbIgnore},
    {QMessageBox::Yes, platform::vbYes},
    {QMessageBox::No, platform::vbNo},
}};

std::vector<Button> ButtonSet(int32_t set) {
  switch (set) {
    case platform::vbOKCancel:
      return {QMessageBox::Ok, QMessageBox::Cancel};
    case platform::vbAbortRetryIgnore:
      return {QMessageBox::Abort, QMessageBox::Retry, QMessageBox::Ignore};
    case platform::vbYesNoCancel:
      return {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel};
    case platform::vbYesNo:
      return {QMessageBox::Yes, QMessageBox::No};
    case platform::vbRetryCancel:
      return {QMessageBox::Retry, QMessageBox::Cancel};
    default:
      return {QMessageBox::Ok};
  }
}

QMessageBox::Icon IconOf(int32_t icon) {
  switch (icon) {
    case platform::vbCritical:
      return QMessageBox::Critical;
    case platform::vbQuestion:
      return QMessageBox::Question;
    case platform::vbExclamation:
      return QMessageBox::Warning;
    case platform::vbInformation:
      return QMessageBox::Information;
    default:
      return QMessageBox::NoIcon;
  }
}

}  // namespace

MessageBoxStyle StyleOf(int32_t style) {
  MessageBoxStyle look;
  look.icon = IconOf(style & 0x70);
  look.buttons = ButtonSet(style & 0x7);
  const auto focus = static_cast<std::size_t>((style >> 8) & 0x3);
  look.default_button = look.buttons[focus < look.buttons.size() ? focus : 0];
  return look;
}

int32_t AnswerOf(QMessageBox::StandardButton button) {
  for (const auto& [standard, answer] : kAnswers) {
    if (standard == button) return answer;
  }
  return platform::vbCancel;
}

}  // namespace tessera::qt
