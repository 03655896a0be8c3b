#include "tessera/frame/companions/mensura/mens_rect.hpp"

#include "tessera/platform/runtime/checked.hpp"

namespace mensura {

int32_t MensRect::Width() const {
  return tessera::platform::CheckedSub(right_, left_);
}

int32_t MensRect::Height() const {
  return tessera::platform::CheckedSub(bottom_, top_);
}

}  // namespace mensura
