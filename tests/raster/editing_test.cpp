// The transformation dialog's model and the raster's editing members. Typing, moving, scaling,
// OK and cancel run as scripted sessions of `tessera call --batch` (tests/apps); these cover what
// a script cannot reach: re-entrant calls at the yield points and the dialog's life against its
// owner's.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "frame/host_sink.hpp"
#include "platform/picture/bmp_builder.hpp"
#include "support/recorded_ui.hpp"
#include "support/temp_dir.hpp"
#include "tessera/bindings/class_bindings.hpp"
#include "tessera/frame/component/com_ids.hpp"
#include "tessera/frame/component/dispatch_object.hpp"
#include "tessera/platform/locale/user_locale.hpp"
#include "tessera/platform/surface/canvas.hpp"
#include "tessera/platform/ui/failing_ui.hpp"
#include "tessera/platform/ui/recording_ui.hpp"
#include "tessera/raster/crasterbgrd.hpp"

namespace tessera {
namespace {

using tessera::testing::ReadBytes;
using tessera::testing::TempDir;
using tessera::testing::WriteBytes;

TEST(frmTransTest, OnlyTheFirstActivationPlacesTheWindowAndShowsPageZero) {
  struct Pages : frmTransEvents {
    void TabChanged() override { ++changes; }
    int changes = 0;
  } owner;
  frmTrans dialog;
  dialog.Connect(&owner);
  dialog.Load();
  EXPECT_EQ(dialog.form.Position().left, 1200);
  dialog.Show();
  dialog.SSTab1.Tab(1);
  dialog.form.SetWindowPos(0, 10, 10, 0, 0, platform::SWP_NOSIZE);
  dialog.Show();  // shown again: activated again, placed no more
  EXPECT_EQ(owner.changes, 2);
  EXPECT_EQ(dialog.form.Position().left, 150);
  EXPECT_TRUE(dialog.ShiftInputActive());
}

TEST(frmTransTest, AYieldThatFailsIsPassedOverOrReportedUnderTheRulesLabel) {
  const platform::ScopedUserLocale german("de-DE");
  const auto recorder = std::make_shared<platform::RecordingUi>();
  const auto failing = std::make_shared<platform::FailingUi>(recorder);
  const platform::ScopedUiServices installed(failing);
  struct Owner : frmTransEvents {
    void GetZoomFactor(double& factor) override { factor = 12; }
    void OnMoveModeChg(bool) override { ++mode_changes; }
    int mode_changes = 0;
  } owner;
  const auto dialog = std::make_shared<frmTrans>();
  dialog->Connect(&owner);
  dialog->Load();
  dialog->RasterLaenge(300);
  dialog->edLaenge.TypeKey('2');
  failing->Fail(platform::UiCall::kProcessPendingMessages, 5, 3);
  dialog->RasterLaenge(0.5);  // the factor field's yield is passed over, the length's is reported
  EXPECT_EQ(dialog->edFaktor.Text(), "12,00");
  EXPECT_TRUE(dialog->edLaenge.Enabled());
  EXPECT_DOUBLE_EQ(dialog->RasterLaenge(), 300);
  dialog->cbMoveMode.Click();
  EXPECT_EQ(owner.mode_changes, 0);
  EXPECT_FALSE(dialog->edDx.Enabled());
  const std::string description = "\r\nInvalid procedure call or argument";
  EXPECT_EQ(recorder->message_boxes(), (std::vector<platform::MessageBoxCall>{
                                           {"frmTrans.RasterLaenge" + description, 16, "Tessera"},
                                           {"frmTrans.cbMoveMode_Click" + description, 16, "Tessera"}}));
}

class EditingTest : public tessera::testing::RecordedUiTest, public CRasterBgrdEvents {
 protected:
  void SetUp() override {
    ::setenv("TESSERA_RESBANK_PATH", texts_.path().c_str(), 1);  // the built-in texts
    const platform::testing::BmpLayout layout{40, 100,           50, 1,
                                              0,  {0, 0xFFFFFF}, {}, std::vector<uint8_t>(16 * 50, 0xFF)};
    const std::vector<uint8_t> bytes = platform::testing::BuildBmp(layout);
    WriteBytes(dir_.path() / "plan.bmp", std::string(bytes.begin(), bytes.end()));
    std::string directory = dir_.path().string();
    ASSERT_TRUE(raster_->LoadRasterFile(directory + "/plan.bmp", 5, 20000, true, directory));
    raster_->SetTrans(0, 0, 10);
    raster_->events().Attach(std::shared_ptr<CRasterBgrdEvents>(std::shared_ptr<void>(), this));
  }
  void TearDown() override { ::unsetenv("TESSERA_RESBANK_PATH"); }

