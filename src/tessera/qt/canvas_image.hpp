// A part of a Canvas as a QImage, for showing or printing it. Only ever a widget or a page: a
// whole scan never becomes a QImage (Qt refuses images past 256 MB).
#pragma once

#include <QImage>
#include <QRect>

#include "tessera/platform/surface/canvas.hpp"

namespace tessera::qt {

// The pixels of `part` (clipped to the canvas) as an opaque RGB32 image; a null image when the
// part lies outside.
QImage ToQImage(const platform::Canvas& canvas, QRect part);

}  // namespace tessera::qt
