// The views a user has left, newest last, for "Zoom previous". It keeps a bounded number; the
// oldest go first.
#pragma once

#include <cstddef>
#include <deque>
#include <optional>

#include "view_transform.hpp"

namespace tessera::viewer {

class ViewHistory {
 public:
  static constexpr std::size_t kDepth = 50;

  // Keeps `left`, the view before a change; a view equal to the newest kept is kept once.
  void Push(const ViewTransform& left);
  // The newest view kept, taken out; nullopt when none is left.
  std::optional<ViewTransform> Pop();
  bool empty() const { return views_.empty(); }
  void Clear() { views_.clear(); }

 private:
  std::deque<ViewTransform> views_;
};

}  // namespace tessera::viewer
