#include "print_floor.hpp"

#include <QPageLayout>
#include <QPageSize>

#include "floor_picture.hpp"

namespace tessera::viewer {

void SetUpPage(QPrinter& printer, Size floor) {
  printer.setPageSize(QPageSize(QPageSize::A4));
  printer.setPageOrientation(floor.width > floor.height ? QPageLayout::Landscape : QPageLayout::Portrait);
}

ViewTransform PrintFloor(const std::shared_ptr<qt::QtPrinter>& printer, RasterBackground* raster,
                         Size floor) {
  ViewTransform view;
  view.Fit(floor, {static_cast<double>(printer->ScaleWidth()), static_cast<double>(printer->ScaleHeight())});
  DrawFloorPicture(printer, raster, view, floor);
  return view;
}

void PrintFloorToPdf(const QString& pdf_path, RasterBackground* raster, Size floor) {
  QPrinter pdf;
  pdf.setOutputFormat(QPrinter::PdfFormat);
  pdf.setOutputFileName(pdf_path);
  SetUpPage(pdf, floor);
  const auto printer = std::make_shared<qt::QtPrinter>(pdf);
  PrintFloor(printer, raster, floor);
  printer->EndDoc();
}

}  // namespace tessera::viewer
