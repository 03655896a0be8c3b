// The one QApplication of a Qt test program, made on first use and offscreen unless the
// environment asks for a platform of its own.
#pragma once

#include <QApplication>
#include <QKeyEvent>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace tessera::qt::testing {

inline QApplication& TestApplication() {
  static int argc = 1;
  static char name[] = "qt_tests";
  static char* argv[] = {name, nullptr};
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // Never destroyed: Qt's own statics may be gone by the time a static application would go.
  static auto* application = new QApplication(argc, argv);
  return *application;
}

// Runs `step` once the modal dialog that the caller is about to open has come up.
inline void WhenModal(std::function<void(QWidget&)> step) {
  QTimer::singleShot(0, [step = std::move(step)] { step(*QApplication::activeModalWidget()); });
}

// Presses and releases `key` on `widget` as a person would, with the text the key types.
inline void PressKey(QWidget& widget, int key, const QString& text = {}) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
  QApplication::sendEvent(&widget, &press);
  QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
  QApplication::sendEvent(&widget, &release);
}

// Types `text` into `widget` character by character.
inline void TypeText(QWidget& widget, const QString& text) {
  for (const QChar character : text) PressKey(widget, character.unicode(), QString(character));
}

}  // namespace tessera::qt::testing
