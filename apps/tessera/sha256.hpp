// SHA-256 (FIPS 180-4) of a byte string, as lower-case hex: how a script pins down a canvas's
// pixels without carrying them.
#pragma once

#include <span>
#include <string>

namespace tessera::cli {

std::string Sha256Hex(std::span<const unsigned char> bytes);

}  // namespace tessera::cli
