#include "viewer_window.hpp"

#include <gtest/gtest.h>

#include <QDropEvent>
#include <QMenuBar>
#include <QMimeData>
#include <QStatusBar>
#include <QUrl>
#include <filesystem>
#include <fstream>

#include "plan_directory.hpp"
#include "qt/test_application.hpp"
#include "recent_directories.hpp"
#include "support/recorded_ui.hpp"
#include "tessera/platform/runtime/convert.hpp"
#include "translations.hpp"

namespace tessera::viewer {
namespace {

// A viewer on the plan directory, its floors 60 000 x 30 000 units, its questions recorded.
class ViewerWindowTest : public tessera::testing::RecordedUiTest {
 protected:
  static void SetUpTestSuite() { qt::testing::TestApplication(); }

  testing::PlanDirectory dir_;
  ViewerWindow window_{dir_.path(), {60000, 30000}};

  // Drops `file` onto the view as a file manager would, and lets the window load it.
  void Drop(const std::string& file) {
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QString::fromStdString(file))});
    QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&window_.view(), &enter);
    QDropEvent drop(QPointF(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&window_.view(), &drop);
    QCoreApplication::processEvents();
  }
};

TEST_F(ViewerWindowTest, LoadPlanAsksForTheFileFitsItToTheFloorAndShowHideIsStored) {
  ASSERT_EQ(window_.floors(), (std::vector<FloorEntry>{{false, 5}}));
  window_.OpenFloor({false, 5});
  ui_->ScriptFileOpen(dir_.path() + "\\plan.bmp");
  window_.LoadPlan();
  ASSERT_EQ(ui_->file_dialogs().size(), 1u);
  EXPECT_EQ(ui_->file_dialogs()[0].initial_directory, dir_.path());
  EXPECT_TRUE(ui_->file_dialogs()[0].filter.starts_with("All plan files (*.bmp *.jpg)|*.bmp;*.jpg|"));
  EXPECT_EQ(dir_.Stored("Faktor"), "300");  // as wide as the floor: 60 000 / 200 pixels
  EXPECT_EQ(window_.view().plan_factor(), 300);

  window_.ToggleVisible();
  EXPECT_FALSE(window_.view().raster()->Visible());
  EXPECT_EQ(dir_.Stored("Sichtbar"), platform::CStr(platform::Variant(false)));
  window_.LoadPlan();  // cancelled: the plan stays as it was
  EXPECT_EQ(window_.view().plan_factor(), 300);

  // A fitted placement that cannot be saved is said in the status bar, not thrown at Qt.
  dir_.Writable(false);
  ui_->ScriptFileOpen(dir_.path() + "\\plan.bmp");
  window_.LoadPlan();
  EXPECT_EQ(window_.statusBar()->currentMessage().toStdString(),
            "cannot write '" + dir_.Ini().string() + "': Permission denied");
  EXPECT_TRUE(ui_->message_boxes().empty());

  std::ofstream(dir_.File("bad.bmp")) << "BM, but no picture";
  ui_->ScriptFileOpen(dir_.path() + "\\bad.bmp");
  const auto plan = window_.view().raster();
  window_.LoadPlan();  // refused: the floor keeps its plan
  EXPECT_EQ(window_.view().raster(), plan);
  EXPECT_FALSE(ui_->message_boxes().empty());

  window_.OpenFloor({false, 7});  // not in "Raster.ini": opened empty, and listed
  EXPECT_EQ(window_.floors(), (std::vector<FloorEntry>{{false, 5}, {false, 7}}));
  EXPECT_EQ(window_.view().raster(), nullptr);
}

