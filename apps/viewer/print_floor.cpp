#include "print_floor.hpp"

#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>

#include "floor_picture.hpp"
#include "print_footer.hpp"
#include "tessera/frame/companions/mensura/mens_global.hpp"
#include "tessera/platform/runtime/error.hpp"
#include "tessera/qt/canvas_image.hpp"

namespace tessera::viewer {
namespace {

constexpr double kDotsPerInch = qt::QtPrinter::kDotsPerInch;

double UnitsPerMetre() {
  return mensura::MensGlobal().UnitFactor();
}

// The page's drawing, above the footer.
Size DrawingArea(const platform::PictureControl& page) {
  return {static_cast<double>(page.ScaleWidth()), page.ScaleHeight() - FooterHeight(kDotsPerInch)};
}

ViewTransform PageView(const PrintJob& job, Size area) {
  ViewTransform view;
  if (job.scale <= 0) {
    view.Fit(job.floor, area);
    return view;
  }
  view.ZoomAbout(DevicePerWorld(job.scale, kDotsPerInch, UnitsPerMetre()), {0, 0});
  view.Pan(area.width / 2 - job.centre.x * view.scale(), area.height / 2 - job.centre.y * view.scale());
  return view;
}

// The library's page, then the footer over the band below the drawing.
void Compose(QPaintDevice& device, const qt::QtPrinter& page, const PrintJob& job,
             const ViewTransform& view) {
  QPainter painter;
  if (!painter.begin(&device)) platform::Raise(platform::err::kDeviceIoError);
  const QRect whole(0, 0, page.ScaleWidth(), page.ScaleHeight());
  painter.drawImage(QPoint(0, 0), qt::ToQImage(page.Page(0), whole));
  const double denominator = ScaleDenominator(view.scale(), kDotsPerInch, UnitsPerMetre());
  const FooterFacts facts{job.directory, job.floor_label, denominator, job.scale <= 0, job.date};
  const double top = DrawingArea(page).height;
  DrawFooter(painter, QRectF(0, top, whole.width(), whole.height() - top), facts,
             view.scale() * UnitsPerMetre());
  painter.end();
}

}  // namespace

void SetUpPage(QPrinter& printer, Size floor) {
  printer.setPageSize(QPageSize(QPageSize::A4));
  printer.setPageOrientation(floor.width > floor.height ? QPageLayout::Landscape : QPageLayout::Portrait);
}

ViewTransform PrintFloor(const std::shared_ptr<qt::QtPrinter>& printer, const PrintJob& job) {
  const ViewTransform view = PageView(job, DrawingArea(*printer));
  DrawFloorPicture(printer, job.raster, view, job.floor);
  return view;
}

void PrintPage(QPrinter& printer, const PrintJob& job) {
  const auto page = std::make_shared<qt::QtPrinter>(printer);
  const ViewTransform view = PrintFloor(page, job);
  Compose(printer, *page, job, view);
}

void PrintToFile(const QString& path, const PrintJob& job) {
  QPrinter pdf;
  pdf.setOutputFormat(QPrinter::PdfFormat);
  SetUpPage(pdf, job.floor);
  if (!path.endsWith(".png", Qt::CaseInsensitive)) {
    pdf.setOutputFileName(path);
    return PrintPage(pdf, job);
  }
  const auto page = std::make_shared<qt::QtPrinter>(pdf);  // the PDF printer only lends its page
  const ViewTransform view = PrintFloor(page, job);
  QImage picture(page->ScaleWidth(), page->ScaleHeight(), QImage::Format_RGB32);
  Compose(picture, *page, job, view);
  if (!picture.save(path, "PNG")) platform::Raise(platform::err::kDeviceIoError);
}

}  // namespace tessera::viewer
