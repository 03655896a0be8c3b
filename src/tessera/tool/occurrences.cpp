#include "tessera/tool/occurrences.hpp"

namespace tessera {

Occurrences::Occurrences(std::u32string_view find) : find_(find), border_(find.size(), 0) {
  std::size_t length = 0;
  for (std::size_t k = 1; k < find.size(); ++k) {
    while (length > 0 && find[k] != find[length]) length = border_[length - 1];
    if (find[k] == find[length]) ++length;
    border_[k] = length;
  }
}

}  // namespace tessera
