// An in-memory 32-bit drawing surface with the picture control's pen, line operation and block
// transfer: what the library draws on where the host would give it a picture control.
//
// Lines of width 1 touch every pixel of the segment exactly once, from the start point up to but
// not including the end point, as the platform's line operation (a segment from a point to
// itself draws nothing); a box outlines exactly the border pixels of the rectangle between its
// corners, corners included, each once. So drawing any segment or box twice in mode 6 restores
// every pixel. Coordinates are rounded to whole pixels. Clipping never changes which pixels
// inside the surface are touched.
//
// Wider pens and draw styles are kept simple: a pen of width w draws w parallel one-pixel
// segments side by side across the minor axis (a box: w nested outlines inwards), so each pixel is
// still touched once; styles 1 to 4 repeat their dash pattern along each segment or box edge and
// apply to width 1 only, as wider styled pens draw solid; style 5 draws nothing. The interior of an
// unfilled box is left alone (the fill style is transparent).
#pragma once

#include <cstdint>
#include <vector>

#include "tessera/export.hpp"
#include "tessera/platform/surface/picture_control.hpp"
#include "tessera/platform/surface/stretch_blit.hpp"

namespace tessera::platform {

class TESSERA_API Canvas : public PictureControl {
 public:
  // A surface of width x height pixels in `background` (0x00RRGGBB); raises 5 for a size below 1
  // and 7 when memory runs out.
  Canvas(int32_t width, int32_t height, uint32_t background = kColourBits, int32_t twips_per_pixel = 15);
  // Every surface is a device context of its own, from its construction to its end: a copy has
  // the pixels and the pen of its original and a new device context.
  Canvas(const Canvas& other);
  Canvas& operator=(const Canvas&) = delete;
  ~Canvas() override;

  std::string_view TypeName() const noexcept override { return "PictureBox"; }

  int16_t DrawMode() const override { return draw_mode_; }
  void DrawMode(int16_t mode) override;
  int16_t DrawWidth() const override { return draw_width_; }
  void DrawWidth(int16_t width) override;
  int32_t ForeColor() const override { return fore_color_; }
  void ForeColor(int32_t colour) override;
  int16_t DrawStyle() const override { return draw_style_; }
  void DrawStyle(int16_t style) override;

  void Line(float x1, float y1, float x2, float y2, LineShape shape = LineShape::kSegment,
            std::optional<int32_t> colour = std::nullopt) override;
  void PaintPicture(const Picture& picture, float dest_left, float dest_top, float dest_width,
                    float dest_height, float source_left, float source_top, float source_width,
                    float source_height, uint32_t rop = kSrcCopy) override;

  int32_t TwipsPerPixelX() const override { return twips_per_pixel_; }
  int32_t TwipsPerPixelY() const override { return twips_per_pixel_; }
  int32_t ScaleWidth() const override { return width_; }
  int32_t ScaleHeight() const override { return height_; }
  int32_t hDC() const override { return device_context_; }

  // How PaintPicture combines source pixels that meet in one; AND for a fresh surface.
  StretchMode stretch_mode() const noexcept { return stretch_mode_; }
  void stretch_mode(StretchMode mode) noexcept { stretch_mode_ = mode; }

  int32_t width() const noexcept { return width_; }
  int32_t height() const noexcept { return height_; }
  uint32_t PixelAt(int32_t x, int32_t y) const { return pixels_[Index(x, y)]; }
  void SetPixel(int32_t x, int32_t y, uint32_t pixel) { pixels_[Index(x, y)] = pixel; }
  const std::vector<uint32_t>& pixels() const noexcept { return pixels_; }
  void Clear(uint32_t background);

 private:
  std::size_t Index(int32_t x, int32_t y) const {
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x);
  }
  void Plot(int32_t x, int32_t y, uint32_t pen) {
    uint32_t& pixel = pixels_[Index(x, y)];
    pixel = ApplyBinaryOp(DrawModeTable(draw_mode_), pen, pixel);
  }
  bool PatternOn(int64_t step) const;
  void DrawSegment(int64_t x1, int64_t y1, int64_t x2, int64_t y2, uint32_t pen);
  void DrawOutline(int64_t left, int64_t top, int64_t right, int64_t bottom, uint32_t pen);
  void FillBox(int64_t left, int64_t top, int64_t right, int64_t bottom, uint32_t pen);

  int32_t width_;
  int32_t height_;
  std::vector<uint32_t> pixels_;
  int32_t twips_per_pixel_;
  int32_t device_context_ = 0;
  int16_t draw_mode_ = 13;
  int16_t draw_width_ = 1;
  int32_t fore_color_ = 0;
  int16_t draw_style_ = 0;
  StretchMode stretch_mode_ = StretchMode::kAndScans;
  BlitScratch scratch_;
};

}  // namespace tessera::platform
