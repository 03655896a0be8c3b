// What the library draws on: the host's picture control (and the printer), with its pen, its line
// operation and its block transfer, measured in pixels.
//
// The pen: DrawMode is one of the 16 binary raster operations (1 to 16; 6 inverts the destination,
// 13 copies the pen), DrawWidth is at least 1, ForeColor is a colour value (red + 256 x green +
// 65536 x blue), DrawStyle is 0 solid, 1 dash, 2 dot, 3 dash-dot, 4 dash-dot-dot, 5 transparent,
// 6 inside solid. A value outside these ranges is error 380 and changes nothing.
#pragma once

#include <cstdint>
#include <optional>

#include "tessera/export.hpp"
#include "tessera/platform/picture/picture.hpp"
#include "tessera/platform/runtime/object.hpp"
#include "tessera/platform/surface/binary_ops.hpp"

namespace tessera::platform {

enum class LineShape : uint8_t { kSegment, kBox, kFilledBox };

class TESSERA_API PictureControl : public Object {
 public:
  virtual int16_t DrawMode() const = 0;
  virtual void DrawMode(int16_t mode) = 0;
  virtual int16_t DrawWidth() const = 0;
  virtual void DrawWidth(int16_t width) = 0;
  virtual int32_t ForeColor() const = 0;
  virtual void ForeColor(int32_t colour) = 0;
  virtual int16_t DrawStyle() const = 0;
  virtual void DrawStyle(int16_t style) = 0;

  // The line operation: a segment from (x1, y1) to (x2, y2) with both end points, or the outline
  // or the filled area of the box between the two corners, in the pen's mode and width, in
  // `colour` when given, else in ForeColor.
  virtual void Line(float x1, float y1, float x2, float y2, LineShape shape = LineShape::kSegment,
                    std::optional<int32_t> colour = std::nullopt) = 0;

  // The stretching block transfer of the source rectangle of `picture` (in its pixels) to the
  // destination rectangle (in the control's pixels), combined by raster operation `rop`. Negative
  // extents mirror; both rectangles are clipped to their images. An unknown `rop` is error 5.
  virtual void PaintPicture(const Picture& picture, float dest_left, float dest_top, float dest_width,
                            float dest_height, float source_left, float source_top, float source_width,
                            float source_height, uint32_t rop = kSrcCopy) = 0;

  virtual int32_t TwipsPerPixelX() const = 0;
  virtual int32_t TwipsPerPixelY() const = 0;
  // The drawable size in the control's units (pixels).
  virtual int32_t ScaleWidth() const = 0;
  virtual int32_t ScaleHeight() const = 0;
  // The device context through which the GDI layer reaches this surface; never 0.
  virtual int32_t hDC() const = 0;
};

}  // namespace tessera::platform
