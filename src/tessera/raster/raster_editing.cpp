// Interactive editing of a raster's placement: the transformation dialog's events and the host's
// mouse input, in the floor's logical coordinates.
//
// The dialog's numbers are typed units, its Y axis runs opposite to the floor's (typed_units.hpp):
// a dialog point y is the logical m_lEtHeight - y * u, a dialog shift DY the logical -DY * u.
// Handlers that ask the host for its control yield to pending messages, where the host may call
// back into this object (even Init): every step therefore checks the members it needs anew.
#include "tessera/draw/reset_or_create.hpp"
#include "tessera/frame/errors/error_styles.hpp"
#include "tessera/frame/shared/shared_objects.hpp"
#include "tessera/platform/runtime/checked.hpp"
#include "tessera/platform/runtime/error.hpp"
#include "tessera/platform/runtime/format.hpp"
#include "tessera/platform/runtime/host_path.hpp"
#include "tessera/platform/ui/ui.hpp"
#include "tessera/raster/raster_background.hpp"
#include "tessera/raster/typed_units.hpp"

namespace tessera {

// While editing, a second call brings the open dialog forward and changes nothing else: Cancel
// still restores the placement from before the first call, and the shift mode, the page and a
// pending point stay as they are.
void RasterBackground::EditTrans() {
  if (hBitmap() == 0) return;
  if (m_TransDlg) {
    frame::PassOn([&] { m_TransDlg->Show(); });
    return;
  }
  frame::PassOn(
      [&] {
        m_TransOld = std::make_shared<mensura::MensTrans>();
        m_TransOld->CopyFrom(Checked(m_Trans));
        m_TransDlg = std::make_shared<frmTrans>();
        m_TransDlg->Connect(this);
        m_TransDlg->Load();
        m_TransDlg->edFaktor.Text(platform::Format(platform::Variant(m_Trans->Factor()), "Fixed"));
        m_TransDlg->edLaenge.Text("");
        m_TransDlg->edDx.Text("0");
        m_TransDlg->edDy.Text("0");
        m_TransDlg->Show();
        platform::DoEvents();
      },
      [&] {
        CloseTransDialog();
        m_TransOld.reset();
      });
}

void RasterBackground::ShowTransDlg() {
  frame::PassOver([&] {
    if (m_TransDlg) m_TransDlg->Show();
  });
}

void RasterBackground::CloseTransDialog() {
  if (!m_TransDlg) return;
  const auto dialog = m_TransDlg;
  dialog->Unload();
  dialog->Connect(nullptr);
  m_TransDlg.reset();
}

void RasterBackground::MouseDown(int16_t, int16_t, int32_t lLogX, int32_t lLogY,
                                 const platform::ObjectRef& PCtrl,
                                 const std::shared_ptr<mensura::MensTrans>& Trans) {
  if (!m_TransDlg) return;
  frame::ReportLabelled(Label("MouseDown"), [&] {
    if (m_bRelative && m_TransDlg->ShiftInputActive()) return;  // a relative shift is only typed
    if (!m_Line) {
      auto line = std::make_shared<CDrawLine>();
      line->m_P0()->X(lLogX);
      line->m_P0()->Y(lLogY);
      line->m_P1()->CopyFrom(*line->m_P0());
      m_Line = std::move(line);
      if (m_TransDlg->ShiftInputActive()) m_TransDlg->EnableMoveToEdits();
      return;
    }
    m_Line->Draw(PCtrl, Trans);
    int32_t dx = platform::CheckedSub(lLogX, Checked(m_Line->m_P0()).X());
    int32_t dy = platform::CheckedSub(m_Line->m_P0()->Y(), lLogY);
    m_Line.reset();
    if (Checked(m_TransDlg).ShiftInputActive()) {
      m_TransDlg_OnShift(LogicalToTyped(dx), LogicalToTyped(dy));
    } else {
      Checked(m_Trans).InverseDelta(dx, dy);
      m_TransDlg->RasterLaenge(frame::SharedMensGlobal().Length(dx, dy));
    }
    Checked(m_TransDlg).pbOk.Enabled(true);
  });
}

void RasterBackground::MouseMove(int16_t, int16_t, int32_t lLogX, int32_t lLogY,
                                 const platform::ObjectRef& PCtrl,
                                 const std::shared_ptr<mensura::MensTrans>& Trans) {
  if (!m_TransDlg || !m_Line) return;
  frame::PassOver(
      [&] { Checked(m_Line).Draw(PCtrl, Trans); }, [&] { Checked(Checked(m_Line).m_P1()).X(lLogX); },
      [&] { Checked(Checked(m_Line).m_P1()).Y(lLogY); }, [&] { Checked(m_Line).Draw(PCtrl, Trans); });
}

void RasterBackground::m_TransDlg_GetZoomFactor(double& dFactor) {
  frame::ReportLabelled(Label("m_TransDlg_GetZoomFactor"), [&] { dFactor = Checked(m_Trans).Factor(); });
}

void RasterBackground::m_TransDlg_OnScale(double dFactor) {
  frame::PassOver([&] { Checked(m_Trans).Factor(dFactor); },
                  [&] { events_.Raise(&RasterEvents::TransChanged); });
}

// A subtraction that overflows leaves the value it would have changed as it was.
void RasterBackground::m_TransDlg_OnShift(double dX, double dY) {
  int32_t lDx = 0, lDy = 0;
  const bool point_pending = m_Line != nullptr;
  platform::ObjectRef pb;
  std::shared_ptr<mensura::MensTrans> trans;
  frame::PassOver([&] { lDx = TypedToLogical(dX); }, [&] { lDy = TypedToLogical(dY); });
  if (point_pending) {
    frame::PassOver(
        [&] { events_.Raise(&RasterEvents::GetPbAndTrans, pb, trans); }, [] { platform::DoEvents(); },
        [&] {
          if (pb && trans) Checked(m_Line).Draw(pb, trans);
        },
        [&] { lDx = platform::CheckedSub(lDx, Checked(Checked(m_Line).m_P0()).X()); },
        [&] { lDy = platform::CheckedSub(FlipY(m_lEtHeight, lDy), Checked(Checked(m_Line).m_P0()).Y()); },
        [&] { m_Line.reset(); });
  } else {
    frame::PassOver([&] { lDy = platform::CheckedSub(0, lDy); });
  }
  frame::PassOver([&] { Checked(m_Trans).InverseDelta(lDx, lDy); },
                  [&] {
                    mensura::MensTrans& trans = Checked(m_Trans);
                    trans.Dx(platform::CheckedSub(trans.Dx(), lDx));
                  },
                  [&] {
                    mensura::MensTrans& trans = Checked(m_Trans);
                    trans.Dy(platform::CheckedSub(trans.Dy(), lDy));
                  },
                  [&] { events_.Raise(&RasterEvents::TransChanged); });
}

void RasterBackground::m_TransDlg_OnMoveModeChg(bool bRelative) {
  frame::ReportLabelled(Label("m_TransDlg_OnMoveModeChg"), [&] {
    m_bRelative = bRelative;
    DropPendingPoint();
  });
}

void RasterBackground::m_TransDlg_TabChanged() {
  frame::ReportLabelled(Label("m_TransDlg_TabChanged"), [&] { DropPendingPoint(); });
}

void RasterBackground::DropPendingPoint() {
  if (!m_Line) return;
  platform::ObjectRef pb;
  std::shared_ptr<mensura::MensTrans> trans;
  events_.Raise(&RasterEvents::GetPbAndTrans, pb, trans);
  platform::DoEvents();
  if (pb && trans) Checked(m_Line).Draw(pb, trans);
  m_Line.reset();
}

void RasterBackground::m_TransDlg_OnEndDlg(bool bOk) {
  bool failed = false;
  const auto step = [&failed](auto&& body) { frame::EndQuietly([&] { body(); }, [&] { failed = true; }); };
  step([&] {
    if (m_TransDlg) m_TransDlg->Connect(nullptr);
    m_TransDlg.reset();
  });
  save_failure_.clear();
  if (bOk) {
    // A placement that cannot be saved stays in effect; the host hears of it only as TransEnd's
    // false, and SaveFailure keeps why. The clean-up runs while the error is being handled.
    frame::EndQuietly([&] { WriteIni(); },
                      [&] {
                        failed = true;
                        save_failure_ = "cannot write '" + platform::ToHostPath(IniFile()).string() +
                                        "': " + platform::ToRuntimeError().description();
                      });
  } else {
    step([&] { Checked(m_Trans).CopyFrom(Checked(m_TransOld)); });
  }
  const bool saved = bOk && !failed;
  m_TransOld.reset();
  m_Line.reset();
  m_bRelative = true;
  events_.Raise(&RasterEvents::TransEnd, saved);
}

}  // namespace tessera
