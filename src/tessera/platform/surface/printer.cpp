#include "tessera/platform/surface/printer.hpp"

#include "tessera/platform/surface/png_writer.hpp"

namespace tessera::platform {

Printer::Printer(int32_t page_width, int32_t page_height, int32_t twips_per_pixel) {
  pages_.push_back(std::make_unique<Canvas>(page_width, page_height, kColourBits, twips_per_pixel));
}

void Printer::PaintPicture(const Picture& picture, float dest_left, float dest_top, float dest_width,
                           float dest_height, float source_left, float source_top, float source_width,
                           float source_height, uint32_t rop) {
  const float to_x = static_cast<float>(TwipsPerPixelX()) / static_cast<float>(Screen::TwipsPerPixelX());
  const float to_y = static_cast<float>(TwipsPerPixelY()) / static_cast<float>(Screen::TwipsPerPixelY());
  page().PaintPicture(picture, dest_left, dest_top, dest_width, dest_height, source_left * to_x,
                      source_top * to_y, source_width * to_x, source_height * to_y, rop);
}

void Printer::NewPage() {
  const Canvas& last = page();
  auto next = std::make_unique<Canvas>(last.width(), last.height(), kColourBits, last.TwipsPerPixelX());
  next->DrawMode(last.DrawMode());
  next->DrawWidth(last.DrawWidth());
  next->ForeColor(last.ForeColor());
  next->DrawStyle(last.DrawStyle());
  next->stretch_mode(last.stretch_mode());
  pages_.push_back(std::move(next));
}

std::vector<std::string> Printer::WritePages(std::string_view path) const {
  std::string stem(path);
  if (stem.size() >= 4 && stem.compare(stem.size() - 4, 4, ".png") == 0) stem.resize(stem.size() - 4);
  std::vector<std::string> files;
  for (std::size_t i = 0; i < pages_.size(); ++i) {
    files.push_back(stem + "-" + std::to_string(i + 1) + ".png");
    WritePng(*pages_[i], files.back());
  }
  return files;
}

void Screen::SetTwipsPerPixel(int32_t x, int32_t y) noexcept {
  if (x > 0) twips_per_pixel_x_ = x;
  if (y > 0) twips_per_pixel_y_ = y;
}

}  // namespace tessera::platform
