#include "tessera/platform/picture/load_budget.hpp"

#include "tessera/platform/picture/picture_budget.hpp"
#include "tessera/platform/runtime/error.hpp"

namespace tessera::platform {

LoadBudget::~LoadBudget() {
  if (shared_ != nullptr) shared_->Give(taken_);
}

void LoadBudget::Take(uint64_t bytes) {
  if (bytes > left_) Raise(err::kInvalidPicture);
  if (shared_ != nullptr) {
    shared_->Take(bytes);
    taken_ += bytes;
  }
  left_ -= bytes;
}

}  // namespace tessera::platform
