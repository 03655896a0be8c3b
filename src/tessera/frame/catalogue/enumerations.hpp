// The library's two public enumerations; both are 32-bit values at the component interface.
#pragma once

#include <cstdint>

namespace tessera {

// How CTextFile opens its file.
enum FileOpenConstans : int32_t {
  foInput = 0,
  foOutput = 1,
  foAppend = 2,
  foRandom = 3,
  foBinary = 4,
};

// What a raster background's interactive editing does with the mouse.
enum RasterTransEditModeConst : int32_t {
  rteNoEdit = 0,
  rteShift = 1,
  rteScale = 2,
};

}  // namespace tessera
