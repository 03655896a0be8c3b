// frmTrans: the modeless tool window through which the user scales and shifts the raster being
// edited, as a model without a toolkit. It filters and checks the input, keeps the running shift
// totals and the measured reference length, and reports every request to its owner through
// frmTransEvents; it never touches the raster itself.
//
// Life: construct, Connect the owner, Load (which may fail: the owner's call then fails), write
// the start texts, Show (the first activation puts page 0 in front and the window topmost at the
// screen's top-left corner), then the user's input, until Unload (by "&Fertig", "&Abbrechen",
// the close box or the owner) raises OnEndDlg once. An event handler may unload the window or
// drop its owner's reference: the window keeps itself alive until its own handler returns.
//
// Three steps yield to pending window messages: after GetZoomFactor (an emptied length field),
// between emptying and disabling the length field (RasterLaenge below 1), and before
// OnMoveModeChg. Every field is consistent at each of them.
#pragma once

#include <functional>
#include <memory>

#include "tessera/export.hpp"
#include "tessera/platform/runtime/object.hpp"
#include "tessera/platform/ui/form.hpp"

namespace tessera {

// The events the window raises to its owner, in their fixed order.
struct TESSERA_API frmTransEvents {
  virtual ~frmTransEvents() = default;
  // A factor greater than 0 is applied.
  virtual void OnScale(double /*dFactor*/) {}
  // A shift is applied: the increase since the last one (relative) or the target (absolute).
  virtual void OnShift(double /*Dx*/, double /*Dy*/) {}
  // The window unloads; `bOk` when the user finished with "&Fertig".
  virtual void OnEndDlg(bool /*bOk*/) {}
  virtual void OnMoveModeChg(bool /*bRelative*/) {}
  // The owner writes the raster's current scale factor into `dFactor` (0 on entry).
  virtual void GetZoomFactor(double& /*dFactor*/) {}
  virtual void TabChanged() {}
};

class TESSERA_API frmTrans : public platform::Object, public std::enable_shared_from_this<frmTrans> {
 public:
  frmTrans();
  std::string_view TypeName() const noexcept override { return "frmTrans"; }

  // The owner that receives the events; nullptr disconnects it.
  void Connect(frmTransEvents* owner) { owner_ = owner; }
  void Load();
  void Show() { form.Show(); }
  void Unload() { form.Unload(); }

  double RasterLaenge() const { return f_dRasterLaenge; }
  void RasterLaenge(double d);
  bool ShiftInputActive() const { return SSTab1.Tab() == 1; }
  void EnableMoveToEdits();
  void ResetMoveToEdits();

  // Public fields, read and written by the owner: the shift totals applied so far.
  double f_dPrevDx = 0;
  double f_dPrevDy = 0;

  // For views and inspection.
  bool FirstActivatePending() const { return f_bFirstActivate; }
  bool Ok() const { return f_bOk; }

  platform::Form form;
  platform::TabControl SSTab1;
  platform::Label Label0, Label1, Label2, Label4, Label6;
  platform::TextField edFaktor, edLaenge, edDx, edDy;
  platform::Label txMoveX, txMoveY;
  platform::Button pbScale, pbShift, pbOk, pbCancel;
  platform::CheckBox cbMoveMode;

 private:
  void Register();
  void Wire();
  void ApplyResourceCaptions();
  void LengthChanged();
  void ApplyScale();
  void ApplyShift();
  void MoveModeChanged();
  void PageChanged(int16_t previous_tab);
  void Activated();
  void FinishOk();
  void FinishCancel();
  void Unloaded();
  std::function<void()> KeptAlive(void (frmTrans::*handler)());

  // Tells the observer, then the owner; without an owner nothing is raised.
  template <typename... Params, typename... Args>
  void Raise(std::string_view name, platform::EventArgs args, void (frmTransEvents::*event)(Params...),
             Args&&... values);

  frmTransEvents* owner_ = nullptr;
  double f_dRasterLaenge = 0;
  bool f_bFirstActivate = true;
  bool f_bOk = false;
};

}  // namespace tessera
