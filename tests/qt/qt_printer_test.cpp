#include "tessera/qt/qt_printer.hpp"

#include <gtest/gtest.h>

#include <cstring>

#include "error_number.hpp"
#include "support/temp_dir.hpp"
#include "test_application.hpp"

namespace tessera::qt {
namespace {

using testing::TestApplication;

// A colour picture whose pixel (x, y) is x + 256 y.
platform::Picture Numbered(int32_t width, int32_t height) {
  platform::Picture picture(width, height, platform::PixelFormat::kBgrx32);
  for (int32_t y = 0; y < height; ++y) {
    for (int32_t x = 0; x < width; ++x) {
      const auto value = static_cast<uint32_t>(x + 256 * y);
      std::memcpy(picture.Row(y) + 4 * x, &value, 4);
    }
  }
  return picture;
}

TEST(QtPrinterTest, PictureLandsWhereTheDestinationSaysAndTheDocumentIsAPdf) {
  TestApplication();
  tessera::testing::TempDir dir;
  QPrinter pdf;
  pdf.setOutputFormat(QPrinter::PdfFormat);
  pdf.setOutputFileName(QString::fromStdString(dir.File("floor.pdf")));
  QtPrinter printer(pdf);
  EXPECT_EQ(printer.TypeName(), "Printer");
  EXPECT_EQ(printer.TwipsPerPixelX(), 6);

  // The source rectangle (10, 5) 40 x 20 as a printer hands it on, in printer pixels.
  const platform::Picture picture = Numbered(60, 30);
  const float to_printer = 15.0F / 6.0F;
  printer.PaintPicture(picture, 100, 200, 80, 40, 10 * to_printer, 5 * to_printer, 40 * to_printer,
                       20 * to_printer);
  platform::Canvas screen(300, 300);
  screen.PaintPicture(picture, 100, 200, 80, 40, 10, 5, 40, 20);
  for (const auto& [x, y] : {std::pair{100, 200}, {179, 239}, {140, 220}, {99, 200}})
    EXPECT_EQ(printer.Page(0).PixelAt(x, y), screen.PixelAt(x, y)) << x << "," << y;

  printer.EndDoc();
  const std::string bytes = tessera::testing::ReadBytes(dir.File("floor.pdf"));
  EXPECT_TRUE(bytes.starts_with("%PDF-"));
  EXPECT_NE(bytes.find("/Subtype /Image"), std::string::npos);
}

TEST(QtPrinterTest, UnwritableOutputIsADeviceError) {
  TestApplication();
  QPrinter pdf;
  pdf.setOutputFormat(QPrinter::PdfFormat);
  pdf.setOutputFileName("/no/such/dir/floor.pdf");
  QtPrinter printer(pdf);
  EXPECT_EQ(platform::testing::ErrorNumberOf([&] { printer.EndDoc(); }), platform::err::kDeviceIoError);
}

}  // namespace
}  // namespace tessera::qt
