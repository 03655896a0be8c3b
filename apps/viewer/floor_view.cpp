#include "floor_view.hpp"

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
  FitFloor();
}

void FloorView::ShowRaster(std::shared_ptr<RasterBackground> raster, double plan_factor) {
  raster_ = std::move(raster);
  plan_factor_ = plan_factor;
  Redraw();
}

void FloorView::FitFloor() {
  view_.Fit(floor_, {static_cast<double>(width()), static_cast<double>(height())});
  Moved();
}

void FloorView::ZoomToPlan(double device_per_plan_pixel) {
  view_.ZoomAbout(device_per_plan_pixel / plan_factor_, {width() / 2.0, height() / 2.0});
  Moved();
}

void FloorView::ZoomSteps(double notches) {
  view_.ZoomAbout(view_.scale() * std::pow(kWheelStep, notches), {width() / 2.0, height() / 2.0});
  Moved();
}

void FloorView::Moved() {
  Redraw();
  if (on_view_moved_) on_view_moved_();
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
    DrawFloorPicture(control(), raster_.get(), view_, floor_);
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
}

void FloorView::mouseMoveEvent(QMouseEvent* event) {
  if (on_cursor_moved_) on_cursor_moved_(view_.ToWorld(DevicePoint(event->position())));
  if (!panning_ || event->buttons() == Qt::NoButton) return;
  const QPointF moved = event->position() - drag_from_;
  drag_from_ = event->position();
  view_.Pan(moved.x(), moved.y());
  Moved();
}

void FloorView::wheelEvent(QWheelEvent* event) {
  const double notches = event->angleDelta().y() / kNotch;
  if (notches == 0) return;
  view_.ZoomAbout(view_.scale() * std::pow(kWheelStep, notches), DevicePoint(event->position()));
  Moved();
}

void FloorView::keyPressEvent(QKeyEvent* event) {
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
  Moved();
}

}  // namespace tessera::viewer
