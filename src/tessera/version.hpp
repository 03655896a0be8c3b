// The library's version, as built.
#pragma once

#include <string_view>

#include "tessera/export.hpp"

namespace tessera {

// "major.minor.patch" of the loaded library, which may differ from the headers a host compiled against.
TESSERA_API std::string_view Version() noexcept;

}  // namespace tessera
