// What CRasterBgrd and CRasterBgrdSo share: a scanned plan placed on one level of the building,
// loaded, fitted, drawn and kept in the raster directory's settings file.
//
// The two classes differ only in their name (the labels of their reports) and in the settings
// section they use ("5" for floor 5, "So5" for level 5 of the second kind). Paths are kept in the
// library's notation: a host may pass "/srv/proj/Raster" or "C:\Proj\Raster" alike.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>

#include "tessera/draw/cdraw_line.hpp"
#include "tessera/export.hpp"
#include "tessera/frame/catalogue/enumerations.hpp"
#include "tessera/frame/companions/mensura/mens_rect.hpp"
#include "tessera/frame/companions/mensura/mens_trans.hpp"
#include "tessera/frame/events/event_source.hpp"
#include "tessera/platform/picture/picture_handles.hpp"
#include "tessera/raster/dialogs/frm_trans.hpp"
#include "tessera/raster/raster_events.hpp"

namespace tessera {

struct TESSERA_API RasterFlavour {
  std::string_view class_name;      // "CRasterBgrd"
  std::string_view section_prefix;  // "" or kSecondKindPrefix
};

class TESSERA_API RasterBackground : public platform::Object,
                                     public std::enable_shared_from_this<RasterBackground>,
                                     private frmTransEvents {
 public:
  ~RasterBackground() override;
  RasterBackground(const RasterBackground&) = delete;
  RasterBackground& operator=(const RasterBackground&) = delete;

  // Reading these before a transformation exists is error 91 for the caller.
  int32_t Dx() const;
  int32_t Dy() const;
  int32_t Zoom() const;  // the factor rounded, halves to even

  int32_t EtId() const { return m_lEtId; }
  int32_t EtHeight() const { return m_lEtHeight; }
  int32_t Height() const { return m_lHeight; }
  int32_t Width() const { return m_lWidth; }
  int32_t hBitmap() const { return m_Picture.handle(); }
  std::string FilePath() const;
  bool EditTransActive() const;
  bool Visible() const { return m_bVisible; }
  void Visible(bool b);
  RasterTransEditModeConst RasterTransEditMode() const;

  void Init();
  bool LoadRasterFile(const std::string& stFile, int32_t lId, int32_t lHeight, bool bVisible,
                      std::string& stInitDir);
  bool LoadRasterFile(const std::string& stFile, int32_t lId, int32_t lHeight, bool bVisible);
  void GenTrans(int32_t lLogWidth);
  void SetTrans(int32_t lDx, int32_t lDy, double dFactor);
  void Draw(const platform::ObjectRef& Ctrl, const std::shared_ptr<mensura::MensTrans>& Trans,
            const std::shared_ptr<mensura::MensRect>& LogClipRect);
  // Empties the five keys of the section in one rewrite; a file that cannot take it raises.
  void ClearIni();

  // Interactive editing: the transformation dialog and the mouse in the floor's logical
  // coordinates. `iButton` and `iShift` are accepted and not used: every button counts.
  void EditTrans();
  void ShowTransDlg();
  void MouseDown(int16_t iButton, int16_t iShift, int32_t lLogX, int32_t lLogY,
                 const platform::ObjectRef& PCtrl, const std::shared_ptr<mensura::MensTrans>& Trans);
  void MouseMove(int16_t iButton, int16_t iShift, int32_t lLogX, int32_t lLogY,
                 const platform::ObjectRef& PCtrl, const std::shared_ptr<mensura::MensTrans>& Trans);

  frame::EventSource<RasterEvents>& events() { return events_; }
  // The picture file while one is loaded, else nullptr.
  const std::shared_ptr<platform::LoadedPicture>& picture() const { return m_Picture.picture(); }
  // The open transformation dialog, for views and inspection; nullptr while not editing.
  const std::shared_ptr<frmTrans>& TransDialog() const { return m_TransDlg; }
  // Why the last end of the dialog with OK could not save the placement, naming the settings file
  // ("cannot write '/p/Raster/Raster.ini': Permission denied"); "" after a save or a cancel. For a
  // host that says more than TransEnd's false.
  const std::string& SaveFailure() const { return save_failure_; }

 protected:
  explicit RasterBackground(const RasterFlavour& flavour);

 private:
  bool LoadRasterPicture();
  void WriteIni();
  std::string Label(std::string_view member) const;

  // The dialog's events, handled under the names the host's reports give them. A host may drop
  // its last reference at a yield point inside a handler: the object lives until it returns.
  template <typename... Params, typename... Args>
  void KeptAlive(void (RasterBackground::*handler)(Params...), Args&&... args) {
    const auto alive = weak_from_this().lock();
    (this->*handler)(std::forward<Args>(args)...);
  }
  void OnScale(double dFactor) override { KeptAlive(&RasterBackground::m_TransDlg_OnScale, dFactor); }
  void OnShift(double Dx, double Dy) override { KeptAlive(&RasterBackground::m_TransDlg_OnShift, Dx, Dy); }
  void OnEndDlg(bool bOk) override { KeptAlive(&RasterBackground::m_TransDlg_OnEndDlg, bOk); }
  void OnMoveModeChg(bool bRelative) override {
    KeptAlive(&RasterBackground::m_TransDlg_OnMoveModeChg, bRelative);
  }
  void GetZoomFactor(double& dFactor) override {
    KeptAlive(&RasterBackground::m_TransDlg_GetZoomFactor, dFactor);
  }
  void TabChanged() override { KeptAlive(&RasterBackground::m_TransDlg_TabChanged); }
  void m_TransDlg_GetZoomFactor(double& dFactor);
  void m_TransDlg_OnScale(double dFactor);
  void m_TransDlg_OnShift(double dX, double dY);
  void m_TransDlg_OnMoveModeChg(bool bRelative);
  void m_TransDlg_TabChanged();
  void m_TransDlg_OnEndDlg(bool bOk);
  // Drops a pending first point, erasing its rubber band with what the host supplies.
  void DropPendingPoint();
  // Unloads an open dialog, which ends editing as Cancel does, and releases it.
  void CloseTransDialog();
  std::string Section() const;
  std::string IniFile() const;

  RasterFlavour flavour_;
  int32_t m_lEtId = 0;
  int32_t m_lEtHeight = 0;
  platform::HeldPicture m_Picture;
  int32_t m_lWidth = 0;
  int32_t m_lHeight = 0;
  std::string m_stFile;
  std::shared_ptr<mensura::MensTrans> m_TransOld;
  std::shared_ptr<mensura::MensTrans> m_Trans;
  bool m_bVisible = true;
  bool m_bInRasterDir = false;
  std::string m_stRasterDir;
  bool m_bRelative = true;
  std::shared_ptr<CDrawLine> m_Line;
  std::shared_ptr<frmTrans> m_TransDlg;
  frame::EventSource<RasterEvents> events_;
  std::string save_failure_;
};

}  // namespace tessera
