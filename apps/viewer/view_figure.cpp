#include "view_figure.hpp"

namespace tessera::viewer {

void ViewFigure::Show(const std::function<void()>& change) {
  Erase();
  if (change) change();
  shown_ = true;
  Paint();
}

void ViewFigure::Hide() {
  Erase();
  shown_ = false;
}

void ViewFigure::Repainted() {
  drawn_ = false;
  Paint();
}

void ViewFigure::Erase() {
  if (drawn_ && !view_.redrawing()) {
    draw_();
    view_.update();
  }
  drawn_ = false;
}

void ViewFigure::Paint() {
  if (!shown_ || drawn_ || view_.redrawing()) return;
  draw_();
  drawn_ = true;
  view_.update();
}

}  // namespace tessera::viewer
