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
