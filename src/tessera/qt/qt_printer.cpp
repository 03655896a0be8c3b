#include "tessera/qt/qt_printer.hpp"

#include <QPainter>

#include "tessera/platform/runtime/error.hpp"
#include "tessera/qt/canvas_image.hpp"

namespace tessera::qt {
namespace {

QPrinter& AtOwnResolution(QPrinter& printer) {
  printer.setResolution(QtPrinter::kDotsPerInch);
  return printer;
}

QSize PageSize(QPrinter& printer) {
  return AtOwnResolution(printer).pageLayout().paintRectPixels(QtPrinter::kDotsPerInch).size();
}

}  // namespace

QtPrinter::QtPrinter(QPrinter& printer)
    : Printer(PageSize(printer).width(), PageSize(printer).height(), kTwipsPerPixel), printer_(printer) {}

void QtPrinter::PaintPicture(const platform::Picture& picture, float dest_left, float dest_top,
                             float dest_width, float dest_height, float source_left, float source_top,
                             float source_width, float source_height, uint32_t rop) {
  const float to_x =
      static_cast<float>(TwipsPerPixelX()) / static_cast<float>(platform::Screen::TwipsPerPixelX());
  const float to_y =
      static_cast<float>(TwipsPerPixelY()) / static_cast<float>(platform::Screen::TwipsPerPixelY());
  Printer::PaintPicture(picture, dest_left, dest_top, dest_width, dest_height, source_left * to_x,
                        source_top * to_y, source_width * to_x, source_height * to_y, rop);
}

void QtPrinter::EndDoc() {
  QPainter painter;
  if (!painter.begin(&printer_)) platform::Raise(platform::err::kDeviceIoError);
  for (std::size_t i = 0; i < PageCount(); ++i) {
    if (i > 0) printer_.newPage();
    const platform::Canvas& page = Page(i);
    painter.drawImage(QPoint(0, 0), ToQImage(page, QRect(0, 0, page.width(), page.height())));
  }
  painter.end();
}

}  // namespace tessera::qt
