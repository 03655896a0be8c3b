// What {"inspect":"name"} answers: the state of an object a script holds, as JSON.
//
// A raster answers its properties and, while its transformation dialog is open, "dialog": the
// window's caption, topmost flag, position, current page, its five fields and every control by
// name. A canvas answers its size, its pen and the SHA-256 of its pixels (each pixel as four
// bytes 0x00RRGGBB, little-endian, row by row). Any other object answers its properties.
#pragma once

#include <nlohmann/json.hpp>

#include "tessera/platform/runtime/object.hpp"

namespace tessera::cli {

nlohmann::ordered_json ObjectState(const platform::ObjectRef& object);

}  // namespace tessera::cli
