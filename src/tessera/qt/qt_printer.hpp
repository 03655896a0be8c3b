// The printer of a Qt host: the library's Printer, whose pages go to a QPrinter (a real printer
// or a PDF file) when the document ends.
//
// The library tells it from a picture control by its type name "Printer", as any printer, and
// hands PaintPicture its source rectangle in printer pixels, converted from the picture's screen
// pixels by the two resolutions. This printer converts it back, so that the raster lands on the
// page exactly where the destination rectangle says, as on the screen.
#pragma once

#include <QPrinter>

#include "tessera/platform/surface/printer.hpp"

namespace tessera::qt {

class QtPrinter : public platform::Printer {
 public:
  static constexpr int kDotsPerInch = 1440 / kTwipsPerPixel;

  // Sets `printer` to 240 dots per inch and makes pages the size of its printable area. The
  // QPrinter must outlive this object.
  explicit QtPrinter(QPrinter& printer);

  void PaintPicture(const platform::Picture& picture, float dest_left, float dest_top, float dest_width,
                    float dest_height, float source_left, float source_top, float source_width,
                    float source_height, uint32_t rop = platform::kSrcCopy) override;

  // Sends every page to the QPrinter and finishes its document. Raises 57 ("Device I/O error")
  // when the QPrinter cannot be opened, e.g. an output file that cannot be written.
  void EndDoc();

 private:
  QPrinter& printer_;
};

}  // namespace tessera::qt
