// The viewer's floor view: a picture widget that shows one floor with its raster, panned by
// dragging and the arrow keys and zoomed by the wheel about the cursor. A host may take the left
// button for itself (aligning a plan): the view then pans by dragging with the other buttons.
//
// Every change of the view repaints the whole widget: the canvas is cleared, the raster draws
// its visible part and the floor's drawing goes over it.
#pragma once

#include <functional>
#include <memory>

#include "floor_picture.hpp"
#include "tessera/qt/picture_widget.hpp"
#include "tessera/raster/raster_background.hpp"
#include "view_history.hpp"
#include "view_transform.hpp"

namespace tessera::viewer {

class FloorView : public qt::PictureWidget {
 public:
  explicit FloorView(QWidget* parent = nullptr);

  // Shows `floor` (world units) with `raster` (nullptr for none) placed at `plan_factor` world
  // units per raster pixel, fitted.
  void ShowFloor(std::shared_ptr<RasterBackground> raster, Size floor, double plan_factor);
  // Shows the same floor with another raster, where the view looks now.
  void ShowRaster(std::shared_ptr<RasterBackground> raster, double plan_factor);
  const std::shared_ptr<RasterBackground>& raster() const { return raster_; }
  Size floor() const { return floor_; }
  double plan_factor() const { return plan_factor_; }
  // The factor in force once the plan has been scaled.
  void PlanFactor(double plan_factor) { plan_factor_ = plan_factor; }
  const ViewTransform& view() const { return view_; }

  void FitFloor();
  // Device pixels per raster pixel (1 for "1:1"), about the view's centre.
  void ZoomToPlan(double device_per_plan_pixel);
  // Zooms about the view's centre by wheel notches (negative: out).
  void ZoomSteps(double notches);
  // Device pixels per raster pixel now, as ZoomToPlan takes it.
  double PlanZoom() const;
  void Redraw();
  // True while Redraw draws the picture anew (it may run pending events meanwhile).
  bool redrawing() const { return redrawing_; }

  // Every change of the view by the user keeps the view it left, for ZoomPrevious; a new floor
  // forgets them.
  void ShowView(const ViewTransform& view);
  // Back to the view left last; false when there is none.
  bool ZoomPrevious();
  bool has_previous() const { return !history_.empty(); }

  const FloorLayers& layers() const { return layers_; }
  void Layers(const FloorLayers& layers);

  // Runs after each repaint, and with the world position under the mouse as it moves.
  void OnViewChanged(std::function<void()> handler) { on_view_changed_ = std::move(handler); }
  // Runs after a repaint for a pan, a zoom or a resize, which the user's input caused.
  void OnViewMoved(std::function<void()> handler) { on_view_moved_ = std::move(handler); }
  void OnCursorMoved(std::function<void(Point)> handler) { on_cursor_moved_ = std::move(handler); }
  // A left-button press goes first to `handler` with its world position; when it answers true,
  // the press is taken and does not start a pan.
  void OnLeftPress(std::function<bool(Point)> handler) { on_left_press_ = std::move(handler); }
  // The left button's release, with its world position.
  void OnLeftRelease(std::function<void(Point)> handler) { on_left_release_ = std::move(handler); }

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void Moved();
  void Fit();
  void ZoomAbout(double scale, Point device_point);

  std::shared_ptr<RasterBackground> raster_;
  Size floor_{};
  double plan_factor_ = 1;
  ViewTransform view_;
  ViewHistory history_;
  FloorLayers layers_;
  QPointF drag_from_;
  bool panning_ = false;
  bool pan_kept_ = false;  // the view that the present drag left is kept
  bool redrawing_ = false;
  bool redraw_again_ = false;
  std::function<void()> on_view_changed_;
  std::function<void()> on_view_moved_;
  std::function<void(Point)> on_cursor_moved_;
  std::function<bool(Point)> on_left_press_;
  std::function<void(Point)> on_left_release_;
};

}  // namespace tessera::viewer
