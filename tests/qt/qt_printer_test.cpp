#include "tessera/qt/qt_printer.hpp"

#include <gtest/gtest.h>

#include "error_number.hpp"
#include "support/temp_dir.hpp"
#include "test_application.hpp"

namespace tessera::qt {
namespace {

using testing::TestApplication;

// The library's own printer draws the pages; what is Qt's is the page size and the document.
TEST(QtPrinterTest, EndDocSendsThePagesToThePdfOrRaisesADeviceError) {
  TestApplication();
  tessera::testing::TempDir dir;
  QPrinter pdf;
  pdf.setOutputFormat(QPrinter::PdfFormat);
  pdf.setOutputFileName(QString::fromStdString(dir.File("floor.pdf")));
  QtPrinter printer(pdf);
  EXPECT_EQ(printer.TypeName(), "Printer");
  EXPECT_EQ(printer.TwipsPerPixelX(), 6);
  printer.EndDoc();
  const std::string bytes = tessera::testing::ReadBytes(dir.File("floor.pdf"));
  EXPECT_TRUE(bytes.starts_with("%PDF-"));
  EXPECT_NE(bytes.find("/Subtype /Image"), std::string::npos);

  pdf.setOutputFileName("/no/such/dir/floor.pdf");
  EXPECT_EQ(platform::testing::ErrorNumberOf([&] { printer.EndDoc(); }), platform::err::kDeviceIoError);
}

}  // namespace
}  // namespace tessera::qt
