#include "tessera/raster/dialogs/frm_trans.hpp"

#include <initializer_list>
#include <optional>

#include "tessera/frame/errors/error_styles.hpp"
#include "tessera/frame/shared/shared_objects.hpp"
#include "tessera/platform/locale/user_locale.hpp"
#include "tessera/platform/runtime/codepage.hpp"
#include "tessera/platform/runtime/convert.hpp"
#include "tessera/platform/runtime/format.hpp"
#include "tessera/platform/ui/ui.hpp"

namespace tessera {

namespace {

using platform::Variant;

constexpr int32_t kCaptionText = 13201;
constexpr int32_t kFactorLabelText = 1160;
constexpr int32_t kLengthLabelText = 1186;
constexpr int32_t kUnitText = 1197;
constexpr int32_t kCancelText = 1042;
constexpr int32_t kOkText = 1041;
constexpr int32_t kApplyText = 1061;
constexpr int32_t kScalePageText = 1217;
constexpr int32_t kShiftPageText = 1234;
constexpr int32_t kMoveToXText = 13202;
constexpr int32_t kMoveToYText = 13303;
// Where the window first appears, before its first activation puts it at the screen's corner.
constexpr platform::TwipsRect kWindow{1200, 1200, 6135, 1380};
constexpr double kSmallestLength = 0.0001;

std::string Text(int32_t id) {
  return frame::EnsureSharedResbankStrings().GetText(id);
}

// The first character of the user locale's decimal separator, looked up anew on every call.
char32_t DecimalSeparator() {
  const std::string& separator = platform::UserLocale().decimal_separator;
  std::size_t pos = 0;
  return separator.empty() ? 0 : platform::NextCodePoint(separator, pos);
}

// A lead byte always starts a code point as the text is read from its start, so a byte search
// for the UTF-8 form finds exactly the characters, at memory speed.
bool Contains(const std::string& text, char32_t wanted) {
  std::string form;
  platform::AppendUtf8(form, wanted);
  return text.find(form) != std::string::npos;
}

// Backspace, digits and one decimal separator pass; `minus_passes` decides the minus sign.
void FilterNumberKey(const std::string& text, int32_t& key, bool minus_passes) {
  if (key == platform::kKeyBack || (key >= '0' && key <= '9')) return;
  if (static_cast<char32_t>(key) == DecimalSeparator()) {
    if (Contains(text, DecimalSeparator())) key = 0;
    return;
  }
  if (key == '-' && minus_passes) return;
  key = 0;
}

void SignedFilter(const platform::TextField& field, int32_t& key) {
  const std::string& text = field.Text();
  const bool minus_passes = text.empty() || (field.SelStart() == 0 && !Contains(text, U'-'));
  FilterNumberKey(text, key, minus_passes);
}

// The text as a number by the user locale's rules; nullopt when it is not one.
std::optional<double> Number(const std::string& text) {
  return frame::EndQuietly<std::optional<double>>(
      [&](std::optional<double>& number) { number = platform::CDbl(Variant(text)); });
}

std::string Fixed(double value) {
  return platform::Format(Variant(value), "Fixed");
}

}  // namespace

frmTrans::frmTrans()
    : form("Raster-Datei transformieren", kWindow),
      SSTab1("SSTab1", {60, 60, 4512, 1272}, {"&Skalierung", "&Verschiebung"}, 1),
      Label0("Label(0)", {300, 420, 588, 192}, "Faktor:"),
      Label1("Label(1)", {312, 840, 576, 192}, "Länge:"),
      Label2("Label(2)", {1980, 840, 156, 192}, "m"),
      Label4("Label(4)", {2004, 420, 156, 192}, "m"),
      Label6("Label(6)", {2004, 780, 156, 192}, "m"),
      edFaktor("edFaktor", {1020, 360, 852, 288}),
      edLaenge("edLaenge", {1020, 780, 852, 288}),
      edDx("edDx", {1020, 360, 852, 288}),
      edDy("edDy", {1020, 720, 852, 288}),
      txMoveX("txMoveX", {612, 420, 300, 192}, "DX:"),
      txMoveY("txMoveY", {600, 780, 312, 192}, "DY:"),
      pbScale("pbScale", {2700, 360, 1632, 372}, "Ü&bernehmen"),
      pbShift("pbShift", {2700, 360, 1632, 372}, "Ü&bernehmen"),
      pbOk("pbOk", {4680, 60, 1392, 372}, "&Fertig"),
      pbCancel("pbCancel", {4680, 540, 1392, 372}, "&Abbrechen"),
      cbMoveMode("cbMoveMode", {2712, 840, 1632, 192}, "&Relativ", 1) {
  edLaenge.Enabled(false);
  pbScale.Enabled(false);
  pbShift.Enabled(false);
  pbOk.Enabled(false);
  pbOk.Default = true;
  pbCancel.Cancel = true;
  Register();
  Wire();
}

// In the keyboard's tab order, the tab control first.
void frmTrans::Register() {
  for (platform::Control* control : std::initializer_list<platform::Control*>{
           &SSTab1, &Label0, &Label1, &edFaktor, &edLaenge, &Label2, &pbScale, &txMoveX, &txMoveY, &edDx,
           &edDy, &Label4, &Label6, &pbShift, &cbMoveMode, &pbOk, &pbCancel}) {
    form.Add(*control);
  }
}

void frmTrans::Wire() {
  edDx.KeyPress = [this](int32_t& key) { SignedFilter(edDx, key); };
  edDy.KeyPress = [this](int32_t& key) { SignedFilter(edDy, key); };
  edFaktor.KeyPress = [this](int32_t& key) {
    frame::PassOver([&] { FilterNumberKey(edFaktor.Text(), key, false); });
  };
  edLaenge.KeyPress = [this](int32_t& key) {
    frame::PassOver([&] { FilterNumberKey(edLaenge.Text(), key, false); });
  };
  edDx.Change = edDy.Change = [this] { pbShift.Enabled(!edDx.Text().empty() && !edDy.Text().empty()); };
  edFaktor.Change = [this] {
    frame::PassOver([&] { pbScale.Enabled(!edFaktor.Text().empty()); },
                    [&] {
                      if (pbScale.Enabled()) pbScale.Enabled(platform::CDbl(Variant(edFaktor.Text())) != 0);
                    });
  };
  edLaenge.Change = KeptAlive(&frmTrans::LengthChanged);
  pbScale.OnClick = KeptAlive(&frmTrans::ApplyScale);
  pbShift.OnClick = KeptAlive(&frmTrans::ApplyShift);
  cbMoveMode.OnClick = KeptAlive(&frmTrans::MoveModeChanged);
  SSTab1.Change = [this](int16_t previous_tab) {
    const auto alive = weak_from_this().lock();
    PageChanged(previous_tab);
  };
  pbOk.OnClick = KeptAlive(&frmTrans::FinishOk);
  pbCancel.OnClick = KeptAlive(&frmTrans::FinishCancel);
  form.OnActivate = KeptAlive(&frmTrans::Activated);
  form.OnUnload = KeptAlive(&frmTrans::Unloaded);
}

// The owner may let the window go while one of its handlers runs (at a yield, or in its answer to
// an event); the handler keeps it alive to its end.
std::function<void()> frmTrans::KeptAlive(void (frmTrans::*handler)()) {
  return [this, handler] {
    const auto alive = weak_from_this().lock();
    (this->*handler)();
  };
}

template <typename... Params, typename... Args>
void frmTrans::Raise(std::string_view name, platform::EventArgs args,
                     void (frmTransEvents::*event)(Params...), Args&&... values) {
  if (owner_ == nullptr) return;  // a window its owner has let go of speaks to no one
  form.Notify(name, args);
  (owner_->*event)(std::forward<Args>(values)...);
}

// Failures reach the owner's call that loads the window.
void frmTrans::Load() {
  frame::EnsureSharedResbankStrings();
  f_dPrevDx = f_dPrevDy = f_dRasterLaenge = 0;
  f_bFirstActivate = true;
  f_bOk = false;
  form.Load();
  if (!Text(kCaptionText).empty()) ApplyResourceCaptions();
}

// Every caption takes its text, an empty one too, once the window's own text says the catalogue
// speaks for the dialog.
void frmTrans::ApplyResourceCaptions() {
  form.Caption(Text(kCaptionText));
  Label0.Caption(Text(kFactorLabelText));
  Label1.Caption(Text(kLengthLabelText));
  for (platform::Label* unit : {&Label2, &Label4, &Label6}) unit->Caption(Text(kUnitText));
  pbCancel.Caption(Text(kCancelText));
  pbOk.Caption(Text(kOkText));
  for (platform::Button* apply : {&pbScale, &pbShift}) apply->Caption(Text(kApplyText));
  SSTab1.TabCaption(0, Text(kScalePageText));
  SSTab1.TabCaption(1, Text(kShiftPageText));
}

void frmTrans::LengthChanged() {
  if (f_dRasterLaenge < 1) return;
  if (edLaenge.Text().empty()) {
    double factor = 0;
    frame::PassOver(
        [&] {
          Raise("GetZoomFactor", {{"dFactor", Variant(factor)}}, &frmTransEvents::GetZoomFactor, factor);
        },
        [] { platform::DoEvents(); }, [&] { edFaktor.Text(Fixed(factor)); });
    return;
  }
  double product = 0;
  frame::PassOver(
      [&] { product = platform::CDbl(Variant(edLaenge.Text())) * frame::SharedMensGlobal().UnitFactor(); },
      [&] { edFaktor.Text(product >= kSmallestLength ? Fixed(product / f_dRasterLaenge) : ""); });
}

void frmTrans::RasterLaenge(double d) {
  const auto alive = weak_from_this().lock();  // it yields, and its owner may let it go there
  frame::ReportLabelled("frmTrans.RasterLaenge", [&] {
    if (d < 1) {
      edLaenge.Text("");
      platform::DoEvents();
      edLaenge.Enabled(false);
      f_dRasterLaenge = d;
      return;
    }
    f_dRasterLaenge = d;
    if (edLaenge.Enabled()) {
      edLaenge.Text("");
    } else {
      edLaenge.Enabled(true);
    }
  });
}

void frmTrans::EnableMoveToEdits() {
  frame::ReportLabelled("frmTrans.EnableMoveToEdits", [&] {
    edDx.Enabled(true);
    edDy.Enabled(true);
  });
}

void frmTrans::ResetMoveToEdits() {
  frame::ReportLabelled("frmTrans.ResetMoveToEdits", [&] {
    edDx.Text("");
    edDy.Text("");
    edDx.Enabled(false);
    edDy.Enabled(false);
  });
}

void frmTrans::ApplyScale() {
  frame::PassOver([&] {
    const std::optional<double> factor = Number(edFaktor.Text());
    if (!factor || *factor <= 0) return;
    Raise("OnScale", {{"dFactor", Variant(*factor)}}, &frmTransEvents::OnScale, *factor);
    pbOk.Enabled(true);
  });
}

void frmTrans::ApplyShift() {
  frame::PassOver([&] {
    const std::optional<double> x = Number(edDx.Text());
    if (!x) return;
    const std::optional<double> y = Number(edDy.Text());
    if (!y) return;
    double dx = *x, dy = *y;
    if (cbMoveMode.Value() == 1) {
      dx -= f_dPrevDx;
      dy -= f_dPrevDy;
      f_dPrevDx = *x;
      f_dPrevDy = *y;
    } else {
      ResetMoveToEdits();
    }
    Raise("OnShift", {{"Dx", Variant(dx)}, {"Dy", Variant(dy)}}, &frmTransEvents::OnShift, dx, dy);
    pbOk.Enabled(true);
  });
}

void frmTrans::MoveModeChanged() {
  frame::ReportLabelled("frmTrans.cbMoveMode_Click", [&] {
    const bool relative = cbMoveMode.Value() == 1;
    if (relative) {
      edDx.Text(platform::Format(Variant(f_dPrevDx), "0.00"));
      edDy.Text(platform::Format(Variant(f_dPrevDy), "0.00"));
      edDx.Enabled(true);
      edDy.Enabled(true);
      txMoveX.Caption("DX:");
      txMoveY.Caption("DY:");
    } else {
      edDx.Text("");
      edDy.Text("");
      edDx.Enabled(false);
      edDy.Enabled(false);
      const bool from_catalogue = !Text(kMoveToXText).empty();
      txMoveX.Caption(from_catalogue ? Text(kMoveToXText) + ":" : "Nach X:");
      txMoveY.Caption(from_catalogue ? Text(kMoveToYText) + ":" : "Nach Y:");
    }
    pbShift.Enabled(!edDx.Text().empty() && !edDy.Text().empty());
    platform::DoEvents();
    Raise("OnMoveModeChg", {{"bRelative", Variant(relative)}}, &frmTransEvents::OnMoveModeChg, relative);
  });
}

void frmTrans::PageChanged(int16_t previous_tab) {
  frame::PassOver(
      [&] {
        if (previous_tab == 0 || cbMoveMode.Value() != 0) return;
        edDx.Text("");
        edDy.Text("");
        edDx.Enabled(false);
        edDy.Enabled(false);
      },
      [&] {
        if (previous_tab == 0 && edLaenge.Text().empty()) RasterLaenge(0);
      },
      [&] { Raise("TabChanged", {}, &frmTransEvents::TabChanged); });
}

void frmTrans::Activated() {
  if (!f_bFirstActivate) return;
  f_bFirstActivate = false;
  frame::PassOver([&] { SSTab1.Tab(0); },
                  [&] { form.SetWindowPos(platform::HWND_TOPMOST, 0, 0, 0, 0, platform::SWP_NOSIZE); });
}

void frmTrans::FinishOk() {
  f_bOk = true;
  Unload();
}

void frmTrans::FinishCancel() {
  f_bOk = false;
  Unload();
}

void frmTrans::Unloaded() {
  Raise("OnEndDlg", {{"bOk", Variant(f_bOk)}}, &frmTransEvents::OnEndDlg, f_bOk);
}

}  // namespace tessera
