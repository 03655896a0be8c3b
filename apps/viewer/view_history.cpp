#include "view_history.hpp"

namespace tessera::viewer {

void ViewHistory::Push(const ViewTransform& left) {
  if (!views_.empty() && views_.back() == left) return;
  views_.push_back(left);
  if (views_.size() > kDepth) views_.pop_front();
}

std::optional<ViewTransform> ViewHistory::Pop() {
  if (views_.empty()) return std::nullopt;
  const ViewTransform newest = views_.back();
  views_.pop_back();
  return newest;
}

}  // namespace tessera::viewer
