#include "tessera/dates/ckalfkt.hpp"

namespace tessera {

CKalFKt& ImplicitCKalFKt() {
  static CKalFKt instance;
  return instance;
}

}  // namespace tessera
