#include "tessera/platform/surface/canvas.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <new>
#include <span>

#include "tessera/platform/picture/pixel_memory.hpp"
#include "tessera/platform/runtime/error.hpp"
#include "tessera/platform/surface/device_contexts.hpp"
#include "tessera/platform/surface/line_raster.hpp"

namespace tessera::platform {

namespace {

// A coordinate of the control's units as a whole pixel; far-off values are held at a distance at
// which every segment still crosses the surface the same way.
int64_t ToPixel(float value) {
  constexpr double kFar = 4.0e12;
  const double rounded = std::floor(static_cast<double>(value) + 0.5);
  if (!(rounded > -kFar)) return static_cast<int64_t>(-kFar);
  return static_cast<int64_t>(std::min(rounded, kFar));
}

// Dash patterns of styles 1 to 4, in pixels: on, off, on, off ...
std::span<const int> DashPattern(int16_t style) {
  static constexpr std::array<int, 2> kDash{18, 6};
  static constexpr std::array<int, 2> kDot{3, 3};
  static constexpr std::array<int, 4> kDashDot{9, 6, 3, 6};
  static constexpr std::array<int, 6> kDashDotDot{9, 3, 3, 3, 3, 3};
  switch (style) {
    case 1:
      return kDash;
    case 2:
      return kDot;
    case 3:
      return kDashDot;
    case 4:
      return kDashDotDot;
    default:
      return {};
  }
}

}  // namespace

Canvas::Canvas(int32_t width, int32_t height, uint32_t background, int32_t twips_per_pixel)
    : width_(width), height_(height), twips_per_pixel_(twips_per_pixel) {
  if (width < 1 || height < 1 || twips_per_pixel < 1) Raise(err::kInvalidProcedureCall);
  try {
    const std::size_t count = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    // A full-HD surface is 8 MB: in huge pages, 2 MB a fault, it fills several times faster.
    pixels_.reserve(count);
    AdviseHugePages(pixels_.data(), count * sizeof(uint32_t));
    pixels_.assign(count, background & kColourBits);
  } catch (const std::bad_alloc&) {
    Raise(err::kOutOfMemory);
  }
  device_context_ = RegisterDeviceContext(*this);  // last, so that a failed surface leaves none behind
}

Canvas::Canvas(const Canvas& other)
    : PictureControl(other),
      width_(other.width_),
      height_(other.height_),
      pixels_(other.pixels_),
      twips_per_pixel_(other.twips_per_pixel_),
      draw_mode_(other.draw_mode_),
      draw_width_(other.draw_width_),
      fore_color_(other.fore_color_),
      draw_style_(other.draw_style_),
      stretch_mode_(other.stretch_mode_) {
  device_context_ = RegisterDeviceContext(*this);
}

Canvas::~Canvas() {
  ReleaseDeviceContext(device_context_);
}

void Canvas::DrawMode(int16_t mode) {
  if (mode < 1 || mode > 16) Raise(err::kInvalidPropertyValue);
  draw_mode_ = mode;
}

void Canvas::DrawWidth(int16_t width) {
  if (width < 1) Raise(err::kInvalidPropertyValue);
  draw_width_ = width;
}

void Canvas::ForeColor(int32_t colour) {
  if (colour < 0 || colour > 0xFFFFFF) Raise(err::kInvalidPropertyValue);
  fore_color_ = colour;
}

void Canvas::DrawStyle(int16_t style) {
  if (style < 0 || style > 6) Raise(err::kInvalidPropertyValue);
  draw_style_ = style;
}

void Canvas::Clear(uint32_t background) {
  std::fill(pixels_.begin(), pixels_.end(), background & kColourBits);
}

bool Canvas::PatternOn(int64_t step) const {
  const auto pattern = DashPattern(draw_width_ == 1 ? draw_style_ : 0);
  if (pattern.empty()) return true;
  int period = 0;
  for (int length : pattern) period += length;
  auto position = static_cast<int>(step % period);
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    if (position < pattern[i]) return i % 2 == 0;
    position -= pattern[i];
  }
  return true;
}

