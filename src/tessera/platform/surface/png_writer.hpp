// A surface written out as a PNG file (8-bit RGB), through libpng.
#pragma once

#include <string>
#include <string_view>

#include "tessera/export.hpp"
#include "tessera/platform/surface/canvas.hpp"

namespace tessera::platform {

// The PNG bytes of `canvas`; 7 when memory runs out.
TESSERA_API std::string EncodePng(const Canvas& canvas);

// Writes `canvas` to the library path `path`, replacing a file there without ever leaving it
// half-written; the file system's errors are those of WriteFileReplacing.
TESSERA_API void WritePng(const Canvas& canvas, std::string_view path);

}  // namespace tessera::platform
