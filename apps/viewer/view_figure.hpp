// A figure drawn inverted over the floor view (a rubber band, a measured line, a zoom box): drawn
// twice it leaves the picture as it was, so drawing it again erases it. Each new picture of the
// view gets the figure drawn once more. While the view redraws, its canvas is being drawn anew:
// a change then waits for the new picture.
#pragma once

#include <functional>

#include "floor_view.hpp"

namespace tessera::viewer {

class ViewFigure {
 public:
  // `draw` draws the figure once, inverted, on the view's control.
  ViewFigure(FloorView& view, std::function<void()> draw) : view_(view), draw_(std::move(draw)) {}

  bool shown() const { return shown_; }
  // Shows the figure; `change` changes it between erasing the old and drawing the new.
  void Show(const std::function<void()>& change = {});
  void Hide();
  // The view has a new picture, without the figure.
  void Repainted();

 private:
  void Erase();
  void Paint();

  FloorView& view_;
  std::function<void()> draw_;
  bool shown_ = false;
  bool drawn_ = false;  // on the view's present picture
};

}  // namespace tessera::viewer
