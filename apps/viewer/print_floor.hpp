// "Print...": the floor fitted onto one page of a printer, landscape for a floor wider than high.
#pragma once

#include <QPrinter>
#include <memory>

#include "tessera/qt/qt_printer.hpp"
#include "tessera/raster/raster_background.hpp"
#include "view_transform.hpp"

namespace tessera::viewer {

// Turns `printer` to the floor's orientation on A4, before a QtPrinter is made on it.
void SetUpPage(QPrinter& printer, Size floor);

// Draws the floor with its raster (nullptr for none) fitted onto the printer's current page and
// answers the mapping used.
ViewTransform PrintFloor(const std::shared_ptr<qt::QtPrinter>& printer, RasterBackground* raster, Size floor);

// Prints the floor into the PDF file `pdf_path`; raises 57 when the file cannot be written.
void PrintFloorToPdf(const QString& pdf_path, RasterBackground* raster, Size floor);

}  // namespace tessera::viewer
