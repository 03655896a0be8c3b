// What one picture load may allocate, counted before it is allocated.
//
// The count covers everything a load holds at once: the picture at its own depth, the file's bytes
// where a decoder needs them whole, and every buffer beside them (converted bands, libjpeg's
// coefficients and rows). A load past its budget is refused as an invalid picture, so that a small
// file claiming a huge picture costs nothing; error 7 is left for memory that really runs out.
#pragma once

#include <cstdint>

namespace tessera::platform {

class PictureBudget;

struct PictureLimits {
  // 2 GB: a 1-bit A0 scan at 1 200 dpi (280 MB), a 14 000 x 10 000 progressive colour JPEG (up
  // to 1.3 GB with libjpeg's coefficients when decoded whole) and a 32-bit BMP of 536 million
  // pixels fit. As the process's shared budget (DefaultPictureLimits), it holds a building of
  // colour scans shown fitted (6.6 MB each) with room for a few whole ones.
  uint64_t max_bytes = uint64_t{2} << 30;
  // Where given, the load's counts are taken from this budget too, which the process's pictures
  // share, for as long as the load runs.
  PictureBudget* shared = nullptr;
};

class LoadBudget {
 public:
  explicit LoadBudget(const PictureLimits& limits) noexcept
      : left_(limits.max_bytes), shared_(limits.shared) {}
  ~LoadBudget();
  LoadBudget(const LoadBudget&) = delete;
  LoadBudget& operator=(const LoadBudget&) = delete;

  // Counts `bytes` that the load is about to allocate: 481 when they are more than is left.
  void Take(uint64_t bytes);

 private:
  uint64_t left_;
  PictureBudget* shared_;
  uint64_t taken_ = 0;  // from the shared budget
};

}  // namespace tessera::platform
