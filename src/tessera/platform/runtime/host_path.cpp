#include "tessera/platform/runtime/host_path.hpp"

#include <algorithm>

namespace tessera::platform {

std::filesystem::path ToHostPath(std::string_view library_path) {
  std::string text(library_path);
  std::ranges::replace(text, '\\', '/');
  return std::filesystem::path(std::move(text));
}

std::string ToLibraryPath(const std::filesystem::path& host_path) {
  std::string text = host_path.string();
  std::ranges::replace(text, '/', '\\');
  return text;
}

}  // namespace tessera::platform
