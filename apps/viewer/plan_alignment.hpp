// Aligning the open floor's plan: the viewer's side of a raster's editing session. It starts
// EditTrans, shows the window of the dialog the raster opened, hands the floor view's mouse to
// MouseDown and MouseMove in world coordinates, and answers the raster's events: a changed
// placement repaints, GetPbAndTrans gets the view's picture control and world-to-device
// transformation, and the end of the session is reported as saved or cancelled.
#pragma once

#include <QString>
#include <functional>
#include <memory>

#include "floor_view.hpp"
#include "tessera/qt/trans_dialog_window.hpp"
#include "tessera/raster/raster_background.hpp"

namespace tessera::viewer {

class PlanAlignment {
 public:
  // `report` shows a line in the status bar.
  PlanAlignment(FloorView& view, std::function<void(const QString&)> report);
  ~PlanAlignment();
  PlanAlignment(const PlanAlignment&) = delete;
  PlanAlignment& operator=(const PlanAlignment&) = delete;

  // Starts aligning the view's raster; nothing while one is aligned or without a loaded picture.
  void Start();
  // Ends a running session as Cancel does.
  void Cancel();
  bool active() const { return raster_ != nullptr; }
  // The dialog's window; after the session it stays, hidden, until the next one starts.
  qt::TransDialogWindow* window() const { return window_.get(); }

  // True when the press went to the raster: a session is running.
  bool MousePressed(Point world);
  void MouseMoved(Point world);

 private:
  struct Sink;
  void Detach();
  void Changed();
  void Ended(bool saved);
  void AnswerControl(platform::ObjectRef& control, std::shared_ptr<mensura::MensTrans>& trans) const;

  FloorView& view_;
  std::function<void(const QString&)> report_;
  std::shared_ptr<RasterBackground> raster_;
  frame::EventSource<RasterEvents>::Cookie cookie_ = 0;
  // Owned here and deleted only when the next session starts: a session ends inside the window's
  // own handlers, and the repaint that follows yields to the event loop, so the window cannot go
  // then, nor through deleteLater, whose deferred deletion such a yield would run.
  std::unique_ptr<qt::TransDialogWindow> window_;
};

}  // namespace tessera::viewer
