#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "tessera/platform/gdi/gdi_objects.hpp"
#include "tessera/platform/gdi/text_out.hpp"
#include "tessera/platform/surface/printer.hpp"

namespace tessera::platform {
namespace {

int32_t Font(int32_t height, int32_t escapement = 0, bool underline = false, bool strike_out = false) {
  return CreateFontA(height, 0, escapement, 0, 400, 0, underline, strike_out, 1, 4, 16, 0, 0, "Arial");
}

TEST(DeviceCaps, AnswerTheSurfacesResolutionAndSize) {
  const Canvas canvas(800, 600);
  Printer printer;
  const struct {
    int32_t hdc;
    int32_t index;
    int32_t value;
  } cases[] = {
      {canvas.hDC(), LOGPIXELSX, 96},   {canvas.hDC(), LOGPIXELSY, 96},
      {canvas.hDC(), HORZRES, 800},     {canvas.hDC(), VERTRES, 600},
      {canvas.hDC(), HORZSIZE, 212},    {canvas.hDC(), VERTSIZE, 159},
      {printer.hDC(), LOGPIXELSY, 240}, {printer.hDC(), VERTRES, 2806},
      {printer.hDC(), VERTSIZE, 297},   {canvas.hDC(), 12, 0},
      {Font(10), LOGPIXELSX, 0},        {0, HORZRES, 0},
  };
  for (const auto& c : cases) EXPECT_EQ(GetDeviceCaps(c.hdc, c.index), c.value) << c.hdc << " " << c.index;
  const int32_t first_page = printer.hDC();
  printer.NewPage();
  EXPECT_NE(printer.hDC(), first_page) << "every page is a device context of its own";
}

TEST(GdiObjects, FontsKeepTheirArgumentsShareNoHandleAndStayWhileSelected) {
  const Canvas canvas(10, 10);
  const int32_t font = CreateFontA(-20, 3, 450, 7, 700, 1, 0, 1, 1, 4, 16, 2, 34, "Gr\366\337e");
  ASSERT_NE(font, 0);
  EXPECT_NE(font, canvas.hDC());
  EXPECT_EQ(*FontRecord(font),
            (LogicalFont{-20, 3, 450, 7, 700, true, false, true, 1, 4, 16, 2, 34, "Größe"}));
  const int32_t long_name = CreateFontA(-20, 0, 0, 0, 400, 0, 0, 0, 1, 4, 16, 0, 0, std::string(40, 'x'));
  EXPECT_EQ(FontRecord(long_name)->face_name, std::string(31, 'x')) << "cut to what GDI keeps";
  EXPECT_TRUE(DeleteObject(long_name));
  EXPECT_TRUE(DeleteObject(font));
  EXPECT_EQ(FontRecord(font), nullptr);
  EXPECT_FALSE(DeleteObject(font));
  // A selected font is not deleted until its device context lets go of it.
  const int32_t selected = Font(-12), other = Font(-14);
  auto surface = std::make_unique<Canvas>(10, 10);
  const int32_t hdc = surface->hDC();
  const int32_t stock = SelectedFont(hdc);
  EXPECT_EQ(SelectObject(hdc, selected), stock);
  EXPECT_EQ(SelectObject(hdc, 0), 0);
  EXPECT_EQ(SelectObject(0, other), 0);
  EXPECT_EQ(SelectedFont(hdc), selected);
  EXPECT_FALSE(DeleteObject(selected));
  EXPECT_TRUE(DeleteObject(stock)) << "the stock font stays whatever is asked";
  EXPECT_NE(FontRecord(stock), nullptr);
  EXPECT_EQ(SelectObject(hdc, other), selected);
  EXPECT_TRUE(DeleteObject(selected));
  surface.reset();
  EXPECT_TRUE(DeleteObject(other)) << "its device context has ended";
}

// The box of the pixels that are not white, and how many there are in each row.
struct Ink {
  int32_t left = 1 << 30, top = 1 << 30, right = -1, bottom = -1;
  std::vector<int32_t> per_row;
  int32_t width() const { return right - left + 1; }
  int32_t height() const { return bottom - top + 1; }
};

// What `text` in `font` at (x, y) leaves on a white 400 x 400 canvas.
Ink Drawn(int32_t font, int32_t x, int32_t y, std::string_view text) {
  Canvas canvas(400, 400);
  SelectObject(canvas.hDC(), font);
  EXPECT_TRUE(TextOutA(canvas.hDC(), x, y, text));
  SelectObject(canvas.hDC(), SelectedFont(0));
  Ink ink;
  ink.per_row.assign(static_cast<std::size_t>(canvas.height()), 0);
  for (int32_t y = 0; y < canvas.height(); ++y) {
    for (int32_t x = 0; x < canvas.width(); ++x) {
      if ((canvas.PixelAt(x, y) & 0xFF) > 0x80) continue;
      ink.left = std::min(ink.left, x), ink.right = std::max(ink.right, x);
      ink.top = std::min(ink.top, y), ink.bottom = std::max(ink.bottom, y);
      ++ink.per_row[static_cast<std::size_t>(y)];
    }
  }
  return ink;
}

TEST(TextOut, TextAtZeroAndNinetyDegreesCoversTheSameBoxTurnedAndLinesAreAdded) {
  const Ink across = Drawn(Font(-40), 50, 100, "HHHH");
  // Four capital H of a 40-pixel Arial (its metric twin): about 0.72 em wide each, 0.72 em high.
  EXPECT_NEAR(across.width(), 4 * 0.722 * 40 - 0.2 * 40, 12);
  EXPECT_NEAR(across.height(), 0.716 * 40, 2);
  EXPECT_GE(across.left, 50);
  EXPECT_GT(across.top, 100) << "the cell's top is above the capitals";
  const Ink up = Drawn(Font(-40, 900), 100, 350, "HHHH");
  EXPECT_NEAR(up.width(), across.height(), 1);
  EXPECT_NEAR(up.height(), across.width(), 1);
  EXPECT_GT(up.left, 100);
  EXPECT_LT(up.bottom, 350) << "the text runs upwards from its start";
  // Underline and strike-out add their lines.
  const Ink plain = Drawn(Font(-40), 50, 100, "IIII");
  const Ink underlined = Drawn(Font(-40, 0, true), 50, 100, "IIII");
  const Ink struck = Drawn(Font(-40, 0, false, true), 50, 100, "IIII");
  const auto widest_row = [&](const Ink& ink) {
    return *std::max_element(ink.per_row.begin() + plain.top, ink.per_row.begin() + plain.bottom + 1);
  };
  EXPECT_LT(widest_row(plain), plain.width() / 2) << "only the stems";
  EXPECT_GE(widest_row(struck), plain.width() - 1) << "a line through the stems";
  EXPECT_GT(underlined.bottom, plain.bottom + 1);
  EXPECT_GE(underlined.per_row[static_cast<std::size_t>(underlined.bottom)], plain.width() - 1);
}

TEST(TextOut, DrawsInThePenColourClippedToTheSurfaceAndNothingWithoutOne) {
  Canvas canvas(100, 60);
  canvas.ForeColor(0x0000FF);  // red
  const int32_t font = Font(-30);
  SelectObject(canvas.hDC(), font);
  ASSERT_TRUE(TextOutA(canvas.hDC(), 5, 5, "\xC4"));
  EXPECT_NE(std::count(canvas.pixels().begin(), canvas.pixels().end(), 0xFF0000u), 0);
  EXPECT_FALSE(TextOutA(0, 5, 5, "x"));
  const int32_t missing = CreateFontA(-20, 0, 0, 0, 400, 0, 0, 0, 1, 4, 16, 0, 0, "No Such Face");
  SelectObject(canvas.hDC(), missing);
  EXPECT_TRUE(TextOutA(canvas.hDC(), 5, 5, "x")) << "a face that is not installed falls back";
  EXPECT_EQ(FontRecord(missing)->face_name, "No Such Face");
  SelectObject(canvas.hDC(), Font(-(kMaxDrawnCharacterHeight + 1)));
  EXPECT_FALSE(TextOutA(canvas.hDC(), 5, 5, "x"));
  // A glyph far taller than the surface still covers the part of it that lands there: the stem of
  // an "l" 5 000 or 20 000 pixels high, started above and left of the surface, crosses it whole.
  for (const int32_t height : {5000, 20000}) {
    Canvas tall(40, 40, 0xFFFFFF);
    SelectObject(tall.hDC(), Font(-height));
    ASSERT_TRUE(TextOutA(tall.hDC(), -height / 10, -height / 2, "l")) << height;
    const auto black = std::count(tall.pixels().begin(), tall.pixels().end(), 0u);
    EXPECT_GT(black, 0) << height;
    EXPECT_EQ(black % 40, 0) << "whole rows of a vertical stem: " << height;
  }
}

}  // namespace
}  // namespace tessera::platform
