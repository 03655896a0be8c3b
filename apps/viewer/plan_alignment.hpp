// Aligning the open floor's plan: the viewer's side of a raster's editing session. It starts
// EditTrans, shows the window of the dialog the raster opened, hands the floor view's mouse to
// MouseDown and MouseMove in world coordinates, and answers the raster's events: a changed
// placement repaints, GetPbAndTrans gets the view's picture control and world-to-device
// transformation, and the end of the session is reported as saved or cancelled.
#pragma once

#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "floor_view.hpp"
#include "tessera/qt/trans_dialog_window.hpp"
#include "tessera/raster/raster_background.hpp"

namespace tessera::viewer {

class PlanAlignment {
 public:
  // `report` shows a line in the status bar; `raster_dir` holds the "Raster.ini" a save writes.
  PlanAlignment(FloorView& view, std::string raster_dir, std::function<void(const QString&)> report);
  ~PlanAlignment();
  PlanAlignment(const PlanAlignment&) = delete;
  PlanAlignment& operator=(const PlanAlignment&) = delete;

  // Starts aligning the view's raster; nothing while one is aligned or without a loaded picture.
  void Start();
  // Ends a running session as Cancel does.
  void Cancel();
  bool active() const { return raster_ != nullptr; }
  // Runs at the end of each session, saved or not, before its end is reported.
  void OnEnded(std::function<void()> handler) { on_ended_ = std::move(handler); }
  // The directory whose "Raster.ini" the next sessions save to (the viewer switched directories).
  void RasterDirectory(std::string raster_dir) { raster_dir_ = std::move(raster_dir); }
  // The dialog's window; after the session it stays, hidden, until the next one starts.
  qt::TransDialogWindow* window() const { return window_.get(); }

  // Whether a click in the view picks a point for the dialog; not while the relative shift is typed.
  bool PicksPoints() const;
  // The first point of a pending rubber band, if any.
  const std::optional<Point>& pending() const { return anchor_; }

  // True when the press went to the raster: a session is running. A click that picks nothing, and
  // the length that a second click measured, are said through `report`.
  bool MousePressed(Point world);
  void MouseMoved(Point world);
  // The view was repainted for a pan, a zoom or Show/hide: the pending rubber band went with the
  // old picture and is drawn again on the new one.
  void ViewRepainted();

 private:
  struct Sink;
  void Detach();
  void Changed();
  void Ended(bool saved);
  void AnswerControl(platform::ObjectRef& control, std::shared_ptr<mensura::MensTrans>& trans);
  void ReportMeasured(Point from, Point to);
  void Move(Point world, const platform::ObjectRef& control,
            const std::shared_ptr<mensura::MensTrans>& trans);
  bool BandPending();

  FloorView& view_;
  std::string raster_dir_;
  std::function<void(const QString&)> report_;
  std::function<void()> on_ended_;
  std::shared_ptr<RasterBackground> raster_;
  frame::EventSource<RasterEvents>::Cookie cookie_ = 0;
  // Owned here and deleted only when the next session starts: a session ends inside the window's
  // own handlers, and the repaint that follows yields to the event loop, so the window cannot go
  // then, nor through deleteLater, whose deferred deletion such a yield would run.
  std::unique_ptr<qt::TransDialogWindow> window_;
  // The raster keeps its rubber band to itself and draws it inverted, erasing it by drawing it
  // again. The view follows it from the outside: where the band starts (the press that began it)
  // and where the mouse last went.
  std::optional<Point> anchor_;
  Point pointer_{};
};

}  // namespace tessera::viewer
