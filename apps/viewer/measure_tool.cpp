#include "measure_tool.hpp"

namespace tessera::viewer {

MeasureTool::MeasureTool(FloorView& view)
    : view_(view),
      line_(std::make_shared<CDrawLine>()),
      figure_(view, [this] { line_->Draw(view_.control(), view_.view().WorldToDevice()); }) {}

void MeasureTool::Stop() {
  figure_.Hide();
  active_ = pending_ = false;
}

bool MeasureTool::Press(Point world) {
  pending_ = !pending_;
  figure_.Show([&] { Place(pending_ ? world : from_, world); });
  return !pending_;
}

void MeasureTool::Move(Point world) {
  if (pending_) figure_.Show([&] { Place(from_, world); });
}

// The line's ends are the whole world units that the clicks pick.
void MeasureTool::Place(Point from, Point to) {
  from_ = from;
  to_ = to;
  line_->m_P0()->X(Logical(from.x));
  line_->m_P0()->Y(Logical(from.y));
  line_->m_P1()->X(Logical(to.x));
  line_->m_P1()->Y(Logical(to.y));
}

}  // namespace tessera::viewer
