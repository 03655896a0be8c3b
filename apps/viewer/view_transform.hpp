// Where the viewer looks: the world-to-device mapping of its floor view, moved by panning and
// zooming, as the MensTrans that Draw takes.
//
// Device = (world - origin) x scale, on both axes, y downwards as on the floor. The origin is
// kept as a double so that many small pans add up; the MensTrans rounds it to whole world units,
// and everything the view answers (cursor positions, the visible part) goes through that same
// MensTrans, so it agrees with what is drawn.
#pragma once

#include <cmath>
#include <cstdint>
#include <memory>

#include "tessera/frame/companions/mensura/mens_rect.hpp"
#include "tessera/frame/companions/mensura/mens_trans.hpp"

namespace tessera::viewer {

struct Size {
  double width = 0;
  double height = 0;
};

struct Point {
  double x = 0;
  double y = 0;
  bool operator==(const Point&) const = default;
};

// The whole world unit that a click at `world` picks, as the library takes mouse positions.
inline int32_t Logical(double world) {
  return static_cast<int32_t>(std::lround(world));
}

class ViewTransform {
 public:
  // Scales stop at these device pixels per world unit, so that device coordinates stay far
  // inside 32 bits for any floor.
  static constexpr double kMinScale = 1e-5;
  static constexpr double kMaxScale = 1e3;

  double scale() const { return scale_; }
  Point origin() const { return origin_; }
  bool operator==(const ViewTransform&) const = default;

  // The whole floor (world (0, 0) to `floor`) centred in `device` with a margin of `margin`
  // device pixels around it.
  void Fit(Size floor, Size device, double margin = 10);
  // The world box between the corners `a` and `b` (either way round) centred in `device` as
  // large as it fits.
  void FitBox(Point a, Point b, Size device, double margin = 0);
  // Sets the scale and keeps the world point under `device_point` where it is.
  void ZoomAbout(double scale, Point device_point);
  // Moves the view's content by a device displacement (a drag to the right shows what lay left).
  void Pan(double device_dx, double device_dy);

  std::shared_ptr<mensura::MensTrans> WorldToDevice() const;
  Point ToWorld(Point device_point) const;
  Point ToDevice(Point world) const;
  // The world rectangle that a device of `device` pixels shows.
  std::shared_ptr<mensura::MensRect> VisibleWorld(Size device) const;

 private:
  double scale_ = 1;
  Point origin_{};
};

}  // namespace tessera::viewer
