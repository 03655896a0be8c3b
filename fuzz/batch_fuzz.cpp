// Feeds any lines to `tessera call --batch`: every line must be answered by exactly one line (an
// at_yield request by a second one when it runs), whatever it holds. File names stay inside a
// scratch directory (no separators reach the batch), and pictures and canvases get a small budget.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "batch.hpp"
#include "scratch_directory.hpp"
#include "tessera/platform/picture/picture_loader.hpp"

namespace {

constexpr std::size_t kMaxInput = 1 << 16;

void Prepare() {
  tessera::platform::DefaultPictureLimits().max_bytes = uint64_t{64} << 20;
  EnterScratchDirectory("tessera-batch-fuzz");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  static const bool prepared = (Prepare(), true);
  (void)prepared;
  if (size > kMaxInput) return 0;
  std::string lines(reinterpret_cast<const char*>(data), size);
  std::replace_if(
      lines.begin(), lines.end(), [](char c) { return c == '/' || c == '\\'; }, '_');
  std::istringstream in(lines);
  std::ostringstream out;
  if (tessera::cli::RunBatch(in, out) != 0) std::abort();
  const std::string answers = out.str();
  if (!answers.empty() && answers.back() != '\n') std::abort();  // every answer is a whole line
  return 0;
}