void Canvas::DrawSegment(int64_t x1, int64_t y1, int64_t x2, int64_t y2, uint32_t pen) {
  const int64_t low = -(draw_width_ - 1) / 2;
  for (int64_t offset = low; offset < low + draw_width_; ++offset) {
    RasteriseSegment({x1, y1, x2, y2}, offset, width_, height_, [&](int32_t x, int32_t y, int64_t step) {
      if (PatternOn(step)) Plot(x, y, pen);
    });
  }
}

// The border pixels of [left, right] x [top, bottom]: the top and bottom rows whole, the side
// columns between them, so that no pixel is drawn twice however thin the box.
void Canvas::DrawOutline(int64_t left, int64_t top, int64_t right, int64_t bottom, uint32_t pen) {
  const auto row = [&](int64_t y) {
    if (y < 0 || y >= height_) return;
    for (int64_t x = std::max<int64_t>(left, 0); x <= std::min<int64_t>(right, width_ - 1); ++x) {
      if (PatternOn(x - left)) Plot(static_cast<int32_t>(x), static_cast<int32_t>(y), pen);
    }
  };
  const auto column = [&](int64_t x) {
    if (x < 0 || x >= width_) return;
    for (int64_t y = std::max<int64_t>(top + 1, 0); y <= std::min<int64_t>(bottom - 1, height_ - 1); ++y) {
      if (PatternOn(y - top)) Plot(static_cast<int32_t>(x), static_cast<int32_t>(y), pen);
    }
  };
  row(top);
  if (bottom > top) row(bottom);
  column(left);
  if (right > left) column(right);
}

void Canvas::FillBox(int64_t left, int64_t top, int64_t right, int64_t bottom, uint32_t pen) {
  for (int64_t y = std::max<int64_t>(top, 0); y <= std::min<int64_t>(bottom, height_ - 1); ++y) {
    for (int64_t x = std::max<int64_t>(left, 0); x <= std::min<int64_t>(right, width_ - 1); ++x) {
      Plot(static_cast<int32_t>(x), static_cast<int32_t>(y), pen);
    }
  }
}

void Canvas::Line(float x1, float y1, float x2, float y2, LineShape shape, std::optional<int32_t> colour) {
  if (colour && (*colour < 0 || *colour > 0xFFFFFF)) Raise(err::kInvalidProcedureCall);
  if (draw_style_ == 5) return;  // the transparent pen
  const uint32_t pen = PixelFromColour(colour.value_or(fore_color_));
  const int64_t ax = ToPixel(x1), ay = ToPixel(y1), bx = ToPixel(x2), by = ToPixel(y2);
  if (shape == LineShape::kSegment) {
    DrawSegment(ax, ay, bx, by, pen);
    return;
  }
  int64_t left = std::min(ax, bx), right = std::max(ax, bx), top = std::min(ay, by),
          bottom = std::max(ay, by);
  if (shape == LineShape::kFilledBox) {
    FillBox(left, top, right, bottom, pen);
    return;
  }
  for (int ring = 0; ring < draw_width_ && left <= right && top <= bottom; ++ring) {
    DrawOutline(left++, top++, right--, bottom--, pen);
  }
}

void Canvas::PaintPicture(const Picture& picture, float dest_left, float dest_top, float dest_width,
                          float dest_height, float source_left, float source_top, float source_width,
                          float source_height, uint32_t rop) {
  const auto table = SourceOpTable(rop);
  if (!table) Raise(err::kInvalidProcedureCall);
  StretchBlit({pixels_.data(), width_, height_}, picture, {dest_left, dest_top, dest_width, dest_height},
              {source_left, source_top, source_width, source_height}, *table, stretch_mode_, scratch_);
}

}  // namespace tessera::platform
