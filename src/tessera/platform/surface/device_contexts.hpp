// Device-context handles of the drawing surfaces: every Canvas (and so every printer page) holds
// one from its construction to its destruction, so that the GDI layer can find the surface that a
// handle names. GDI objects take their handles from the same pool, so a font and a device context
// never share a handle. Used from the host's UI thread only.
#pragma once

#include <cstdint>

namespace tessera::platform {

class Canvas;

// A fresh handle, never 0 and never handed out before.
int32_t NewGdiHandle();

// Gives `canvas` a device context and answers its handle; Release ends it.
int32_t RegisterDeviceContext(Canvas& canvas);
void ReleaseDeviceContext(int32_t handle);

// The surface a device-context handle names, nullptr when it names none (any more).
Canvas* CanvasOfDeviceContext(int32_t handle);

}  // namespace tessera::platform
