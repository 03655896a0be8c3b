// The one QApplication of a Qt test program, made on first use and offscreen unless the
// environment asks for a platform of its own.
#pragma once

#include <QApplication>
#include <QTimer>
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

}  // namespace tessera::qt::testing
