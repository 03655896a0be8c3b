// The user-interface services of a Qt Widgets host: message boxes are QMessageBox, the Open
// dialog is QFileDialog, pending messages are Qt's events and the screen pointer is the
// application's override cursor.
//
// A host installs it after creating its QApplication (SetUiServices) and uninstalls it before the
// application goes. Every call must come from the GUI thread; the dialogs are modal and run their
// own event loop.
#pragma once

#include <QPointer>
#include <QWidget>

#include "tessera/platform/ui/ui_services.hpp"

namespace tessera::qt {

class QtUiServices : public platform::UiServices {
 public:
  // Boxes and dialogs open over `parent` when given, else over the active window.
  explicit QtUiServices(QWidget* parent = nullptr);
  ~QtUiServices() override;

  int32_t MessageBox(std::string_view text, int32_t style, std::string_view title) override;
  void ProcessPendingMessages() override;
  void Beep() override;
  int16_t MousePointer() const override { return pointer_; }
  void SetMousePointer(int16_t pointer) override;
  std::string ShowFileOpen(const platform::FileOpenRequest& request) override;

 private:
  QWidget* Parent() const;

  QPointer<QWidget> parent_;
  int16_t pointer_ = platform::vbDefault;
  bool overriding_ = false;  // whether one override cursor of ours is on Qt's stack
};

}  // namespace tessera::qt
