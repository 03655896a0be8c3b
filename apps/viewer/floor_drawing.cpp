#include "floor_drawing.hpp"

#include <cmath>

#include "tessera/raster/typed_units.hpp"

namespace tessera::viewer {
namespace {

constexpr double kClosestGridPixels = 16;
constexpr int16_t kCopyPen = 13;

// The control's pen for the span of one drawing.
class SavedPen {
 public:
  explicit SavedPen(platform::PictureControl& control)
      : control_(control),
        mode_(control.DrawMode()),
        width_(control.DrawWidth()),
        colour_(control.ForeColor()),
        style_(control.DrawStyle()) {}
  ~SavedPen() {
    control_.DrawMode(mode_);
    control_.DrawWidth(width_);
    control_.ForeColor(colour_);
    control_.DrawStyle(style_);
  }
  SavedPen(const SavedPen&) = delete;
  SavedPen& operator=(const SavedPen&) = delete;

 private:
  platform::PictureControl& control_;
  int16_t mode_;
  int16_t width_;
  int32_t colour_;
  int16_t style_;
};

double GridStep(double scale) {
  double step = TypedToLogical(1);
  while (step * scale < kClosestGridPixels) step *= 10;
  return step;
}

void WorldLine(platform::PictureControl& control, const mensura::MensTrans& trans, double x1, double y1,
               double x2, double y2, platform::LineShape shape) {
  int32_t left = static_cast<int32_t>(x1), top = static_cast<int32_t>(y1);
  int32_t right = static_cast<int32_t>(x2), bottom = static_cast<int32_t>(y2);
  trans.TransformPoint(left, top);
  trans.TransformPoint(right, bottom);
  control.Line(static_cast<float>(left), static_cast<float>(top), static_cast<float>(right),
               static_cast<float>(bottom), shape);
}

void DrawGrid(platform::PictureControl& control, const mensura::MensTrans& world_to_device, Size floor) {
  control.DrawWidth(1);
  control.ForeColor(kGridColour);
  const double step = GridStep(world_to_device.Factor());
  for (double x = step; x < floor.width; x += step)
    WorldLine(control, world_to_device, x, 0, x, floor.height, platform::LineShape::kSegment);
  // Rows count up from the floor's bottom, as typed Y values do.
  for (double up = step; up < floor.height; up += step)
    WorldLine(control, world_to_device, 0, floor.height - up, floor.width, floor.height - up,
              platform::LineShape::kSegment);
}

}  // namespace

void DrawFloor(platform::PictureControl& control, const mensura::MensTrans& world_to_device, Size floor,
               bool grid) {
  const SavedPen saved(control);
  control.DrawMode(kCopyPen);
  control.DrawStyle(0);
  if (grid) DrawGrid(control, world_to_device, floor);
  control.DrawWidth(2);
  control.ForeColor(kOutlineColour);
  WorldLine(control, world_to_device, 0, 0, floor.width, floor.height, platform::LineShape::kBox);
}

}  // namespace tessera::viewer