// Each step leaves "Raster.ini" as a state before it did: undone changes come back byte for byte.
TEST_F(ViewerWindowTest, UndoAndRedoWriteTheFloorsSectionBackAsItWas) {
  const auto ini = [&] { return tessera::testing::ReadBytes(dir_.Ini()); };
  window_.OpenFloor({false, 5});
  std::vector<std::string> states{ini()};
  window_.ToggleVisible();
  states.push_back(ini());
  ui_->ScriptFileOpen(dir_.path() + "\\plan.bmp");
  window_.LoadPlan();
  states.push_back(ini());

  const struct {
    void (ViewerWindow::*step)();
    std::size_t state;
    bool visible;
  } steps[] = {{&ViewerWindow::UndoPlacement, 1, false}, {&ViewerWindow::UndoPlacement, 0, true},
               {&ViewerWindow::UndoPlacement, 0, true},  // nothing more to undo
               {&ViewerWindow::RedoPlacement, 1, false}, {&ViewerWindow::RedoPlacement, 2, true},
               {&ViewerWindow::UndoPlacement, 1, false}};
  for (const auto& step : steps) {
    (window_.*step.step)();
    EXPECT_EQ(ini(), states[step.state]);
    EXPECT_EQ(window_.view().raster()->Visible(), step.visible);
  }
  window_.ToggleVisible();  // a new change: what was undone cannot come back
  window_.RedoPlacement();
  EXPECT_EQ(ini(), states[0]);

  window_.OpenFloor({false, 7});  // no section: undoing its first plan leaves it without one
  ui_->ScriptFileOpen(dir_.path() + "\\plan.bmp");
  window_.LoadPlan();
  window_.UndoPlacement();
  EXPECT_EQ(dir_.Stored("Datei", "7"), "");
  EXPECT_EQ(window_.view().raster(), nullptr);

  // A file that does not take the step keeps it for later.
  const std::string undone = ini();
  dir_.Writable(false);
  window_.RedoPlacement();
  EXPECT_EQ(ini(), undone);
  EXPECT_TRUE(window_.statusBar()->currentMessage().startsWith("Placement not changed: "));
  dir_.Writable(true);
  window_.RedoPlacement();
  EXPECT_NE(window_.view().raster(), nullptr);
}

TEST_F(ViewerWindowTest, ADroppedFileLoadsAsLoadPlanAndAnotherDirectoryReplacesTheFloors) {
  const testing::PlanDirectory other;
  Drop(dir_.File("plan.bmp"));  // no floor open: nothing to load into
  EXPECT_EQ(window_.view().raster(), nullptr);

  window_.OpenFloor({false, 7});
  Drop(dir_.File("plan.bmp"));
  ASSERT_NE(window_.view().raster(), nullptr);
  EXPECT_EQ(window_.view().plan_factor(), 300);
  std::ofstream(dir_.File("plan.png")) << "not a plan";
  Drop(dir_.File("plan.png"));  // the library refuses it with its own message
  EXPECT_EQ(ui_->message_boxes().size(), 1u);
  EXPECT_EQ(window_.view().plan_factor(), 300);

  std::filesystem::remove(other.Ini());
  window_.OpenDirectory(other.path());  // no "Raster.ini" yet: no floors, nothing open, no message
  EXPECT_TRUE(window_.floors().empty());
  EXPECT_EQ(ui_->message_boxes().size(), 1u);
  EXPECT_EQ(window_.view().raster(), nullptr);
  window_.OpenDirectory(other.path() + "\\missing");
  EXPECT_TRUE(window_.unreadable().has_value());
  EXPECT_EQ(ui_->message_boxes().size(), 2u);
  window_.OpenDirectory(dir_.path());
  EXPECT_EQ(window_.floors(), (std::vector<FloorEntry>{{false, 5}, {false, 7}}));
}

TEST(RecentDirectoriesTest, PutTheLatestFirstOnce) {
  struct Case {
    QStringList before;
    QString opened;
    QStringList after;
  };
  for (const Case& c : {Case{{}, "/a/", {"/a"}}, Case{{"/a", "/b", "/c"}, "/c", {"/c", "/a", "/b"}},
                        Case{{"/a", "/b", "/c"}, "/d", {"/d", "/a", "/b"}}})
    EXPECT_EQ(WithRecent(c.before, c.opened, 3), c.after) << c.opened.toStdString();
}

TEST_F(ViewerWindowTest, GermanCataloguesTranslateTheMenus) {
  const auto german = InstallTranslations(QLocale(QLocale::German, QLocale::Germany), TESSERA_VIEW_QM_DIR);
  ASSERT_FALSE(german.empty());
  ViewerWindow window(dir_.path(), {60000, 30000});
  QStringList titles;
  for (const QAction* menu : window.menuBar()->actions()) titles << menu->text();
  EXPECT_TRUE(titles.startsWith("&Datei")) << titles.join(' ').toStdString();
  EXPECT_TRUE(titles.contains("&Ansicht")) << titles.join(' ').toStdString();
  EXPECT_EQ(FloorEntry({false, 5}).Label(), "Geschoss 5");
}

}  // namespace
}  // namespace tessera::viewer
