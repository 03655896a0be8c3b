// The memory that every picture of the process shares: what loads hold while they decode and the
// pictures they leave behind, counted against one limit.
//
// The limit is `DefaultPictureLimits().max_bytes` (2 GB unless a host sets it), read anew on every
// count, so a host may lower or raise it at any time; what is already held stays. When a count
// does not fit, the detailed copies that large JPEGs keep beside their reduced picture are given
// up, the least recently drawn first, since they can be decoded again from their file; when that
// is not enough either, the count is refused with error 481 before anything is allocated. The
// table is safe under threads.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <mutex>

#include "tessera/export.hpp"
#include "tessera/platform/picture/load_budget.hpp"

namespace tessera::platform {

// A picture that can give up memory it can make again.
class TESSERA_API ReleasablePicture {
 public:
  virtual ~ReleasablePicture() = default;
  virtual void Release() noexcept = 0;
};

class TESSERA_API PictureBudget {
 public:
  explicit PictureBudget(const PictureLimits& limits) noexcept : limits_(limits) {}
  PictureBudget(const PictureBudget&) = delete;
  PictureBudget& operator=(const PictureBudget&) = delete;

  // The process's budget, under DefaultPictureLimits().
  static PictureBudget& Shared();

  uint64_t limit() const noexcept { return limits_.max_bytes; }
  uint64_t used() const;

  // Counts `bytes` about to be allocated, releasing what it must: 481 when they do not fit.
  void Take(uint64_t bytes);
  void Give(uint64_t bytes) noexcept;

  // Names `picture` as releasable and as the most recently drawn; `key` identifies it until
  // Withdraw.
  void Offer(const void* key, std::weak_ptr<ReleasablePicture> picture);
  void Withdraw(const void* key) noexcept;

 private:
  std::shared_ptr<ReleasablePicture> TakeLeastRecent();

  const PictureLimits& limits_;
  mutable std::mutex guard_;
  uint64_t used_ = 0;
  uint64_t clock_ = 0;
  struct Entry {
    std::weak_ptr<ReleasablePicture> picture;
    uint64_t drawn;
  };
  std::map<const void*, Entry> releasable_;
};

// Bytes counted against a budget for as long as the charge lives.
class BudgetCharge {
 public:
  BudgetCharge() = default;
  // Takes `bytes` from `budget`: 481 when they do not fit.
  BudgetCharge(PictureBudget& budget, uint64_t bytes);
  ~BudgetCharge();
  BudgetCharge(BudgetCharge&& other) noexcept;
  BudgetCharge& operator=(BudgetCharge&& other) noexcept;

 private:
  PictureBudget* budget_ = nullptr;
  uint64_t bytes_ = 0;
};

}  // namespace tessera::platform
