// Measuring on the floor with two clicks. The line from the first point follows the mouse until
// the second click ends the measurement; the measured line then stays drawn until the next
// measurement starts or measuring ends.
#pragma once

#include <memory>
#include <optional>

#include "floor_view.hpp"
#include "tessera/draw/cdraw_line.hpp"
#include "view_figure.hpp"

namespace tessera::viewer {

class MeasureTool {
 public:
  explicit MeasureTool(FloorView& view);

  bool active() const { return active_; }
  void Start() { active_ = true; }
  // Ends measuring and erases the line.
  void Stop();
  // A click while measuring: true when it was the second point, which ended a measurement.
  bool Press(Point world);
  void Move(Point world);
  // The first point while the second is pending.
  std::optional<Point> pending() const { return pending_ ? std::optional(from_) : std::nullopt; }
  Point from() const { return from_; }
  Point to() const { return to_; }
  void Repainted() { figure_.Repainted(); }

 private:
  void Place(Point from, Point to);

  FloorView& view_;
  std::shared_ptr<CDrawLine> line_;
  ViewFigure figure_;
  bool active_ = false;
  bool pending_ = false;
  Point from_, to_;
};

}  // namespace tessera::viewer
