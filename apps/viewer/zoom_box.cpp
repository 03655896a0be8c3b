#include "zoom_box.hpp"

#include <algorithm>
#include <cmath>

namespace tessera::viewer {

ZoomBox::ZoomBox(FloorView& view)
    : view_(view), box_(std::make_shared<CDrawRect>()), figure_(view, [this] {
        const Point a = Device(from_), b = Device(to_);
        box_->m_Rect()->Left(static_cast<int32_t>(std::min(a.x, b.x)));
        box_->m_Rect()->Top(static_cast<int32_t>(std::min(a.y, b.y)));
        box_->m_Rect()->Right(static_cast<int32_t>(std::max(a.x, b.x)));
        box_->m_Rect()->Bottom(static_cast<int32_t>(std::max(a.y, b.y)));
        box_->Draw(view_.control());
      }) {}

void ZoomBox::Stop() {
  figure_.Hide();
  active_ = dragging_ = false;
}

void ZoomBox::Press(Point world) {
  dragging_ = true;
  figure_.Show([&] { from_ = to_ = world; });
}

void ZoomBox::Move(Point world) {
  if (dragging_) figure_.Show([&] { to_ = world; });
}

bool ZoomBox::Release(Point world) {
  if (!dragging_) return false;
  Move(world);
  figure_.Hide();
  dragging_ = false;
  const Point a = Device(from_), b = Device(to_);
  if (std::abs(b.x - a.x) < kSmallest && std::abs(b.y - a.y) < kSmallest) return false;
  active_ = false;
  ViewTransform framed = view_.view();
  framed.FitBox(from_, to_, {static_cast<double>(view_.width()), static_cast<double>(view_.height())});
  view_.ShowView(framed);
  return true;
}

// Clamped: the view may have moved far away from the box during a drag.
Point ZoomBox::Device(Point world) const {
  const Point device = view_.view().ToDevice(world);
  return {std::clamp(device.x, -1e9, 1e9), std::clamp(device.y, -1e9, 1e9)};
}

}  // namespace tessera::viewer
