#include "view_transform.hpp"

#include <algorithm>
#include <cmath>

namespace tessera::viewer {
namespace {

// A world coordinate as a MensTrans offset; a view panned off past any floor stops there.
int32_t WholeUnits(double world) {
  return static_cast<int32_t>(std::lround(std::clamp(world, -1e9, 1e9)));
}

}  // namespace

void ViewTransform::Fit(Size floor, Size device, double margin) {
  FitBox({0, 0}, {floor.width, floor.height}, device, margin);
}

void ViewTransform::FitBox(Point a, Point b, Size device, double margin) {
  const double room_x = std::max(device.width - 2 * margin, 1.0);
  const double room_y = std::max(device.height - 2 * margin, 1.0);
  const Size box{std::max(std::abs(b.x - a.x), 1.0), std::max(std::abs(b.y - a.y), 1.0)};
  scale_ = std::clamp(std::min(room_x / box.width, room_y / box.height), kMinScale, kMaxScale);
  origin_ = {(a.x + b.x) / 2 - device.width / 2 / scale_, (a.y + b.y) / 2 - device.height / 2 / scale_};
}

void ViewTransform::ZoomAbout(double scale, Point device_point) {
  const Point world{device_point.x / scale_ + origin_.x, device_point.y / scale_ + origin_.y};
  scale_ = std::clamp(scale, kMinScale, kMaxScale);
  origin_ = {world.x - device_point.x / scale_, world.y - device_point.y / scale_};
}

void ViewTransform::Pan(double device_dx, double device_dy) {
  origin_.x -= device_dx / scale_;
  origin_.y -= device_dy / scale_;
}

std::shared_ptr<mensura::MensTrans> ViewTransform::WorldToDevice() const {
  auto trans = std::make_shared<mensura::MensTrans>();
  trans->Factor(scale_);
  trans->Dx(WholeUnits(origin_.x));
  trans->Dy(WholeUnits(origin_.y));
  return trans;
}

Point ViewTransform::ToWorld(Point device_point) const {
  const auto trans = WorldToDevice();
  return {device_point.x / scale_ + trans->Dx(), device_point.y / scale_ + trans->Dy()};
}

Point ViewTransform::ToDevice(Point world) const {
  const auto trans = WorldToDevice();
  return {(world.x - trans->Dx()) * scale_, (world.y - trans->Dy()) * scale_};
}

std::shared_ptr<mensura::MensRect> ViewTransform::VisibleWorld(Size device) const {
  auto rect = std::make_shared<mensura::MensRect>();
  rect->Right(static_cast<int32_t>(std::ceil(device.width)));
  rect->Bottom(static_cast<int32_t>(std::ceil(device.height)));
  WorldToDevice()->InverseRect(*rect);
  return rect;
}

}  // namespace tessera::viewer
