// The printer of a Qt host: the library's Printer, whose pages go to a QPrinter (a real printer
// or a PDF file) when the document ends.
//
// The library tells it from a picture control by its type name "Printer", as any printer; the
// pages are drawn as the library's own printer draws them and sent to the QPrinter at the end.
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

  // Sends every page to the QPrinter and finishes its document. Raises 57 ("Device I/O error")
  // when the QPrinter cannot be opened, e.g. an output file that cannot be written.
  void EndDoc();

 private:
  QPrinter& printer_;
};

}  // namespace tessera::qt
