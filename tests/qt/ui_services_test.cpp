#include <gtest/gtest.h>

#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <fstream>

#include "support/temp_dir.hpp"
#include "tessera/platform/runtime/host_path.hpp"
#include "tessera/qt/message_box_style.hpp"
#include "tessera/qt/name_filters.hpp"
#include "tessera/qt/qt_ui_services.hpp"
#include "test_application.hpp"

namespace tessera::qt {
namespace {

using testing::TestApplication;
using testing::WhenModal;
using Buttons = std::vector<QMessageBox::StandardButton>;

TEST(MessageBoxStyleTest, StyleValuesGiveIconButtonsAndDefaultAndTheShownBoxAnswersTheButton) {
  struct Case {
    int32_t style;
    QMessageBox::Icon icon;
    Buttons buttons;
    QMessageBox::StandardButton default_button;
  };
  const Case cases[] = {
      {0, QMessageBox::NoIcon, {QMessageBox::Ok}, QMessageBox::Ok},
      {16, QMessageBox::Critical, {QMessageBox::Ok}, QMessageBox::Ok},
      {64, QMessageBox::Information, {QMessageBox::Ok}, QMessageBox::Ok},
      {1 + 48, QMessageBox::Warning, {QMessageBox::Ok, QMessageBox::Cancel}, QMessageBox::Ok},
      {2 + 512,
       QMessageBox::NoIcon,
       {QMessageBox::Abort, QMessageBox::Retry, QMessageBox::Ignore},
       QMessageBox::Ignore},
      {3 + 32 + 256,
       QMessageBox::Question,
       {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel},
       QMessageBox::No},
      {4 + 32, QMessageBox::Question, {QMessageBox::Yes, QMessageBox::No}, QMessageBox::Yes},
      {5 + 512, QMessageBox::NoIcon, {QMessageBox::Retry, QMessageBox::Cancel}, QMessageBox::Retry},
      {7 + 80, QMessageBox::NoIcon, {QMessageBox::Ok}, QMessageBox::Ok},
  };
  for (const Case& c : cases) {
    const MessageBoxStyle look = StyleOf(c.style);
    EXPECT_EQ(look.icon, c.icon) << c.style;
    EXPECT_EQ(look.buttons, c.buttons) << c.style;
    EXPECT_EQ(look.default_button, c.default_button) << c.style;
  }

  TestApplication();
  QtUiServices ui;
  WhenModal([](QWidget& widget) {
    auto& box = dynamic_cast<QMessageBox&>(widget);
    EXPECT_EQ(box.windowTitle(), "Talmo");
    EXPECT_EQ(box.text(), "Plan überschreiben?");
    EXPECT_EQ(box.icon(), QMessageBox::Question);
    EXPECT_EQ(box.defaultButton(), static_cast<QPushButton*>(box.button(QMessageBox::No)));
    box.button(QMessageBox::Yes)->click();
  });
  EXPECT_EQ(ui.MessageBox("Plan überschreiben?", 3 + 32 + 256, "Talmo"), platform::vbYes);
  WhenModal([](QWidget& widget) { widget.close(); });
  EXPECT_EQ(ui.MessageBox("Abbrechen?", 3, "Talmo"), platform::vbCancel);
}

TEST(FileOpenTest, DialogIsSetUpAsAskedAndAnswersTheChoiceOrNothingWithTheHostsFilters) {
  TestApplication();
  tessera::testing::TempDir dir;
  std::ofstream(dir.path() / "plan.bmp") << "BM";
  QtUiServices ui;
  platform::FileOpenRequest request{"Bitmap|*.bmp", ".bmp", platform::ToLibraryPath(dir.path()), "",
                                    platform::kFileMustExist};
  WhenModal([&](QWidget& widget) {
    auto& dialog = dynamic_cast<QFileDialog&>(widget);
    EXPECT_EQ(dialog.directory().absolutePath().toStdString(), dir.path().string());
    EXPECT_EQ(dialog.nameFilters(), QStringList{"Bitmap (*.bmp)"});
    EXPECT_EQ(dialog.defaultSuffix(), "bmp");
    EXPECT_EQ(dialog.fileMode(), QFileDialog::ExistingFile);
    dialog.selectFile("plan.bmp");
    QMetaObject::invokeMethod(&dialog, "accept");
  });
  EXPECT_EQ(ui.ShowFileOpen(request), platform::ToLibraryPath(dir.path() / "plan.bmp"));
  request.flags = 0;
  WhenModal([](QWidget& widget) {
    EXPECT_EQ(dynamic_cast<QFileDialog&>(widget).fileMode(), QFileDialog::AnyFile);
    dynamic_cast<QFileDialog&>(widget).reject();
  });
  EXPECT_EQ(ui.ShowFileOpen(request), "");

  const std::pair<std::string_view, QStringList> cases[] = {
      {"Windows Bitmap (*.bmp) | *.bmp|JPEG - Format (*.jpg)|*.jpg",
       {"Windows Bitmap (*.bmp)", "JPEG - Format (*.jpg)"}},
      {"Bilder|*.bmp;*.jpg", {"Bilder (*.bmp *.jpg)"}},
      {"Alle|*.*|ohne Muster", {"Alle (*.*)"}},
      {"", {}},
      {"Leer|", {}},
  };
  for (const auto& [filter, expected] : cases) EXPECT_EQ(NameFilters(filter), expected) << filter;
}

TEST(ScreenPointerTest, PointerIsOneOverrideCursorAndPendingEventsRun) {
  TestApplication();
  {
    QtUiServices ui;
    ui.SetMousePointer(platform::vbHourglass);
    ui.SetMousePointer(platform::vbArrow);
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::ArrowCursor);
    EXPECT_EQ(ui.MousePointer(), platform::vbArrow);
    ui.SetMousePointer(platform::vbHourglass);
  }
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);  // given back with the services

  bool ran = false;
  QTimer::singleShot(0, [&] { ran = true; });
  QtUiServices().ProcessPendingMessages();
  EXPECT_TRUE(ran);
}

}  // namespace
}  // namespace tessera::qt
