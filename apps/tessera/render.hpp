// `tessera render` and `tessera place`: a floor's raster background from its raster directory,
// drawn into a PNG, or placed into the floor and recorded in "Raster.ini".
#pragma once

#include <span>

namespace tessera::cli {

// tessera render RASTERDIR FLOOR --height H --width W [--so] [--view L,T,R,B] [--size WxH]
//                [--printer] -o OUT.png
int Render(std::span<char* const> args);

// tessera place RASTERDIR FLOOR FILE --height H --width W [--so]
int Place(std::span<char* const> args);

}  // namespace tessera::cli
