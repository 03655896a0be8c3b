#include "tessera/qt/trans_dialog_window.hpp"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTabBar>
#include <functional>
#include <vector>

#include "test_application.hpp"

namespace tessera::qt {
namespace {

using testing::PressKey;
using testing::TestApplication;
using testing::TypeText;

struct Owner : frmTransEvents {
  void OnEndDlg(bool bOk) override { ends.push_back(bOk); }
  void TabChanged() override { ++tab_changes; }
  std::vector<bool> ends;
  int tab_changes = 0;
};

// A loaded and shown dialog, as its owner leaves it after EditTrans, and its window.
struct ShownDialog {
  ShownDialog() {
    TestApplication();
    dialog_->Connect(&owner_);
    dialog_->Load();
    dialog_->edFaktor.Text("30");
    dialog_->edDx.Text("0");
    dialog_->edDy.Text("0");
    dialog_->Show();
    window_ = new TransDialogWindow(dialog_);
    window_->show();
  }
  ~ShownDialog() {
    delete window_.data();
    dialog_->Connect(nullptr);
  }

  QLineEdit& Edit(const platform::TextField& field) {
    return *static_cast<QLineEdit*>(window_->widget(field));
  }

  Owner owner_;
  std::shared_ptr<frmTrans> dialog_ = std::make_shared<frmTrans>();
  QPointer<TransDialogWindow> window_;
};

class TransDialogWindowTest : public ::testing::Test, protected ShownDialog {};

TEST_F(TransDialogWindowTest, TypedCharactersPassTheModelsFilterAtTheCaret) {
  static_cast<QTabBar*>(window_->widget(dialog_->SSTab1))->setCurrentIndex(1);
  QLineEdit& dx = Edit(dialog_->edDx);
  dialog_->edDx.Text("12");
  window_->Refresh();
  dx.setCursorPosition(2);
  TypeText(dx, "-");
  EXPECT_EQ(dialog_->edDx.Text(), "12");
  EXPECT_EQ(dx.text(), "12");
  dx.setCursorPosition(0);
  TypeText(dx, "-");
  EXPECT_EQ(dx.text(), "-12");
  dx.setCursorPosition(3);
  TypeText(dx, "x5");
  EXPECT_EQ(dx.text(), "-125");
  EXPECT_EQ(dx.cursorPosition(), 4);
  PressKey(dx, Qt::Key_Backspace, "\b");
  EXPECT_EQ(dialog_->edDx.Text(), "-12");
  dx.setSelection(1, 2);  // "12" selected: a refused minus keeps it, a digit replaces it
  TypeText(dx, "-");
  EXPECT_EQ(dx.selectedText(), "12");
  TypeText(dx, "7");
  EXPECT_EQ(dialog_->edDx.Text(), "-7");
  dx.selectAll();
  PressKey(dx, Qt::Key_Delete);
  EXPECT_EQ(dialog_->edDx.Text(), "");
  // A paste is not typing: the field keeps the model's text.
  dx.insert("7");
  EXPECT_EQ(dx.text(), "");
}

TEST_F(TransDialogWindowTest, ViewMirrorsEnabledStatesCaptionsAndPagesInATopmostFixedDialogSizedInTwips) {
  auto* shift = static_cast<QPushButton*>(window_->widget(dialog_->pbShift));
  auto* tabs = static_cast<QTabBar*>(window_->widget(dialog_->SSTab1));
  EXPECT_EQ(tabs->currentIndex(), 0);  // the first activation put the scale page in front
  EXPECT_EQ(owner_.tab_changes, 1);
  EXPECT_FALSE(Edit(dialog_->edLaenge).isEnabled());
  EXPECT_EQ(tabs->tabText(1), "&Verschiebung");

  tabs->setCurrentIndex(1);
  EXPECT_TRUE(dialog_->ShiftInputActive());
  EXPECT_EQ(owner_.tab_changes, 2);
  EXPECT_TRUE(Edit(dialog_->edDx).isVisibleTo(window_));
  EXPECT_FALSE(Edit(dialog_->edFaktor).isVisibleTo(window_));
  EXPECT_TRUE(shift->isEnabled());

  static_cast<QAbstractButton*>(window_->widget(dialog_->cbMoveMode))->click();
  EXPECT_EQ(dialog_->cbMoveMode.Value(), 0);
  EXPECT_FALSE(shift->isEnabled());
  EXPECT_FALSE(Edit(dialog_->edDx).isEnabled());
  const auto* move_x = static_cast<QLabel*>(window_->widget(dialog_->txMoveX));
  EXPECT_EQ(move_x->text(), "Nach X:");
  EXPECT_GE(move_x->width(), move_x->sizeHint().width());  // not cut off by its narrow place

  dialog_->EnableMoveToEdits();  // the owner, after a picked point
  window_->Refresh();
  EXPECT_TRUE(Edit(dialog_->edDx).isEnabled());

  const double twips_per_pixel = 1440 / window_->screen()->logicalDotsPerInchX();
  EXPECT_TRUE(window_->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
  EXPECT_FALSE(window_->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
  EXPECT_FALSE(window_->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
  EXPECT_EQ(window_->pos(), QPoint(0, 0));
  window_->move(200, 150);  // by the user: later refreshes leave it there
  window_->Refresh();
  EXPECT_EQ(window_->pos(), QPoint(200, 150));
  EXPECT_EQ(window_->windowTitle(), QString::fromStdString(dialog_->form.Caption()));
  EXPECT_EQ(window_->minimumSize(), window_->maximumSize());
  EXPECT_EQ(window_->width(), qRound(6135 / twips_per_pixel));
  // A page's control lies where its twips put it relative to the tab control.
  const QWidget& dx = Edit(dialog_->edDx);
  EXPECT_EQ(dx.mapTo(window_, QPoint(0, 0)),
            QPoint(qRound(60 / twips_per_pixel) + qRound(1020 / twips_per_pixel),
                   qRound(60 / twips_per_pixel) + qRound(360 / twips_per_pixel)));
  EXPECT_EQ(dx.width(), qRound(852 / twips_per_pixel));
}

// Enter finishes only once OK is enabled; Esc and the close box cancel even then, as the owner's
// Unload does on the next refresh.
TEST(TransDialogWindowEndTest, EnterFinishesAndEscTheCloseBoxAndTheOwnersUnloadCancel) {
  const struct {
    std::function<void(ShownDialog&)> end;
    bool ok;
  } endings[] = {
      {[](ShownDialog& shown) { PressKey(shown.Edit(shown.dialog_->edFaktor), Qt::Key_Return, "\r"); }, true},
      {[](ShownDialog& shown) { PressKey(*shown.window_, Qt::Key_Escape, "\x1b"); }, false},
      {[](ShownDialog& shown) { shown.window_->close(); }, false},
      {[](ShownDialog& shown) {
         shown.dialog_->Unload();
         shown.window_->Refresh();
       },
       false},
  };
  for (const auto& [end, ok] : endings) {
    ShownDialog shown;
    PressKey(shown.Edit(shown.dialog_->edFaktor), Qt::Key_Return, "\r");
    EXPECT_TRUE(shown.owner_.ends.empty());
    shown.dialog_->pbOk.Enabled(true);
    shown.window_->Refresh();
    end(shown);
    EXPECT_EQ(shown.owner_.ends, std::vector<bool>{ok});
    EXPECT_FALSE(shown.dialog_->form.Loaded());
    EXPECT_FALSE(shown.window_->isVisible());
  }
}

}  // namespace
}  // namespace tessera::qt
