// Zoom to window: a box dragged on the floor view with the left button, shown as a rubber band;
// once released, the view shows what the box framed and the tool ends. A release within a few
// pixels of the press frames nothing and leaves the tool waiting for a box.
#pragma once

#include <memory>

#include "floor_view.hpp"
#include "tessera/draw/cdraw_rect.hpp"
#include "view_figure.hpp"

namespace tessera::viewer {

class ZoomBox {
 public:
  static constexpr double kSmallest = 4;  // device pixels across, in each direction

  explicit ZoomBox(FloorView& view);

  bool active() const { return active_; }
  void Start() { active_ = true; }
  void Stop();
  void Press(Point world);
  void Move(Point world);
  // Ends a drag; true when the box was zoomed to, which ends the tool.
  bool Release(Point world);
  void Repainted() { figure_.Repainted(); }

 private:
  Point Device(Point world) const;

  FloorView& view_;
  std::shared_ptr<CDrawRect> box_;
  ViewFigure figure_;
  bool active_ = false;
  bool dragging_ = false;
  Point from_, to_;  // world corners, so that the box stays on the floor when the view moves
};

}  // namespace tessera::viewer
