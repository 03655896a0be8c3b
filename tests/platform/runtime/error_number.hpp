// The run-time error number an operation raises, 0 when it raises none.
#pragma once

#include <cstdint>

#include "tessera/platform/runtime/error.hpp"

namespace tessera::platform::testing {

inline int32_t ErrorNumberOf(auto operation) {
  try {
    operation();
  } catch (const RuntimeError& e) {
    return e.number();
  }
  return 0;
}

}  // namespace tessera::platform::testing
