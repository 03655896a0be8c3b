#include "tessera/raster/raster_background.hpp"

#include <algorithm>
#include <cmath>
#include <optional>

#include "tessera/draw/reset_or_create.hpp"
#include "tessera/frame/errors/error_styles.hpp"
#include "tessera/frame/shared/shared_objects.hpp"
#include "tessera/platform/runtime/convert.hpp"
#include "tessera/platform/runtime/host_path.hpp"
#include "tessera/platform/runtime/text_case.hpp"
#include "tessera/platform/surface/printer.hpp"
#include "tessera/platform/ui/ui.hpp"
#include "tessera/raster/dialogs/frm_load_picture.hpp"
#include "tessera/raster/raster_settings.hpp"
#include "tessera/tool/gtool.hpp"

namespace tessera {

namespace {

using platform::Variant;

constexpr std::string_view kHostTitle = "Talmo";
constexpr int32_t kInvalidFileText = 13002;
constexpr int32_t kLoadingTitleText = 1211;
constexpr int32_t kLoadingLeadText = 1301;
constexpr uint32_t kPlainCopy = 13369376;

std::string Text(int32_t id) {
  return frame::EnsureSharedResbankStrings().GetText(id);
}

// A division of the host runtime: x / 0 is error 11, and 0 / 0 error 6.
double Divide(int32_t numerator, int32_t denominator) {
  if (denominator == 0)
    platform::Raise(numerator == 0 ? platform::err::kOverflow : platform::err::kDivisionByZero);
  return static_cast<double>(numerator) / denominator;
}

void ShowInvalidFile() {
  const std::string text = Text(kInvalidFileText);
  if (!text.empty()) {
    platform::MsgBox(text, platform::vbCritical, kHostTitle);
    return;
  }
  platform::MsgBox("Ungültige Rasterdatei! - Es können nur BMP-  und JPG-Dateien gelesen werden.",
                   platform::vbCritical, "");
}

void ShowLoading(const std::string& file_path) {
  const std::string title = Text(kLoadingTitleText);
  if (!title.empty()) {
    platform::MsgBox(Text(kLoadingLeadText) + " '" + file_path + "'.", platform::vbInformation, title);
    return;
  }
  platform::MsgBox("Lade Rasterdatei \"" + file_path + "\".", platform::vbInformation, "Rasterhintergrund");
}

// A source edge in screen pixels as printer pixels.
int32_t ToPrinterPixels(int32_t edge, int32_t screen_twips, int32_t printer_twips) {
  return frame::SharedMensGlobal().RoundToLong(static_cast<double>(screen_twips) * edge / printer_twips);
}

// Picture pixels per device pixel along the axis that shrinks least; a view too small to measure
// needs no detail.
double Shrink(const mensura::MensRect& source, const mensura::MensRect& dest) {
  const auto ratio = [](int32_t from, int32_t to) {
    return to == 0 ? HUGE_VAL : std::abs(static_cast<double>(from) / to);
  };
  return std::min(ratio(source.Width(), dest.Width()), ratio(source.Height(), dest.Height()));
}

}  // namespace

RasterBackground::RasterBackground(const RasterFlavour& flavour) : flavour_(flavour) {
  frame::EnsureSharedResbankStrings();
  Init();
}

RasterBackground::~RasterBackground() {
  frame::PassOver([&] { Init(); });
}

int32_t RasterBackground::Dx() const {
  return Checked(m_Trans).Dx();
}

int32_t RasterBackground::Dy() const {
  return Checked(m_Trans).Dy();
}

int32_t RasterBackground::Zoom() const {
  return platform::CLng(Variant(Checked(m_Trans).Factor()));
}

std::string RasterBackground::FilePath() const {
  return frame::EndQuietly<std::string>(
      [&](std::string& path) { path = m_bInRasterDir ? SharedGTool().DateiName(m_stFile) : m_stFile; });
}

bool RasterBackground::EditTransActive() const {
  return m_TransDlg != nullptr;
}

RasterTransEditModeConst RasterBackground::RasterTransEditMode() const {
  return frame::ReportLabelled<RasterTransEditModeConst>(
      Label("RasterTransEditMode"), [&](RasterTransEditModeConst& mode) {
        mode = rteNoEdit;
        if (m_TransDlg) mode = m_TransDlg->ShiftInputActive() ? rteShift : rteScale;
      });
}

void RasterBackground::Visible(bool b) {
  frame::ReportLabelled(Label("Visible"), [&] {
    if (const std::string file_path = FilePath(); b && hBitmap() == 0 && !file_path.empty()) {
      ShowLoading(file_path);
      platform::SetScreenMousePointer(platform::vbHourglass);
      platform::DoEvents();
      LoadRasterPicture();
      platform::SetScreenMousePointer(platform::vbDefault);
    }
    m_bVisible = b;
    WriteIni();
  });
}

void RasterBackground::Init() {
  frame::PassOn([&] {
    m_bVisible = true;
    CloseTransDialog();
    m_bRelative = true;
    m_Line.reset();
    m_TransOld.reset();
    m_Trans.reset();
    m_Picture = platform::HeldPicture();
    m_stFile.clear();
    m_lHeight = m_lWidth = m_lEtHeight = m_lEtId = 0;
  });
}

bool RasterBackground::LoadRasterFile(const std::string& stFile, int32_t lId, int32_t lHeight,
                                      bool bVisible) {
  std::string no_directory;
  return LoadRasterFile(stFile, lId, lHeight, bVisible, no_directory);
}

bool RasterBackground::LoadRasterFile(const std::string& stFile, int32_t lId, int32_t lHeight, bool bVisible,
                                      std::string& stInitDir) {
  std::unique_ptr<frmLoadPicture> picker;
  std::string file = platform::ToLibraryPath(stFile);
  const bool ask = file.empty();
  frame::PassOver([&] { picker = std::make_unique<frmLoadPicture>(); },
                  [&] {
                    if (!ask) return;
                    picker->FileOpenDlg.InitDir = stInitDir;
                    picker->FileOpenDlg.FileName.clear();
                    picker->FileOpenDlg.Flags = platform::kFileMustExist;
                    picker->FileOpenDlg.ShowOpen();
                  },
                  [&] {
                    if (ask) file = platform::ToLibraryPath(picker->FileOpenDlg.FileName);
                  },
                  [&] {
                    if (ask) platform::DoEvents();
                  },
                  [&] {
                    if (ask) m_bVisible = true;
                  },
                  [&] { picker.reset(); });
  return frame::ReportPlain<bool>(
      kHostTitle,
      [&](bool& loaded) {
        if (file.empty()) return;
        Init();
        m_lEtId = lId;
        m_lEtHeight = lHeight;
        m_stRasterDir = platform::ToLibraryPath(stInitDir) + "\\";
        m_stFile = file;
        m_bInRasterDir = SharedGTool().Pfad(m_stFile) == m_stRasterDir;
        m_bVisible = bVisible;
        loaded = m_bVisible ? LoadRasterPicture() : true;
        if (!loaded) Init();
      },
      [&] {
        picker.reset();
        Init();
      });
}

bool RasterBackground::LoadRasterPicture() {
  const std::string extension = platform::UCase(SharedGTool().Kennung(m_stFile));
  if (extension != "BMP" && extension != "JPG") {
    ShowInvalidFile();
    return false;
  }
  std::unique_ptr<frmLoadPicture> picker;
  frame::PassOn(
      [&] {
        picker = std::make_unique<frmLoadPicture>();
        picker->MainPicture.LoadPicture(m_stFile);
        m_Picture = platform::HeldPicture(picker->MainPicture.Picture);
        m_lHeight = picker->MainPicture.ScaleHeight();
        m_lWidth = picker->MainPicture.ScaleWidth();
        picker->MainPicture.Picture.reset();
        picker.reset();
      },
      [&] { picker.reset(); });
  return true;
}

void RasterBackground::GenTrans(int32_t lLogWidth) {
  if (hBitmap() == 0) return;
  frame::PassOn(
      [&] {
        m_Trans.reset();
        const double r1 = Divide(m_lEtHeight, lLogWidth);
        const double r2 = Divide(m_lHeight, m_lWidth);
        if (r1 < 0.0001 || r2 < 0.0001) return;
        auto trans = std::make_shared<mensura::MensTrans>();
        trans->Dx(0);
        trans->Dy(0);
        trans->Factor(r2 - r1 <= 0 ? Divide(lLogWidth, m_lWidth) : Divide(m_lEtHeight, m_lHeight));
        m_Trans = std::move(trans);
        WriteIni();
      },
      [&] { m_Trans.reset(); });
}

void RasterBackground::SetTrans(int32_t lDx, int32_t lDy, double dFactor) {
  if (!m_Trans) m_Trans = std::make_shared<mensura::MensTrans>();
  m_Trans->Dx(lDx);
  m_Trans->Dy(lDy);
  m_Trans->Factor(dFactor);
}

void RasterBackground::Draw(const platform::ObjectRef& Ctrl, const std::shared_ptr<mensura::MensTrans>& Trans,
                            const std::shared_ptr<mensura::MensRect>& LogClipRect) {
  if (hBitmap() == 0 || !m_Trans || !m_bVisible) return;
  mensura::MensRect source, dest;
  platform::DrawablePicture drawn;  // the copy of the picture with the detail the view needs
  frame::PassOver(
      [&] { source.CopyFrom(Checked(LogClipRect)); }, [&] { m_Trans->InverseRect(source); },
      [&] {
        if (source.Left() < 0) source.Left(0);
      },
      [&] {
        if (source.Top() < 0) source.Top(0);
      },
      [&] {
        if (source.Right() > m_lWidth) source.Right(m_lWidth);
      },
      [&] {
        if (source.Bottom() > m_lHeight) source.Bottom(m_lHeight);
      },
      [&] { dest.CopyFrom(source); }, [&] { m_Trans->TransformRect(dest); },
      [&] { Checked(Trans).TransformRect(dest); },
      [&] { drawn = m_Picture.picture()->ForDrawing(Shrink(source, dest)); },
      [&] {
        if (Checked(Ctrl).TypeName() != "Printer") return;
        const auto& printer = dynamic_cast<const platform::PictureControl&>(*Ctrl);
        const int32_t screen_x = platform::Screen::TwipsPerPixelX();
        const int32_t screen_y = platform::Screen::TwipsPerPixelY();
        source.Left(ToPrinterPixels(source.Left(), screen_x, printer.TwipsPerPixelX()));
        source.Top(ToPrinterPixels(source.Top(), screen_y, printer.TwipsPerPixelY()));
        source.Right(ToPrinterPixels(source.Right(), screen_x, printer.TwipsPerPixelX()));
        source.Bottom(ToPrinterPixels(source.Bottom(), screen_y, printer.TwipsPerPixelY()));
      },
      [&] {
        if (!drawn.picture) return;
        const auto control = platform::ObjectAs<platform::PictureControl>(Ctrl);
        const auto across = [&](int32_t edge) { return static_cast<float>(edge * drawn.scale_x); };
        const auto down = [&](int32_t edge) { return static_cast<float>(edge * drawn.scale_y); };
        control->PaintPicture(*drawn.picture, static_cast<float>(dest.Left()), static_cast<float>(dest.Top()),
                              static_cast<float>(dest.Width()), static_cast<float>(dest.Height()),
                              across(source.Left()), down(source.Top()), across(source.Width()),
                              down(source.Height()), kPlainCopy);
      },
      [&] { platform::DoEvents(); });
}

void RasterBackground::WriteIni() {
  if (hBitmap() == 0 || !m_Trans) return;
  WriteRasterSection(IniFile(), Section(),
                     {FilePath(), platform::CStr(Variant(Dx())), platform::CStr(Variant(Dy())),
                      platform::CStr(Variant(m_Trans->Factor())), platform::CStr(Variant(m_bVisible))});
}

void RasterBackground::ClearIni() {
  WriteRasterSection(IniFile(), Section(), {});
}

std::string RasterBackground::Label(std::string_view member) const {
  return std::string(flavour_.class_name) + "." + std::string(member);
}

std::string RasterBackground::Section() const {
  return RasterSectionName(flavour_.section_prefix, m_lEtId);
}

std::string RasterBackground::IniFile() const {
  return m_stRasterDir + std::string(kRasterIniFile);
}

}  // namespace tessera
