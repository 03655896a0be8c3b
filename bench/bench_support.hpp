// What the benchmarks share: the smoke switch that the test suite sets, and best-of timing.
#pragma once

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdlib>

namespace tessera::bench {

// The test suite runs every benchmark once on small inputs to keep it working. Read once: the
// scan writers ask for every pixel.
inline bool Smoke() {
  static const bool smoke = std::getenv("TESSERA_BENCH_SMOKE") != nullptr;
  return smoke;
}

// A full-size dimension, or a tenth of it in a smoke run.
inline int32_t Scale(int32_t full) {
  return Smoke() ? full / 10 : full;
}

// The best of a few runs of `work`, in seconds.
template <typename Work>
double BestTime(Work&& work, int runs = 5) {
  double best = 1e9;
  for (int i = 0; i < (Smoke() ? 1 : runs); ++i) {
    const auto start = std::chrono::steady_clock::now();
    work();
    best = std::min(best, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
  }
  return best;
}

}  // namespace tessera::bench
