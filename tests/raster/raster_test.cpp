#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "platform/picture/jpeg_builder.hpp"
#include "platform/runtime/error_number.hpp"
#include "scan_files.hpp"
#include "support/recorded_ui.hpp"
#include "support/temp_dir.hpp"
#include "tessera/bindings/raster_dispatch.hpp"
#include "tessera/platform/picture/picture_handles.hpp"
#include "tessera/platform/runtime/host_path.hpp"
#include "tessera/platform/surface/canvas.hpp"
#include "tessera/raster/crasterbgrd.hpp"
#include "tessera/tool/gtool.hpp"

namespace tessera {
namespace {

using platform::MessageBoxCall;
using platform::testing::ErrorNumberOf;
using tessera::testing::ReadBytes;
using tessera::testing::TempDir;
using tessera::testing::WriteBytes;

// A picture control, or a printer, that records the block transfers asked of it.
class RecordingControl : public platform::Canvas {
 public:
  explicit RecordingControl(std::string_view type = "PictureBox", int32_t twips_per_pixel = 15)
      : Canvas(8, 8, 0xFFFFFF, twips_per_pixel), type_(type) {}
  std::string_view TypeName() const noexcept override { return type_; }
  void PaintPicture(const platform::Picture& picture, float dl, float dt, float dw, float dh, float sl,
                    float st, float sw, float sh, uint32_t rop) override {
    calls.push_back({dl, dt, dw, dh, sl, st, sw, sh});
    widths.push_back(picture.width());
    EXPECT_EQ(rop, 13369376u);
  }
  std::vector<std::vector<float>> calls;
  std::vector<int32_t> widths;  // of the pictures drawn from

 private:
  std::string_view type_;
};

class RasterTest : public tessera::testing::RecordedUiTest {
 protected:
  void SetUp() override {
    ::setenv("TESSERA_RESBANK_PATH", texts_.path().c_str(), 1);  // no catalogue: the built-in texts
    ::setenv("LC_ALL", "de_DE.UTF-8", 1);
    std::filesystem::create_directories(directory_);
    WritePlan("plan.bmp", 2000, 1000);
  }
  void TearDown() override {
    ::unsetenv("TESSERA_RESBANK_PATH");
    ::unsetenv("LC_ALL");
  }

  // A white 1-bit plan of the given size.
  void WritePlan(const std::string& name, int32_t width, int32_t height) {
    const uint32_t palette[] = {0x000000, 0xFFFFFF};
    examples::WriteBmpFile(directory_ / name, width, height, 1, palette,
                           [](int32_t, std::span<uint8_t> row) { std::ranges::fill(row, 0xFF); });
  }
  void WriteIni(const std::string& text) { WriteBytes(directory_ / "Raster.ini", text); }
  std::string Ini() const { return ReadBytes(directory_ / "Raster.ini"); }

