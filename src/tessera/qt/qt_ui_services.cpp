#include "tessera/qt/qt_ui_services.hpp"

#include <QApplication>
#include <QCursor>
#include <QFileDialog>
#include <QMessageBox>
#include <array>

#include "tessera/platform/runtime/host_path.hpp"
#include "tessera/qt/message_box_style.hpp"
#include "tessera/qt/name_filters.hpp"

namespace tessera::qt {
namespace {

QString ToQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The host's pointer values 1 to 15 (0 is the window's own cursor); others show the arrow.
Qt::CursorShape ShapeOf(int16_t pointer) {
  static constexpr std::array<Qt::CursorShape, 16> kShapes{
      Qt::ArrowCursor,     Qt::ArrowCursor,   Qt::CrossCursor,     Qt::IBeamCursor,
      Qt::ArrowCursor,     Qt::SizeAllCursor, Qt::SizeBDiagCursor, Qt::SizeVerCursor,
      Qt::SizeFDiagCursor, Qt::SizeHorCursor, Qt::UpArrowCursor,   Qt::WaitCursor,
      Qt::ForbiddenCursor, Qt::BusyCursor,    Qt::WhatsThisCursor, Qt::SizeAllCursor};
  if (pointer < 0 || pointer >= static_cast<int16_t>(kShapes.size())) return Qt::ArrowCursor;
  return kShapes[static_cast<std::size_t>(pointer)];
}

}  // namespace

QtUiServices::QtUiServices(QWidget* parent) : parent_(parent) {}

QtUiServices::~QtUiServices() {
  if (overriding_ && QCoreApplication::instance() != nullptr) QApplication::restoreOverrideCursor();
}

QWidget* QtUiServices::Parent() const {
  return parent_ ? parent_.data() : QApplication::activeWindow();
}

int32_t QtUiServices::MessageBox(std::string_view text, int32_t style, std::string_view title) {
  const MessageBoxStyle look = StyleOf(style);
  QMessageBox box(look.icon, ToQString(title), ToQString(text), QMessageBox::NoButton, Parent());
  for (const QMessageBox::StandardButton button : look.buttons) box.addButton(button);
  box.setDefaultButton(look.default_button);
  box.exec();
  // Closing a box that has no Cancel button counts as its default button, as nothing else fits.
  if (box.clickedButton() == nullptr) return platform::DefaultAnswer(style);
  return AnswerOf(box.standardButton(box.clickedButton()));
}

// The library yields while a host's handler runs (after drawing, after asking the host for its
// control). User input delivered there would run another handler inside that one: a second click
// on the button whose first click is still being handled, a floor switched in the middle of a
// draw. Input therefore waits until the running handler returns; paints, timers and the window
// system's other events run.
void QtUiServices::ProcessPendingMessages() {
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void QtUiServices::Beep() {
  QApplication::beep();
}

void QtUiServices::SetMousePointer(int16_t pointer) {
  pointer_ = pointer;
  if (pointer == platform::vbDefault) {
    if (overriding_) QApplication::restoreOverrideCursor();
    overriding_ = false;
    return;
  }
  if (overriding_) {
    QApplication::changeOverrideCursor(QCursor(ShapeOf(pointer)));
    return;
  }
  QApplication::setOverrideCursor(QCursor(ShapeOf(pointer)));
  overriding_ = true;
}

std::string QtUiServices::ShowFileOpen(const platform::FileOpenRequest& request) {
  QFileDialog dialog(Parent());
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode((request.flags & platform::kFileMustExist) != 0 ? QFileDialog::ExistingFile
                                                                     : QFileDialog::AnyFile);
  if (!request.initial_directory.empty())
    dialog.setDirectory(QString::fromStdString(platform::ToHostPath(request.initial_directory).string()));
  const QStringList filters = NameFilters(request.filter);
  if (!filters.isEmpty()) dialog.setNameFilters(filters);
  QString suffix = ToQString(request.default_extension);
  if (suffix.startsWith('.')) suffix.remove(0, 1);
  dialog.setDefaultSuffix(suffix);
  if (!request.file_name.empty())
    dialog.selectFile(QString::fromStdString(platform::ToHostPath(request.file_name).string()));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return platform::ToLibraryPath(dialog.selectedFiles().front().toStdString());
}

}  // namespace tessera::qt
