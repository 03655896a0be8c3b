#include "viewer_window.hpp"

#include <gtest/gtest.h>

#include <QStatusBar>
#include <filesystem>
#include <fstream>

#include "plan_directory.hpp"
#include "qt/test_application.hpp"
#include "tessera/platform/runtime/convert.hpp"
#include "tessera/platform/runtime/host_path.hpp"
#include "tessera/platform/ui/recording_ui.hpp"
#include "tessera/platform/ui/ui.hpp"
#include "tessera/raster/raster_settings.hpp"
#include "tessera/tool/gtool.hpp"

namespace tessera::viewer {
namespace {

TEST(ViewerWindowTest, LoadPlanAsksForTheFileFitsItToTheFloorAndShowHideIsStored) {
  qt::testing::TestApplication();
  testing::PlanDirectory dir;
  auto ui = std::make_shared<platform::RecordingUi>();
  const platform::ScopedUiServices scoped(ui);
  const auto stored = [&](const char* key) {
    return SharedGTool().GetIniString(RasterIniPath(dir.path()), "5", key, "");
  };

  ViewerWindow window(dir.path(), {60000, 30000});
  ASSERT_EQ(window.floors(), (std::vector<FloorEntry>{{false, 5}}));
  window.OpenFloor({false, 5});
  ui->ScriptFileOpen(dir.path() + "\\plan.bmp");
  window.LoadPlan();
  ASSERT_EQ(ui->file_dialogs().size(), 1u);
  EXPECT_EQ(ui->file_dialogs()[0].initial_directory, dir.path());
  EXPECT_EQ(stored("Faktor"), "300");  // as wide as the floor: 60 000 / 200 pixels
  EXPECT_EQ(window.view().plan_factor(), 300);

  window.ToggleVisible();
  EXPECT_FALSE(window.view().raster()->Visible());
  EXPECT_EQ(stored("Sichtbar"), platform::CStr(platform::Variant(false)));
  window.LoadPlan();  // cancelled: the plan stays as it was
  EXPECT_EQ(window.view().plan_factor(), 300);

  // A fitted placement that cannot be saved is said in the status bar, not thrown at Qt.
  const std::filesystem::path ini = platform::ToHostPath(RasterIniPath(dir.path()));
  std::filesystem::permissions(ini, std::filesystem::perms::owner_write,
                               std::filesystem::perm_options::remove);
  ui->ScriptFileOpen(dir.path() + "\\plan.bmp");
  window.LoadPlan();
  EXPECT_EQ(window.statusBar()->currentMessage().toStdString(),
            "cannot write '" + ini.string() + "': Permission denied");
  EXPECT_TRUE(ui->message_boxes().empty());

  std::ofstream(dir.File("bad.bmp")) << "BM, but no picture";
  ui->ScriptFileOpen(dir.path() + "\\bad.bmp");
  const auto plan = window.view().raster();
  window.LoadPlan();  // refused: the floor keeps its plan
  EXPECT_EQ(window.view().raster(), plan);
  EXPECT_FALSE(ui->message_boxes().empty());

  window.OpenFloor({false, 7});  // not in "Raster.ini": opened empty, and listed
  EXPECT_EQ(window.floors(), (std::vector<FloorEntry>{{false, 5}, {false, 7}}));
  EXPECT_EQ(window.view().raster(), nullptr);
}

// Each step leaves "Raster.ini" as a state before it did: undone changes come back byte for byte.
TEST(ViewerWindowTest, UndoAndRedoWriteTheFloorsSectionBackAsItWas) {
  qt::testing::TestApplication();
  testing::PlanDirectory dir;
  auto ui = std::make_shared<platform::RecordingUi>();
  const platform::ScopedUiServices scoped(ui);
  const auto ini = [&] {
    std::ifstream file(platform::ToHostPath(RasterIniPath(dir.path())), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
  };
  ViewerWindow window(dir.path(), {60000, 30000});
  window.OpenFloor({false, 5});
  std::vector<std::string> states{ini()};
  window.ToggleVisible();
  states.push_back(ini());
  ui->ScriptFileOpen(dir.path() + "\\plan.bmp");
  window.LoadPlan();
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
    (window.*step.step)();
    EXPECT_EQ(ini(), states[step.state]);
    EXPECT_EQ(window.view().raster()->Visible(), step.visible);
  }
  window.ToggleVisible();  // a new change: what was undone cannot come back
  window.RedoPlacement();
  EXPECT_EQ(ini(), states[0]);

  window.OpenFloor({false, 7});  // no section: undoing its first plan leaves it without one
  ui->ScriptFileOpen(dir.path() + "\\plan.bmp");
  window.LoadPlan();
  window.UndoPlacement();
  EXPECT_EQ(SharedGTool().GetIniString(RasterIniPath(dir.path()), "7", "Datei", ""), "");
  EXPECT_EQ(window.view().raster(), nullptr);

  // A file that does not take the step keeps it for later.
  const std::filesystem::path file = platform::ToHostPath(RasterIniPath(dir.path()));
  const std::string undone = ini();
  std::filesystem::permissions(file, std::filesystem::perms::owner_write,
                               std::filesystem::perm_options::remove);
  window.RedoPlacement();
  EXPECT_EQ(ini(), undone);
  EXPECT_TRUE(window.statusBar()->currentMessage().startsWith("Placement not changed: "));
  std::filesystem::permissions(file, std::filesystem::perms::owner_write, std::filesystem::perm_options::add);
  window.RedoPlacement();
  EXPECT_NE(window.view().raster(), nullptr);
}

}  // namespace
}  // namespace tessera::viewer
