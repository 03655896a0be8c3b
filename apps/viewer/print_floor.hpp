// "Print...": the open floor on one page of a printer, at a chosen scale or fitted to the page,
// landscape for a floor wider than high, with a footer. The floor and its plan go through the
// library's printer; the page with its footer then goes to the QPrinter (a printer, a PDF file or
// a preview) or into a PNG file.
#pragma once

#include <QDate>
#include <QPrinter>
#include <QString>
#include <memory>

#include "tessera/qt/qt_printer.hpp"
#include "tessera/raster/raster_background.hpp"
#include "view_transform.hpp"

namespace tessera::viewer {

struct PrintJob {
  RasterBackground* raster = nullptr;  // none for a floor without a plan
  Size floor;
  // 1:scale, the world point `centre` in the middle of the drawing; 0 fits the floor to the page.
  int scale = 0;
  Point centre;
  QString directory;
  QString floor_label;
  QDate date;
};

// Turns `printer` to the floor's orientation on A4, before a QtPrinter is made on it.
void SetUpPage(QPrinter& printer, Size floor);

// Draws the job's floor with its raster onto the printer's current page, above the footer's band,
// and answers the mapping used.
ViewTransform PrintFloor(const std::shared_ptr<qt::QtPrinter>& printer, const PrintJob& job);

// Prints the job as one page with its footer on `printer`; raises 57 when the printer cannot be
// opened (an output file that cannot be written).
void PrintPage(QPrinter& printer, const PrintJob& job);

// Prints the job onto an A4 page into `path`: a PNG picture for a name ending in ".png", else a
// PDF file; raises 57 when the file cannot be written.
void PrintToFile(const QString& path, const PrintJob& job);

}  // namespace tessera::viewer
