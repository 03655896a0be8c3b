#include "request_checks.hpp"

#include <charconv>
#include <string>

#include "tessera/platform/picture/picture_loader.hpp"

namespace tessera::cli {

void RaiseBadRequest(const std::string& what) {
  platform::Raise(platform::err::kInvalidProcedureCall, what);
}

void CheckNesting(std::string_view line) {
  int depth = 0;
  bool in_string = false;
  for (std::size_t i = 0; i < line.size(); ++i) {
    const char c = line[i];
    if (in_string) {
      if (c == '\\') {
        ++i;
      } else if (c == '"') {
        in_string = false;
      }
    } else if (c == '"') {
      in_string = true;
    } else if (c == '[' || c == '{') {
      if (++depth > kMaxNesting)
        RaiseBadRequest("The request nests arrays and objects deeper than " + std::to_string(kMaxNesting));
    } else if (c == ']' || c == '}') {
      --depth;
    }
  }
}

int32_t ResourceId(std::string_view key) {
  int32_t id = 0;
  const auto [end, error] = std::from_chars(key.data(), key.data() + key.size(), id);
  if (key.empty() || error != std::errc() || end != key.data() + key.size())
    RaiseBadRequest("\"" + std::string(key) + "\" is no resource id: a whole number of 32 bits");
  return id;
}

void CheckCanvasSize(int32_t width, int32_t height) {
  const std::string size = std::to_string(width) + " x " + std::to_string(height);
  if (width < 1 || height < 1) RaiseBadRequest("A canvas of " + size + " has no pixels");
  if (!platform::CanvasFitsPictureBudget(uint64_t(width), uint64_t(height)))
    RaiseBadRequest("A canvas of " + size + " is past the picture budget");
}

}  // namespace tessera::cli
