#include "tessera/platform/picture/picture_budget.hpp"

#include <utility>

#include "tessera/platform/picture/picture_loader.hpp"
#include "tessera/platform/runtime/error.hpp"

namespace tessera::platform {

PictureBudget& PictureBudget::Shared() {
  // Never destroyed: pictures held in a host's statics give their memory back after ours are gone.
  static PictureBudget& budget = *new PictureBudget(DefaultPictureLimits());
  return budget;
}

uint64_t PictureBudget::used() const {
  std::lock_guard lock(guard_);
  return used_;
}

void PictureBudget::Take(uint64_t bytes) {
  for (;;) {
    std::shared_ptr<ReleasablePicture> victim;
    {
      std::lock_guard lock(guard_);
      const uint64_t limit = limits_.max_bytes;
      if (bytes <= limit && used_ <= limit - bytes) {
        used_ += bytes;
        return;
      }
      victim = TakeLeastRecent();
    }
    if (!victim) Raise(err::kInvalidPicture);
    // Outside the lock: the memory comes back through Give.
    victim->Release();
  }
}

void PictureBudget::Give(uint64_t bytes) noexcept {
  std::lock_guard lock(guard_);
  used_ -= std::min(bytes, used_);
}

void PictureBudget::Offer(const void* key, std::weak_ptr<ReleasablePicture> picture) {
  std::lock_guard lock(guard_);
  releasable_[key] = {std::move(picture), ++clock_};
}

void PictureBudget::Withdraw(const void* key) noexcept {
  std::lock_guard lock(guard_);
  releasable_.erase(key);
}

std::shared_ptr<ReleasablePicture> PictureBudget::TakeLeastRecent() {
  while (!releasable_.empty()) {
    auto oldest = releasable_.begin();
    for (auto it = releasable_.begin(); it != releasable_.end(); ++it) {
      if (it->second.drawn < oldest->second.drawn) oldest = it;
    }
    std::shared_ptr<ReleasablePicture> picture = oldest->second.picture.lock();
    releasable_.erase(oldest);
    if (picture) return picture;
  }
  return nullptr;
}

BudgetCharge::BudgetCharge(PictureBudget& budget, uint64_t bytes) {
  budget.Take(bytes);
  budget_ = &budget;
  bytes_ = bytes;
}

BudgetCharge::~BudgetCharge() {
  if (budget_ != nullptr) budget_->Give(bytes_);
}

BudgetCharge::BudgetCharge(BudgetCharge&& other) noexcept
    : budget_(std::exchange(other.budget_, nullptr)), bytes_(std::exchange(other.bytes_, 0)) {}

BudgetCharge& BudgetCharge::operator=(BudgetCharge&& other) noexcept {
  std::swap(budget_, other.budget_);
  std::swap(bytes_, other.bytes_);
  return *this;
}

}  // namespace tessera::platform