  void TransChanged() override { log_.push_back("TransChanged"); }
  void TransEnd(bool saved) override { log_.push_back(saved ? "TransEnd(true)" : "TransEnd(false)"); }
  void GetPbAndTrans(platform::ObjectRef& pb, std::shared_ptr<mensura::MensTrans>& trans) override {
    log_.push_back("GetPbAndTrans");
    pb = canvas_;
    trans = view_;
  }

  frmTrans& Dialog() { return *raster_->TransDialog(); }
  void Click(int32_t x, int32_t y) { raster_->MouseDown(1, 0, x, y, canvas_, view_); }
  void Type(platform::TextField& field, const std::string& text) {
    field.Text("");
    for (const char key : text) field.TypeKey(key);
  }

  const platform::ScopedUserLocale locale_{"de-DE"};
  TempDir texts_;
  TempDir dir_;
  std::shared_ptr<CRasterBgrd> raster_ = std::make_shared<CRasterBgrd>();
  platform::ObjectRef canvas_ = std::make_shared<platform::Canvas>(64, 64);
  std::shared_ptr<mensura::MensTrans> view_ = std::make_shared<mensura::MensTrans>();
  std::vector<std::string> log_;
};

// OK on a placement that cannot be saved (a read-only file, a raster directory gone) ends unsaved,
// without a message: TransEnd(false), the placement kept in effect, and the reason kept for a host.
TEST_F(EditingTest, APlacementThatCannotBeSavedEndsUnsavedAndStaysInEffect) {
  WriteBytes(dir_.path() / "Raster.ini", "[5]\r\nDX=7\r\n");
  std::filesystem::permissions(dir_.path() / "Raster.ini", std::filesystem::perms::owner_write,
                               std::filesystem::perm_options::remove);
  const std::filesystem::path gone = dir_.path() / "gone";
  const std::string ini = (dir_.path() / "Raster.ini").string();
  for (const auto& [directory, reason] :
       {std::pair{dir_.path().string(), "cannot write '" + ini + "': Permission denied"},
        std::pair{gone.string(), "cannot write '" + (gone / "Raster.ini").string() + "': Path not found"}}) {
    std::string initial = directory;
    ASSERT_TRUE(raster_->LoadRasterFile((dir_.path() / "plan.bmp").string(), 5, 20000, true, initial));
    raster_->SetTrans(0, 0, 10);
    log_.clear();
    raster_->EditTrans();
    Dialog().SSTab1.ClickTab(1);
    Type(Dialog().edDx, "1");
    Dialog().pbShift.Click();
    Dialog().pbOk.Click();
    EXPECT_EQ(log_, (std::vector<std::string>{"TransChanged", "TransEnd(false)"}));
    EXPECT_EQ(raster_->Dx(), -100);
    EXPECT_EQ(raster_->SaveFailure(), reason);
  }
  EXPECT_TRUE(ui_->message_boxes().empty());
  EXPECT_EQ(ReadBytes(dir_.path() / "Raster.ini"), "[5]\r\nDX=7\r\n");
  raster_->EditTrans();
  Dialog().pbCancel.Click();
  EXPECT_EQ(raster_->SaveFailure(), "");
}

// A host that advised its sink at the raster's connection point sees the same events.
TEST_F(EditingTest, AHostSinkOnTheComponentRouteReceivesTheEvents) {
  const ClassBinding& binding = *FindClassBinding("CRasterBgrd");
  const frame::ClassFinder served_as_bound = [](const platform::Object& object) -> const frame::ServedClass* {
    const ClassBinding* found = FindClassBinding(object.TypeName());
    return found != nullptr ? &found->served : nullptr;
  };
  IDispatch* object = frame::NewDispatchObject(raster_, binding.served, served_as_bound);
  IConnectionPointContainer* container = nullptr;
  ASSERT_EQ(object->lpVtbl->QueryInterface(object, &IID_IConnectionPointContainer,
                                           reinterpret_cast<void**>(&container)),
            S_OK);
  const IID events = frame::ToIid(*binding.info.events_id);
  IConnectionPoint* point = nullptr;
  ASSERT_EQ(container->lpVtbl->FindConnectionPoint(container, &events, &point), S_OK);
  frame::testing::HostSink sink;
  uint32_t cookie = 0;
  ASSERT_EQ(point->lpVtbl->Advise(point, sink.unknown(), &cookie), S_OK);

  raster_->EditTrans();
  Dialog().SSTab1.ClickTab(1);
  Type(Dialog().edDx, "1");
  Dialog().pbShift.Click();
  raster_->Init();
  EXPECT_EQ(sink.ids, (std::vector<DISPID>{1, 2}));  // TransChanged, TransEnd(False)
  EXPECT_EQ(sink.saved, VARIANT_FALSE);

  point->lpVtbl->Unadvise(point, cookie);
  point->lpVtbl->Release(point);
  container->lpVtbl->Release(container);
  object->lpVtbl->Release(object);
}

TEST_F(EditingTest, AnInitAtAYieldPointLeavesNothingBehind) {
  raster_->EditTrans();
  Dialog().SSTab1.ClickTab(1);
  Dialog().cbMoveMode.Click();
  Click(10, 10);
  ui_->messages().Post([&] { raster_->Init(); });  // runs while OnShift waits for the host
  Type(Dialog().edDx, "1");
  Type(Dialog().edDy, "1");
  Dialog().pbShift.Click();
  EXPECT_FALSE(raster_->EditTransActive());
  EXPECT_EQ(raster_->Width(), 0);
  // The shift ignores what failed once the raster was emptied under it, and still announces itself.
  EXPECT_EQ(log_, (std::vector<std::string>{"GetPbAndTrans", "TransEnd(false)", "TransChanged"}));
  EXPECT_TRUE(ui_->message_boxes().empty());
}

// The band of a first point is drawn only once the mouse moves, and the second click erases it.
TEST_F(EditingTest, ARubberBandLeavesNoPixelBehind) {
  const auto& canvas = static_cast<const platform::Canvas&>(*canvas_);
  const std::vector<uint32_t> before = canvas.pixels();
  raster_->EditTrans();
  Click(10, 10);
  for (const auto& [x, y] : {std::pair{10, 10}, {20, 30}, {40, 5}, {40, 5}}) {
    raster_->MouseMove(1, 0, x, y, canvas_, view_);
  }
  EXPECT_NE(canvas.pixels(), before);
  Click(50, 50);
  EXPECT_EQ(canvas.pixels(), before);
  Dialog().form.PressKey(platform::FormKey::kEscape);
}

TEST_F(EditingTest, ASecondEditTransOnlyBringsTheOpenDialogForward) {
  raster_->EditTrans();
  const std::shared_ptr<frmTrans> first = raster_->TransDialog();
  Dialog().SSTab1.ClickTab(1);
  Type(Dialog().edDx, "2");
  Dialog().pbShift.Click();
  Dialog().cbMoveMode.Click();  // absolute: clicks pick points
  Click(100, 100);
  raster_->EditTrans();
  EXPECT_EQ(raster_->TransDialog(), first);
  EXPECT_EQ(Dialog().cbMoveMode.Value(), 0);
  EXPECT_TRUE(Dialog().ShiftInputActive());
  const int32_t shifted = raster_->Dx();
  Click(400, 100);                         // the point picked before the call is still pending
  EXPECT_EQ(raster_->Dx(), shifted - 30);  // 300 logical units at factor 10
  Dialog().form.PressKey(platform::FormKey::kEscape);
  EXPECT_EQ(raster_->Dx(), 0);  // as before the first call
  EXPECT_EQ(log_, (std::vector<std::string>{"TransChanged", "TransChanged", "TransEnd(false)"}));
}

}  // namespace
}  // namespace tessera
