#include "tessera/qt/canvas_image.hpp"

namespace tessera::qt {

QImage ToQImage(const platform::Canvas& canvas, QRect part) {
  part &= QRect(0, 0, canvas.width(), canvas.height());
  if (part.isEmpty()) return {};
  QImage image(part.size(), QImage::Format_RGB32);
  // Canvas pixels are 0x00RRGGBB; RGB32 wants the top byte set.
  for (int y = 0; y < part.height(); ++y) {
    auto* out = reinterpret_cast<uint32_t*>(image.scanLine(y));
    const uint32_t* in =
        &canvas.pixels()[static_cast<std::size_t>(part.top() + y) * canvas.width() + part.left()];
    for (int x = 0; x < part.width(); ++x) out[x] = in[x] | 0xFF000000u;
  }
  return image;
}

}  // namespace tessera::qt
