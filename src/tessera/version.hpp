// The library's version, as built.
#pragma once

#include <string_view>

namespace tessera {

// "major.minor.patch" of the loaded library, which may differ from the headers a host compiled against.
std::string_view Version() noexcept;

}  // namespace tessera
