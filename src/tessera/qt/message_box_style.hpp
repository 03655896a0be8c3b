// How a message-box style value (buttons + icon + default button) looks as a QMessageBox, and
// which answer each of its buttons gives.
#pragma once

#include <QMessageBox>
#include <cstdint>
#include <vector>

namespace tessera::qt {

struct MessageBoxStyle {
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  std::vector<QMessageBox::StandardButton> buttons;  // in the order the style lists them
  QMessageBox::StandardButton default_button = QMessageBox::Ok;
};

// The look of `style`: an unknown button set is OK alone, an unknown icon none, and a default
// button past the set's last is its first.
MessageBoxStyle StyleOf(int32_t style);

// The answer (vbOK ...) of a pressed button.
int32_t AnswerOf(QMessageBox::StandardButton button);

}  // namespace tessera::qt
