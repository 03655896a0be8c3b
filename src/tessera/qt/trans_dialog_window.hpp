// The transformation dialog on screen: a top-level Qt window bound to a frmTrans model.
//
// The window holds no rule of the dialog. It forwards the user's input to the model (every typed
// character through the field's key filter at the caret, clicks, page changes, Enter, Esc,
// activation, the close box) and then mirrors the model's state: texts, carets, enabled states,
// captions, the check box's value, the current page, topmost and the window's place. Controls sit
// where the model's twips put them at the screen's resolution.
//
// A host learns that a raster opened its dialog from RasterBackground::TransDialog() after
// EditTrans and shows a window for it. Changes the owner makes to the model (a measured length,
// the enabled finish button) reach the window when the host calls Refresh. Once the model has
// unloaded, Refresh hides the window; input that reaches it later does nothing. The window keeps
// the model alive.
//
// The window never deletes itself. The model unloads inside the window's own handlers (a click
// on "Fertig", Enter, Esc, the close box), and the owner's answer to that end may yield to the
// event loop (the library's Draw processes pending events): a window deleted then, even through
// deleteLater, whose deferred deletion such a yield runs, would return into a handler of a
// deleted object. The host deletes the window where none of its handlers can be running.
#pragma once

#include <QWidget>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "tessera/raster/dialogs/frm_trans.hpp"

namespace tessera::qt {

class TransDialogWindow : public QWidget {
 public:
  explicit TransDialogWindow(std::shared_ptr<frmTrans> dialog);

  const frmTrans& dialog() const { return *dialog_; }
  // The widget that shows `control`, nullptr for a control of another form.
  QWidget* widget(const platform::Control& control) const;

  // Mirrors the model; closes the window once the model has unloaded.
  void Refresh();

 protected:
  bool event(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  struct Binding {
    const platform::Control* control;
    QWidget* widget;
    std::function<void()> mirror;
  };

  int Px(int32_t twips) const;
  QRect PxRect(const platform::TwipsRect& rect) const;
  QWidget* PageParent(const platform::Control& control);
  void Bind(platform::Control& control);
  void BindTabs(platform::TabControl& tabs);
  void BindField(platform::TextField& field);
  void BindButton(platform::Button& button);
  void BindCheckBox(platform::CheckBox& box);
  void BindLabel(const platform::Label& label);
  void Forward(const std::function<void()>& input);
  void MirrorWindow();

  std::shared_ptr<frmTrans> dialog_;
  double twips_per_pixel_;
  std::vector<QWidget*> pages_;
  std::vector<Binding> bindings_;
  std::optional<QPoint> placed_;  // where the window last moved to the model's place
};

}  // namespace tessera::qt
