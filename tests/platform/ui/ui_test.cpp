#include "tessera/platform/ui/ui.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "../runtime/error_number.hpp"
#include "support/temp_dir.hpp"
#include "tessera/platform/ui/failing_ui.hpp"
#include "tessera/platform/ui/recording_ui.hpp"

namespace tessera::platform {
namespace {

TEST(HeadlessUi, WritesEachMessageBoxAndBeepAsOneJsonLineAndAnswersTheFocusedButton) {
  std::ostringstream log;
  HeadlessUi ui(log);
  EXPECT_EQ(ui.MessageBox("Fehler\r\n\"C:\\Raster\\5.bmp\"", vbCritical, "Tessera"), vbOK);
  EXPECT_EQ(ui.MessageBox("Größe\x01", vbInformation, "Ü"), vbOK);
  ui.Beep();
  EXPECT_EQ(log.str(),
            "{\"msgbox\":{\"text\":\"Fehler\\r\\n\\\"C:\\\\Raster\\\\5.bmp\\\"\",\"style\":16,\"title\":"
            "\"Tessera\"}}\n"
            "{\"msgbox\":{\"text\":\"Größe\\u0001\",\"style\":64,\"title\":\"Ü\"}}\n{\"beep\":{}}\n");
  EXPECT_EQ(MessageBoxJson("a\xFF", 0, ""),  // malformed text still gives valid UTF-8
            "{\"msgbox\":{\"text\":\"a\xEF\xBF\xBD\",\"style\":0,\"title\":\"\"}}");
  const auto recording = std::make_shared<RecordingUi>();
  const ScopedUiServices scope(recording);
  Beep();
  EXPECT_EQ(recording->beeps(), 1);
  // Message boxes answer with the focused button.
  EXPECT_EQ(DefaultAnswer(vbOKOnly | vbCritical), vbOK);
  EXPECT_EQ(DefaultAnswer(vbYesNo | vbQuestion), vbYes);
  EXPECT_EQ(DefaultAnswer(vbYesNo | vbDefaultButton2), vbNo);
  EXPECT_EQ(DefaultAnswer(vbAbortRetryIgnore | vbDefaultButton3), vbIgnore);
  EXPECT_EQ(DefaultAnswer(vbRetryCancel), vbRetry);
}

TEST(HeadlessUi, FileDialogCancelsUnlessScriptedAndHonoursMustExist) {
  const tessera::testing::TempDir temp;
  const std::filesystem::path& dir = temp.path();
  tessera::testing::WriteBytes(dir / "plan.bmp", "x");
  HeadlessUi ui;
  const FileOpenRequest must_exist{.flags = kFileMustExist};
  EXPECT_EQ(ui.ShowFileOpen(must_exist), "");
  ui.ScriptFileOpen((dir / "plan.bmp").string());
  ui.ScriptFileOpen((dir / "missing.bmp").string());
  ui.ScriptFileOpen((dir / "missing.bmp").string());
  EXPECT_EQ(ui.ShowFileOpen(must_exist), (dir / "plan.bmp").string());
  EXPECT_EQ(ui.ShowFileOpen(must_exist), "");
  EXPECT_EQ(ui.ShowFileOpen(FileOpenRequest{}), (dir / "missing.bmp").string());
}

TEST(MessageQueue, RunsWhatWasPendingAndIsReentrantWithoutLoopingForever) {
  HeadlessUi ui;
  std::string order;
  ui.messages().Post([&] {
    order += 'a';
    ui.messages().Post([&] { order += 'c'; });  // waits for the next round
    ui.ProcessPendingMessages();                // runs 'b' now, from inside 'a'
  });
  ui.messages().Post([&] { order += 'b'; });
  ui.ProcessPendingMessages();
  EXPECT_EQ(order, "abc");
  EXPECT_EQ(ui.messages().Pending(), 0U);
  // A message that posts itself runs once a round.
  MessageQueue queue;
  int runs = 0;
  std::function<void()> again = [&] {
    ++runs;
    queue.Post(again);
  };
  queue.Post(again);
  queue.ProcessPending();
  queue.ProcessPending();
  EXPECT_EQ(runs, 2);
}

TEST(UiFacade, RoutesToTheInstalledServicesAndRestoresThem) {
  const auto before = CurrentUiServices();
  {
    auto recorder = std::make_shared<RecordingUi>();
    const ScopedUiServices scope(recorder);
    recorder->ScriptAnswer(vbNo);
    EXPECT_EQ(MsgBox("Weiter?", vbYesNo), vbNo);
    EXPECT_EQ(MsgBox("Fertig"), vbOK);
    SetScreenMousePointer(vbHourglass);
    SetScreenMousePointer(vbDefault);
    DoEvents();
    SetApplicationTitle("Facility");
    MsgBox("Eigener Titel", vbOKOnly, "Talmo");
    MsgBox("Titel des Hosts");
    SetApplicationTitle("Tessera");
    EXPECT_EQ((recorder->message_boxes()[0]), (MessageBoxCall{"Weiter?", vbYesNo, "Tessera"}));
    EXPECT_EQ(recorder->message_boxes()[2].title, "Talmo");
    EXPECT_EQ(recorder->message_boxes()[3].title, "Facility");
    EXPECT_EQ(recorder->message_boxes().size(), 4U);
    EXPECT_EQ(recorder->pointers(), (std::vector<int16_t>{vbHourglass, vbDefault}));
    EXPECT_EQ(recorder->pending_message_rounds(), 1);
    EXPECT_EQ(ShowFileOpen({.initial_directory = "C:\\Raster", .flags = kFileMustExist}), "");
    EXPECT_EQ(recorder->file_dialogs().at(0).initial_directory, "C:\\Raster");
  }
  EXPECT_EQ(CurrentUiServices(), before);
}

TEST(FailingUi, FailsTheArmedCallOnlyAsOftenAsAsked) {
  auto recorder = std::make_shared<RecordingUi>();
  FailingUi ui(recorder);
  ui.Fail(UiCall::kShowFileOpen, err::kOutOfMemory, 2);
  EXPECT_EQ(testing::ErrorNumberOf([&] { ui.ShowFileOpen({}); }), err::kOutOfMemory);
  EXPECT_EQ(testing::ErrorNumberOf([&] { ui.ShowFileOpen({}); }), err::kOutOfMemory);
  EXPECT_EQ(ui.ShowFileOpen({}), "");
  EXPECT_EQ(recorder->file_dialogs().size(), 1U);
  EXPECT_EQ(ui.MessageBox("x", vbOKOnly, "t"), vbOK);
}

}  // namespace
}  // namespace tessera::platform
