// The printer: a picture control whose drawing goes onto pages at the printer's resolution, kept
// in memory and written out as PNG files, one per page.
//
// A host tells the printer from a picture control by its type name "Printer". The pen and the
// stretch mode carry over from page to page, as they do on a real printer.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "tessera/export.hpp"
#include "tessera/platform/surface/canvas.hpp"

namespace tessera::platform {

class TESSERA_API Printer : public PictureControl {
 public:
  // A4 at 240 dots per inch: 6 twips per pixel.
  static constexpr int32_t kA4Width = 1984;
  static constexpr int32_t kA4Height = 2806;
  static constexpr int32_t kTwipsPerPixel = 6;

  explicit Printer(int32_t page_width = kA4Width, int32_t page_height = kA4Height,
                   int32_t twips_per_pixel = kTwipsPerPixel);

  std::string_view TypeName() const noexcept override { return "Printer"; }

  int16_t DrawMode() const override { return page().DrawMode(); }
  void DrawMode(int16_t mode) override { page().DrawMode(mode); }
  int16_t DrawWidth() const override { return page().DrawWidth(); }
  void DrawWidth(int16_t width) override { page().DrawWidth(width); }
  int32_t ForeColor() const override { return page().ForeColor(); }
  void ForeColor(int32_t colour) override { page().ForeColor(colour); }
  int16_t DrawStyle() const override { return page().DrawStyle(); }
  void DrawStyle(int16_t style) override { page().DrawStyle(style); }

  void Line(float x1, float y1, float x2, float y2, LineShape shape = LineShape::kSegment,
            std::optional<int32_t> colour = std::nullopt) override {
    page().Line(x1, y1, x2, y2, shape, colour);
  }
  // The source rectangle comes in printer pixels, as a host's printer measures it; a picture's
  // pixel is a screen pixel, so the source is scaled back by the two resolutions before the copy
  // and the picture lands where the destination rectangle says.
  void PaintPicture(const Picture& picture, float dest_left, float dest_top, float dest_width,
                    float dest_height, float source_left, float source_top, float source_width,
                    float source_height, uint32_t rop = kSrcCopy) override;

  int32_t TwipsPerPixelX() const override { return page().TwipsPerPixelX(); }
  int32_t TwipsPerPixelY() const override { return page().TwipsPerPixelY(); }
  int32_t ScaleWidth() const override { return page().ScaleWidth(); }
  int32_t ScaleHeight() const override { return page().ScaleHeight(); }
  int32_t hDC() const override { return page().hDC(); }

  // Ends the current page and starts a blank one.
  void NewPage();

  std::size_t PageCount() const noexcept { return pages_.size(); }
  const Canvas& Page(std::size_t index) const { return *pages_.at(index); }

  // Writes page n (from 1) to "<stem>-<n>.png" beside `path` ("out.png" gives "out-1.png" ...)
  // and answers the files written.
  std::vector<std::string> WritePages(std::string_view path) const;

 private:
  Canvas& page() const { return *pages_.back(); }

  std::vector<std::unique_ptr<Canvas>> pages_;
};

// The screen's metrics: 15 twips per pixel at 96 dots per inch, unless a host sets others.
class TESSERA_API Screen {
 public:
  static int32_t TwipsPerPixelX() noexcept { return twips_per_pixel_x_; }
  static int32_t TwipsPerPixelY() noexcept { return twips_per_pixel_y_; }
  static void SetTwipsPerPixel(int32_t x, int32_t y) noexcept;

 private:
  static inline int32_t twips_per_pixel_x_ = 15;
  static inline int32_t twips_per_pixel_y_ = 15;
};

}  // namespace tessera::platform
