#include "tessera/platform/gdi/text_out.hpp"

#include <ft2build.h>
#include FT_OUTLINE_H
#include FT_SYNTHESIS_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cmath>
#include <numbers>
#include <span>

#include "tessera/platform/gdi/font_faces.hpp"
#include "tessera/platform/runtime/codepage.hpp"
#include "tessera/platform/runtime/error.hpp"
#include "tessera/platform/surface/canvas.hpp"
#include "tessera/platform/surface/device_contexts.hpp"

namespace tessera::platform {

namespace {

constexpr double kFixedOne = 65536.0;  // FreeType's 16.16 one
constexpr double kSubpixels = 64.0;    // FreeType's 26.6 one
constexpr int32_t kDefaultPoints = 12;
constexpr int32_t kPointsPerInch = 72;

struct Vector {
  double x;
  double y;
};

// Where the text goes on the surface: the baseline's start, the direction of writing and the
// direction towards below the baseline, all in pixels with y growing downwards.
struct Baseline {
  Vector origin;
  Vector along;
  Vector down;
};

// The pixels per em of a logical height on a surface of `dpi`.
uint32_t PixelsPerEm(const LogicalFont& font, FT_Face face, int32_t dpi) {
  if (font.height < 0) return static_cast<uint32_t>(-static_cast<int64_t>(font.height));
  if (font.height == 0) return static_cast<uint32_t>(kDefaultPoints * dpi / kPointsPerInch);
  const double cell = static_cast<double>(face->ascender - face->descender);
  return static_cast<uint32_t>(std::lround(font.height * face->units_per_EM / cell));
}

void Blend(Canvas& canvas, int64_t x, int64_t y, uint8_t coverage, uint32_t colour) {
  if (coverage == 0 || x < 0 || y < 0 || x >= canvas.width() || y >= canvas.height()) return;
  const auto px = static_cast<int32_t>(x), py = static_cast<int32_t>(y);
  const uint32_t under = canvas.PixelAt(px, py);
  uint32_t mixed = 0;
  for (int shift = 0; shift <= 16; shift += 8) {
    const uint32_t pen = colour >> shift & 0xFF, old = under >> shift & 0xFF;
    mixed |= ((pen * coverage + old * (255u - coverage) + 127u) / 255u) << shift;
  }
  canvas.SetPixel(px, py, mixed);
}

// Where rendered spans of one glyph go: the outline's pixel (x, y), y growing upwards from the
// glyph's origin, is the surface's (origin_x + x, origin_y - 1 - y).
struct SpanTarget {
  Canvas* canvas;
  int64_t origin_x;
  int64_t origin_y;
  uint32_t colour;
};

void BlendSpans(int y, int count, const FT_Span* spans, void* user) {
  const auto& target = *static_cast<const SpanTarget*>(user);
  for (const FT_Span& span : std::span(spans, static_cast<std::size_t>(count))) {
    for (int64_t x = span.x; x < span.x + span.len; ++x)
      Blend(*target.canvas, target.origin_x + x, target.origin_y - 1 - y, span.coverage, target.colour);
  }
}

// Renders the loaded glyph's outline straight into the surface, clipped to it: the rasteriser
// only visits the rows and columns that land on the surface, so a glyph far taller than the
// surface costs no more than the surface.
void RenderClipped(Canvas& canvas, FT_GlyphSlot glyph, int64_t origin_x, int64_t origin_y, uint32_t colour) {
  if (glyph->format != FT_GLYPH_FORMAT_OUTLINE) return;
  SpanTarget target{&canvas, origin_x, origin_y, colour};
  FT_Raster_Params params{};
  params.source = &glyph->outline;
  params.flags = FT_RASTER_FLAG_AA | FT_RASTER_FLAG_DIRECT | FT_RASTER_FLAG_CLIP;
  params.gray_spans = BlendSpans;
  params.user = &target;
  params.clip_box = {static_cast<FT_Pos>(-origin_x), static_cast<FT_Pos>(origin_y - canvas.height()),
                     static_cast<FT_Pos>(canvas.width() - origin_x), static_cast<FT_Pos>(origin_y)};
  FT_Outline_Render(glyph->library, &glyph->outline, &params);
}

// A band parallel to the baseline from `offset` to `offset + thickness` pixels below it, as long
// as the text: every pixel whose centre lies inside is painted.
void DrawBand(Canvas& canvas, const Baseline& base, double length, double offset, double thickness,
              uint32_t colour) {
  const Vector corners[] = {
      {0, offset}, {length, offset}, {0, offset + thickness}, {length, offset + thickness}};
  double min_x = 1e300, max_x = -1e300, min_y = 1e300, max_y = -1e300;
  for (const Vector& c : corners) {
    const double x = base.origin.x + c.x * base.along.x + c.y * base.down.x;
    const double y = base.origin.y + c.x * base.along.y + c.y * base.down.y;
    min_x = std::min(min_x, x), max_x = std::max(max_x, x), min_y = std::min(min_y, y),
    max_y = std::max(max_y, y);
  }
  const auto first_x = static_cast<int64_t>(std::max(std::floor(min_x), 0.0));
  const auto last_x = static_cast<int64_t>(std::min(std::ceil(max_x), canvas.width() - 1.0));
  const auto first_y = static_cast<int64_t>(std::max(std::floor(min_y), 0.0));
  const auto last_y = static_cast<int64_t>(std::min(std::ceil(max_y), canvas.height() - 1.0));
  for (int64_t y = first_y; y <= last_y; ++y) {
    for (int64_t x = first_x; x <= last_x; ++x) {
      const double dx = x + 0.5 - base.origin.x, dy = y + 0.5 - base.origin.y;
      const double t = dx * base.along.x + dy * base.along.y, s = dx * base.down.x + dy * base.down.y;
      if (t >= 0 && t < length && s >= offset && s < offset + thickness) Blend(canvas, x, y, 255, colour);
    }
  }
}

// Draws the glyphs along the baseline and answers the length of the advance.
double DrawGlyphs(Canvas& canvas, const MatchedFace& matched, const Baseline& base, std::string_view text,
                  uint32_t colour) {
  FT_Face face = matched.face;
  // The rotation in FreeType's space, whose y grows upwards.
  const auto fixed = [](double value) { return static_cast<FT_Fixed>(std::lround(value * kFixedOne)); };
  FT_Matrix turn{fixed(base.along.x), fixed(base.along.y), fixed(-base.along.y), fixed(base.along.x)};
  Vector pen = base.origin;
  for (const char byte : text) {
    const Vector whole{std::floor(pen.x), std::floor(pen.y)};
    FT_Vector fraction{static_cast<FT_Pos>(std::lround((pen.x - whole.x) * kSubpixels)),
                       static_cast<FT_Pos>(std::lround(-(pen.y - whole.y) * kSubpixels))};
    FT_Set_Transform(face, &turn, &fraction);
    if (FT_Load_Char(face, AnsiCodePoint(static_cast<uint8_t>(byte)), FT_LOAD_NO_BITMAP) != 0) continue;
    if (matched.embolden) FT_GlyphSlot_Embolden(face->glyph);
    if (matched.slant) FT_GlyphSlot_Oblique(face->glyph);
    RenderClipped(canvas, face->glyph, static_cast<int64_t>(whole.x), static_cast<int64_t>(whole.y), colour);
    pen.x += face->glyph->advance.x / kSubpixels;
    pen.y -= face->glyph->advance.y / kSubpixels;
  }
  FT_Set_Transform(face, nullptr, nullptr);
  return std::hypot(pen.x - base.origin.x, pen.y - base.origin.y);
}

void DrawDecorations(Canvas& canvas, const LogicalFont& font, FT_Face face, const Baseline& base,
                     double length, uint32_t colour) {
  const double pixels_per_unit = face->size->metrics.y_ppem / static_cast<double>(face->units_per_EM);
  const double line = std::max(1.0, std::round(face->underline_thickness * pixels_per_unit));
  if (font.underline)
    DrawBand(canvas, base, length, std::round(-face->underline_position * pixels_per_unit), line, colour);
  if (!font.strike_out) return;
  const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
  const double above = os2 != nullptr ? os2->yStrikeoutPosition * pixels_per_unit
                                      : face->size->metrics.ascender / kSubpixels * 0.3;
  const double thickness =
      os2 != nullptr ? std::max(1.0, std::round(os2->yStrikeoutSize * pixels_per_unit)) : line;
  DrawBand(canvas, base, length, -std::round(above), thickness, colour);
}

}  // namespace

bool TextOutA(int32_t hdc, int32_t x, int32_t y, std::string_view text) {
  Canvas* canvas = CanvasOfDeviceContext(hdc);
  const LogicalFont* font = FontRecord(SelectedFont(hdc));
  if (canvas == nullptr || font == nullptr) return false;
  try {
    const std::lock_guard faces(TypefaceGuard());
    const MatchedFace matched = FaceFor(*font);
    const int32_t dpi = GetDeviceCaps(hdc, LOGPIXELSY);
    const uint32_t ppem = PixelsPerEm(*font, matched.face, dpi);
    if (ppem < 1 || ppem > kMaxDrawnCharacterHeight) return false;
    if (FT_Set_Pixel_Sizes(matched.face, 0, ppem) != 0) return false;
    const double angle = font->escapement / 10.0 * std::numbers::pi / 180.0;
    const Vector along{std::cos(angle), -std::sin(angle)}, down{std::sin(angle), std::cos(angle)};
    const double ascent = matched.face->size->metrics.ascender / kSubpixels;
    const Baseline base{{x + ascent * down.x, y + ascent * down.y}, along, down};
    const uint32_t colour = PixelFromColour(canvas->ForeColor());
    const double length = DrawGlyphs(*canvas, matched, base, text, colour);
    DrawDecorations(*canvas, *font, matched.face, base, length, colour);
    return true;
  } catch (const RuntimeError&) {
    return false;
  }
}

}  // namespace tessera::platform
