#include "print_floor.hpp"

#include <gtest/gtest.h>

#include "floor_list.hpp"
#include "plan_directory.hpp"
#include "qt/test_application.hpp"

namespace tessera::viewer {
namespace {

using testing::kBlue;
using testing::kRed;

TEST(PrintFloorTest, PageShowsThePlanWhereTheFloorLiesAndBecomesAPdf) {
  qt::testing::TestApplication();
  testing::PlanDirectory dir;
  const Size floor{20000, 10000};
  const auto raster = OpenRaster({false, 5}, 10000, dir.path());
  ASSERT_NE(raster, nullptr);

  QPrinter pdf;
  pdf.setOutputFormat(QPrinter::PdfFormat);
  pdf.setOutputFileName(QString::fromStdString(dir.File("floor.pdf")));
  SetUpPage(pdf, floor);
  const auto printer = std::make_shared<qt::QtPrinter>(pdf);
  EXPECT_GT(printer->ScaleWidth(), printer->ScaleHeight());  // landscape for a wide floor
  const ViewTransform view = PrintFloor(printer, raster.get(), floor);

  const auto page_pixel = [&](int32_t x, int32_t y) {
    view.WorldToDevice()->TransformPoint(x, y);
    return printer->Page(0).PixelAt(x, y);
  };
  EXPECT_EQ(page_pixel(2500, 4500), kRed);
  EXPECT_EQ(page_pixel(9500, 2500), kRed);
  EXPECT_EQ(page_pixel(10500, 2500), kBlue);
  EXPECT_EQ(page_pixel(17500, 7500), kBlue);

  printer->EndDoc();
  const std::string bytes = tessera::testing::ReadBytes(dir.File("floor.pdf"));
  EXPECT_TRUE(bytes.starts_with("%PDF-"));
  EXPECT_NE(bytes.find("/Subtype /Image"), std::string::npos);
}

}  // namespace
}  // namespace tessera::viewer
