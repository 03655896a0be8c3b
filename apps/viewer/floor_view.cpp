#include "floor_view.hpp"

#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>
#include <cmath>

#include "floor_picture.hpp"

namespace tessera::viewer {
namespace {

constexpr double kWheelStep = 1.25;      // zoom per wheel notch
constexpr double kNotch = 120;           // angle delta of one notch
constexpr double kKeyPanFraction = 0.1;  // of the view's size per arrow key

Point DevicePoint(QPointF position) {
  return {position.x(), position.y()};
}

}  // namespace

FloorView::FloorView(QWidget* parent) : PictureWidget(parent) {
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
  OnResized([this] { Moved(); });
}

void FloorView::ShowFloor(std::shared_ptr<RasterBackground> raster, Size floor, double plan_factor) {
  raster_ = std::move(raster);
  floor_ = floor;
  plan_factor_ = plan_factor;
  history_.Clear();
  Fit();
}

void FloorView::ShowRaster(std::shared_ptr<RasterBackground> raster, double plan_factor) {
  raster_ = std::move(raster);
  plan_factor_ = plan_factor;
  Redraw();
}

void FloorView::FitFloor() {
  history_.Push(view_);
  Fit();
}

void FloorView::Fit() {
  view_.Fit(floor_, {static_cast<double>(width()), static_cast<double>(height())});
  Moved();
}

void FloorView::ShowView(const ViewTransform& view) {
  history_.Push(view_);
  view_ = view;
  Moved();
}

bool FloorView::ZoomPrevious() {
  const auto previous = history_.Pop();
  if (!previous) return false;
  view_ = *previous;
  Moved();
  return true;
}

void FloorView::Layers(const FloorLayers& layers) {
  layers_ = layers;
  Redraw();
}

void FloorView::ZoomToPlan(double device_per_plan_pixel) {
  ZoomAbout(device_per_plan_pixel / plan_factor_, {width() / 2.0, height() / 2.0});
}

void FloorView::ZoomSteps(double notches) {
  ZoomAbout(view_.scale() * std::pow(kWheelStep, notches), {width() / 2.0, height() / 2.0});
}

void FloorView::ZoomAbout(double scale, Point device_point) {
  history_.Push(view_);
  view_.ZoomAbout(scale, device_point);
  Moved();
}

// The world under a resting mouse has changed as well.
void FloorView::Moved() {
  Redraw();
  if (on_view_moved_) on_view_moved_();
  if (underMouse() && on_cursor_moved_)
    on_cursor_moved_(view_.ToWorld(DevicePoint(mapFromGlobal(QCursor::pos()))));
}

double FloorView::PlanZoom() const {
  return view_.scale() * plan_factor_;
}

void FloorView::Redraw() {
  // Draw processes pending events, among them perhaps a resize that asks for another repaint.
  if (redrawing_) {
    redraw_again_ = true;
    return;
  }
  redrawing_ = true;
  do {
    redraw_again_ = false;
    control()->Clear(platform::kColourBits);
    DrawFloorPicture(control(), raster_.get(), view_, floor_, layers_);
  } while (redraw_again_);
  redrawing_ = false;
  update();
  if (on_view_changed_) on_view_changed_();
}

void FloorView::mousePressEvent(QMouseEvent* event) {
  drag_from_ = event->position();
  const bool taken = event->button() == Qt::LeftButton && on_left_press_ &&
                     on_left_press_(view_.ToWorld(DevicePoint(event->position())));
  panning_ = !taken;
  pan_kept_ = false;
}

void FloorView::mouseMoveEvent(QMouseEvent* event) {
  if (on_cursor_moved_) on_cursor_moved_(view_.ToWorld(DevicePoint(event->position())));
  if (!panning_ || event->buttons() == Qt::NoButton) return;
  const QPointF moved = event->position() - drag_from_;
  drag_from_ = event->position();
  if (!pan_kept_) history_.Push(view_);
  pan_kept_ = true;
  view_.Pan(moved.x(), moved.y());
  Moved();
}

void FloorView::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && on_left_release_)
    on_left_release_(view_.ToWorld(DevicePoint(event->position())));
}

void FloorView::wheelEvent(QWheelEvent* event) {
  const double notches = event->angleDelta().y() / kNotch;
  if (notches == 0) return;
  ZoomAbout(view_.scale() * std::pow(kWheelStep, notches), DevicePoint(event->position()));
}

void FloorView::keyPressEvent(QKeyEvent* event) {
  const ViewTransform left = view_;
  const double step_x = width() * kKeyPanFraction, step_y = height() * kKeyPanFraction;
  switch (event->key()) {
    case Qt::Key_Left:
      view_.Pan(step_x, 0);
      break;
    case Qt::Key_Right:
      view_.Pan(-step_x, 0);
      break;
    case Qt::Key_Up:
      view_.Pan(0, step_y);
      break;
    case Qt::Key_Down:
      view_.Pan(0, -step_y);
      break;
    default:
      PictureWidget::keyPressEvent(event);
      return;
  }
  history_.Push(left);
  Moved();
}

}  // namespace tessera::viewer
