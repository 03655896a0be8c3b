#include "tessera/version.hpp"

namespace tessera {

std::string_view Version() noexcept {
  return "0.1.0";
}

}  // namespace tessera