  TempDir texts_;
  TempDir root_;
  std::filesystem::path directory_ = root_.path() / "Proj" / "Raster";
  std::string dir_ = directory_.string();  // a host's own notation
  GTool tool_;
};

TEST_F(RasterTest, TheFactoryPlacesTheFloorsRasterFromItsSection) {
  std::filesystem::create_directories(root_.path() / "Scans");
  WritePlan("../../Scans/far.bmp", 10, 10);
  const std::string far = platform::ToLibraryPath(root_.path() / "Scans" / "far.bmp");
  WriteIni(
      "[5]\r\nDatei=plan.bmp\r\nDX=-120\r\nDY=48\r\nFaktor=12,5\r\nSichtbar=Wahr\r\n[6]\r\nDatei=" + far +
      "\r\nDX=0\r\nDY=0\r\nFaktor=1\r\n[7]\r\nDatei=plan.bmp\r\nDX=0\r\nDY=0\r\nFaktor=2\r\nSichtbar="
      "Falsch\r\n");
  const auto raster = tool_.RasterBgrdFromIni(5, 30000, dir_);
  ASSERT_NE(raster, nullptr);
  EXPECT_EQ(raster->Dx(), -120);
  EXPECT_EQ(raster->Dy(), 48);
  EXPECT_EQ(raster->Zoom(), 12);  // 12.5 to the even neighbour
  EXPECT_EQ(platform::PictureFromHandle(raster->hBitmap()), raster->picture()->Full());
  const auto elsewhere = tool_.RasterBgrdFromIni(6, 100, dir_);  // a file elsewhere keeps its full path
  ASSERT_NE(elsewhere, nullptr);
  EXPECT_EQ(elsewhere->FilePath(), far);
  EXPECT_TRUE(ui_->message_boxes().empty());

  const auto invisible = tool_.RasterBgrdFromIni(7, 100, dir_);  // loads its picture when made visible
  ASSERT_NE(invisible, nullptr);
  EXPECT_EQ(invisible->hBitmap(), 0);
  invisible->Visible(true);
  EXPECT_EQ(ui_->message_boxes(),
            (std::vector<MessageBoxCall>{{"Lade Rasterdatei \"plan.bmp\".", 64, "Rasterhintergrund"}}));
  EXPECT_EQ(ui_->pointers(), (std::vector<int16_t>{11, 0}));
  EXPECT_NE(invisible->hBitmap(), 0);
  EXPECT_NE(Ini().find("[7]\r\nDatei=plan.bmp\r\nDX=0\r\nDY=0\r\nFaktor=2\r\nSichtbar=Wahr"),
            std::string::npos);
}

TEST_F(RasterTest, MissingOrUnreadableKeysAndTheSecondKindsOwnSections) {
  WriteIni(
      "[1]\nDX=3\n[2]\nDatei=plan.bmp\n[3]\nDatei=plan.bmp\nDX=1\nDY=zwei\nFaktor=1\n[4]\nDatei=plan.bmp\nDX="
      "1\nDY=2\nFaktor=1\nSichtbar=vielleicht\n");
  EXPECT_EQ(tool_.RasterBgrdFromIni(1, 100, dir_), nullptr);  // no file: no raster, no message
  EXPECT_TRUE(ui_->message_boxes().empty());
  EXPECT_EQ(tool_.RasterBgrdFromIni(2, 100, dir_), nullptr);
  EXPECT_EQ(tool_.RasterBgrdFromIni(3, 100, dir_), nullptr);
  const MessageBoxCall unreadable{"Transformation konnte nicht gelesen werden!", 16, ""};
  EXPECT_EQ(ui_->message_boxes(), (std::vector<MessageBoxCall>{unreadable, unreadable}));
  const auto visible = tool_.RasterBgrdFromIni(4, 100, dir_);  // an unreadable Sichtbar counts as true
  ASSERT_NE(visible, nullptr);
  EXPECT_TRUE(visible->Visible());
  EXPECT_NE(visible->hBitmap(), 0);

  WriteIni("[12]\nDatei=plan.bmp\nDX=1\nDY=1\nFaktor=1\n[So12]\nDatei=plan.bmp\nDX=9\nDY=9\nFaktor=4\n");
  const auto level = tool_.RasterBgrdFromIniSo(12, 100, dir_);
  ASSERT_NE(level, nullptr);
  EXPECT_EQ(level->Dx(), 9);
  EXPECT_EQ(level->id(), level->EtId());
  level->ClearIni();
  EXPECT_NE(Ini().find("[12]\nDatei=plan.bmp\nDX=1"), std::string::npos);
  EXPECT_EQ(tool_.RasterBgrdFromIniSo(12, 100, dir_), nullptr);
}

TEST_F(RasterTest, CopyingAnEmptySectionOrClearIniAndEveryMemberThatSavesIntoAFileThatCannotTakeIt) {
  WriteIni(
      "[1]\r\nDatei=\r\n[2]\r\nDatei=old.bmp\r\nDX=5\r\n[3]\r\nDatei=plan.bmp\r\nDX=1\r\nDY=2\r\nFaktor="
      "3\r\n");
  const std::string before = Ini();
  tool_.RasterBgrdCopyIniData(1, 2, dir_);
  EXPECT_EQ(Ini(), before);
  tool_.RasterBgrdCopyIniData(3, 2, dir_);
  EXPECT_NE(Ini().find("[2]\r\nDatei=plan.bmp\r\nDX=1\r\nDY=2\r\nFaktor=3\r\nSichtbar=\r\n"),
            std::string::npos);

  const auto raster = tool_.RasterBgrdFromIni(3, 100, dir_);
  ASSERT_NE(raster, nullptr);
  raster->ClearIni();
  EXPECT_EQ(tool_.RasterBgrdFromIni(3, 100, dir_), nullptr);

  // Into a read-only "Raster.ini" every member that saves fails as its error style says, with one
  // message at most, and the file stays as it was: a section is written whole or not at all.
  WriteIni("[3]\r\nDatei=plan.bmp\r\nDX=1\r\nDY=2\r\nFaktor=3\r\n");
  const std::string unchanged = Ini();
  std::filesystem::permissions(directory_ / "Raster.ini", std::filesystem::perms::owner_write,
                               std::filesystem::perm_options::remove);
  const auto placed = tool_.RasterBgrdFromIni(3, 100, dir_);
  ASSERT_NE(placed, nullptr);
  const std::string denied = "\r\nPermission denied";
  const struct {
    const char* member;
    std::function<void()> call;
    int32_t passed_on;
    std::vector<MessageBoxCall> boxes;
  } cases[] = {
      {"Visible", [&] { placed->Visible(false); }, 0, {{"CRasterBgrd.Visible" + denied, 16, "Tessera"}}},
      {"ClearIni", [&] { placed->ClearIni(); }, platform::err::kPermissionDenied, {}},
      {"RasterBgrdCopyIniData",
       [&] { tool_.RasterBgrdCopyIniData(3, 4, dir_); },
       0,
       {{"GTool.RasterBgrdCopyIniData" + denied, 16, "Tessera"}}},
      {"GenTrans", [&] { placed->GenTrans(400); }, platform::err::kPermissionDenied, {}},
  };
  for (const auto& c : cases) {
    const std::size_t shown = ui_->message_boxes().size();
    EXPECT_EQ(ErrorNumberOf(c.call), c.passed_on) << c.member;
    EXPECT_EQ(std::vector<MessageBoxCall>(ui_->message_boxes().begin() + static_cast<std::ptrdiff_t>(shown),
                                          ui_->message_boxes().end()),
              c.boxes)
        << c.member;
    EXPECT_EQ(Ini(), unchanged) << c.member;
  }
  EXPECT_EQ(ErrorNumberOf([&] { placed->Dx(); }), platform::err::kObjectNotSet)
      << "GenTrans releases the placement it could not save";
}

TEST_F(RasterTest, GenTransFitsThePictureIntoTheFloor) {
  CRasterBgrd raster;
  std::string directory = dir_;
  ASSERT_TRUE(raster.LoadRasterFile(dir_ + "/plan.bmp", 5, 30000, true, directory));
  raster.GenTrans(40000);
  EXPECT_EQ(raster.Zoom(), 20);  // as wide as the floor
  EXPECT_NE(Ini().find("[5]\r\nDatei=plan.bmp\r\nDX=0\r\nDY=0\r\nFaktor=20\r\nSichtbar=Wahr\r\n"),
            std::string::npos)
      << Ini();

  ASSERT_TRUE(raster.LoadRasterFile(dir_ + "/plan.bmp", 5, 10000, true, directory));
  raster.GenTrans(40000);
  EXPECT_EQ(raster.Zoom(), 10);  // as high as the floor

  ASSERT_TRUE(raster.LoadRasterFile(dir_ + "/plan.bmp", 5, 0, true, directory));
  raster.GenTrans(40000);
  EXPECT_EQ(ErrorNumberOf([&] { raster.Dx(); }), platform::err::kObjectNotSet);  // a flat floor: no placement
  raster.SetTrans(1, 2, 3);
  EXPECT_EQ(ErrorNumberOf([&] { raster.GenTrans(0); }),
            platform::err::kOverflow);  // 0 / 0, as the runtime has it
  EXPECT_EQ(ErrorNumberOf([&] { raster.Dx(); }), platform::err::kObjectNotSet);
}

TEST_F(RasterTest, DrawCopiesOnlyTheClippedPartAndConvertsForThePrinter) {
  CRasterBgrd raster;
  std::string directory = dir_;
  ASSERT_TRUE(raster.LoadRasterFile(dir_ + "/plan.bmp", 5, 1000, true, directory));
  raster.SetTrans(0, 0, 10.0);  // world = pixel x 10
  auto control = std::make_shared<RecordingControl>();
  platform::ObjectRef pb = control;
  auto device = std::make_shared<mensura::MensTrans>();
  device->Factor(0.5);
  auto clip = std::make_shared<mensura::MensRect>();
  clip->Left(-1000), clip->Top(2000), clip->Right(5000), clip->Bottom(50000);
  raster.Draw(pb, device, clip);
  ASSERT_EQ(control->calls.size(), 1u);
  // Source: (-100, 200) - (500, 5000) clipped to (0, 200) - (500, 1000); destination x 10 x 0.5.
  EXPECT_EQ(control->calls[0], (std::vector<float>{0, 1000, 2500, 4000, 0, 200, 500, 800}));

  auto printer = std::make_shared<RecordingControl>("Printer", 6);
  platform::ObjectRef page = printer;
  raster.Draw(page, device, clip);  // the source edges in printer pixels: x 15 / 6
  ASSERT_EQ(printer->calls.size(), 1u);
  EXPECT_EQ(printer->calls[0], (std::vector<float>{0, 1000, 2500, 4000, 0, 500, 1250, 2000}));
  raster.Visible(false);
  std::shared_ptr<mensura::MensTrans> none;
  EXPECT_NO_THROW(raster.Draw(pb, none, clip));
  EXPECT_EQ(control->calls.size(), 1u);
}

// A large colour scan is drawn fitted from its picture at 1/8, and at 1:1 from its whole picture,
// the source rectangle in the pixels of the copy drawn from.
TEST_F(RasterTest, AScanIsDrawnFromTheCopyWithTheDetailTheViewNeeds) {
  const std::vector<uint8_t> scan = platform::testing::EncodeJpeg({2048, 1400});
  WriteBytes(directory_ / "scan.jpg", std::string(scan.begin(), scan.end()));
  CRasterBgrd raster;
  std::string directory = dir_;
  ASSERT_TRUE(raster.LoadRasterFile(dir_ + "/scan.jpg", 5, 1400, true, directory));
  EXPECT_EQ(raster.Width(), 2048);
  EXPECT_EQ(raster.Height(), 1400);
  raster.SetTrans(0, 0, 1.0);
  auto control = std::make_shared<RecordingControl>();
  platform::ObjectRef pb = control;
  auto device = std::make_shared<mensura::MensTrans>();
  auto clip = std::make_shared<mensura::MensRect>();
  for (const auto& [factor, right] : {std::pair{0.1, 2048}, {1.0, 100}}) {
    device->Factor(factor);
    clip->Right(right), clip->Bottom(right);
    raster.Draw(pb, device, clip);
  }
  EXPECT_EQ(control->widths, (std::vector<int32_t>{256, 2048}));
  ASSERT_EQ(control->calls.size(), 2u);
  EXPECT_EQ(control->calls[0], (std::vector<float>{0, 0, 205, 140, 0, 0, 256, 175}));
  EXPECT_EQ(control->calls[1], (std::vector<float>{0, 0, 100, 100, 0, 0, 100, 100}));
}

TEST_F(RasterTest, FilesThatAreNotBmpOrJpgAreRefusedAndACancelledFileDialogLoadsNothing) {
  WritePlan("plan.jpeg", 4, 4);
  CRasterBgrd raster;
  std::string directory = dir_;
  EXPECT_FALSE(raster.LoadRasterFile(dir_ + "/plan.jpeg", 5, 100, true, directory));
  EXPECT_EQ(ui_->message_boxes(),
            (std::vector<MessageBoxCall>{
                {"Ungültige Rasterdatei! - Es können nur BMP-  und JPG-Dateien gelesen werden.", 16, ""}}));
  EXPECT_EQ(raster.FilePath(), "");
  EXPECT_EQ(raster.Width(), 0);

  EXPECT_FALSE(raster.LoadRasterFile(dir_ + "/missing.bmp", 5, 100, true, directory));
  EXPECT_EQ(ui_->message_boxes().back(), (MessageBoxCall{"File not found", 16, "Talmo"}));

  CRasterBgrd cancelled;
  std::string initial = dir_;
  cancelled.Visible(false);
  EXPECT_FALSE(cancelled.LoadRasterFile("", 5, 100, false, initial));
  ASSERT_EQ(ui_->file_dialogs().size(), 1u);
  EXPECT_EQ(ui_->file_dialogs()[0].flags, 4096);
  EXPECT_EQ(ui_->file_dialogs()[0].initial_directory, dir_);
  EXPECT_EQ(ui_->file_dialogs()[0].filter, "Windows Bitmap (*.bmp) | *.bmp|JPEG - Format (*.jpg)|*.jpg");
  EXPECT_TRUE(cancelled.Visible());  // the one change a cancelled dialog makes
  EXPECT_EQ(cancelled.EtId(), 0);

  ui_->ScriptFileOpen(dir_ + "/plan.bmp");
  EXPECT_TRUE(cancelled.LoadRasterFile("", 5, 100, true, initial));
  EXPECT_EQ(cancelled.FilePath(), "plan.bmp");
}

// A host may keep a raster in a static of its own, made before the library's first use and so
// given up after the library's statics at exit. The death test runs in a fresh process, where
// that order is certain.
TEST_F(RasterTest, ARasterKeptInAHostsStaticEndsQuietlyAtExit) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(
      {
        static std::unique_ptr<CRasterBgrd> kept;
        kept = std::make_unique<CRasterBgrd>();
        std::string directory = dir_;
        if (!kept->LoadRasterFile(dir_ + "/plan.bmp", 5, 100, true, directory)) std::exit(1);
        std::exit(0);
      },
      ::testing::ExitedWithCode(0), "");
}

TEST(RasterDispatchTest, ArgumentsLeftOutOrMissingAnswerAsTheMembersDo) {
  const platform::ScopedUiServices quiet(std::make_shared<platform::RecordingUi>());
  CRasterBgrd raster;
  std::vector<platform::Variant> none;
  CRasterBgrdDispatch().Invoke(raster, "EditTrans", none);  // nothing loaded: no dialog
  EXPECT_FALSE(raster.EditTransActive());
  // A left-out directory is an empty one, whether the argument is absent or passed as missing.
  for (const auto& last : {std::vector<platform::Variant>{}, {platform::Variant::Missing()}}) {
    std::vector<platform::Variant> args{platform::Variant("a.png"), platform::Variant(1),
                                        platform::Variant(2), platform::Variant(true)};
    args.insert(args.end(), last.begin(), last.end());
    EXPECT_EQ(CRasterBgrdDispatch().Invoke(raster, "LoadRasterFile", args), platform::Variant(false));
  }
  EXPECT_EQ(CRasterBgrdDispatch().Invoke(raster, "RasterTransEditMode", none),
            platform::Variant(int32_t{rteNoEdit}));
}

}  // namespace
}  // namespace tessera
