#include "print_floor.hpp"

#include <gtest/gtest.h>

#include "floor_list.hpp"
#include "plan_directory.hpp"
#include "print_footer.hpp"
#include "qt/test_application.hpp"
#include "tessera/platform/runtime/error.hpp"

namespace tessera::viewer {
namespace {

using testing::kBlue;
using testing::kRed;

constexpr double kDpi = qt::QtPrinter::kDotsPerInch;

TEST(PrintFloorTest, AFixedScaleCentresTheViewAtTrueSizeAboveTheFooterAndAnUnwritableFileRaises57) {
  qt::testing::TestApplication();
  testing::PlanDirectory dir;
  const Size floor{20000, 10000};
  const auto raster = OpenRaster({false, 5}, 10000, dir.path());
  ASSERT_NE(raster, nullptr);
  QPrinter pdf;
  pdf.setOutputFormat(QPrinter::PdfFormat);
  SetUpPage(pdf, floor);
  const auto printer = std::make_shared<qt::QtPrinter>(pdf);
  EXPECT_GT(printer->ScaleWidth(), printer->ScaleHeight());  // landscape for a wide floor

  // World units are millimetres: at 1:100 a metre is 10 mm on paper.
  const PrintJob job{raster.get(), floor, 100, {10000, 5000}, "", "", {}};
  EXPECT_NEAR(PrintFloor(printer, job).scale(), kDpi / 25.4 * 10 / 1000, 1e-9);
  const double middle_x = printer->ScaleWidth() / 2.0;
  const double middle_y = (printer->ScaleHeight() - FooterHeight(kDpi)) / 2.0;
  const double device_per_metre = kDpi / 25.4 * 10;
  const auto page_pixel = [&](double metres_x, double metres_y) {
    return printer->Page(0).PixelAt(static_cast<int32_t>(middle_x + metres_x * device_per_metre),
                                    static_cast<int32_t>(middle_y + metres_y * device_per_metre));
  };
  EXPECT_EQ(page_pixel(-2.5, 0.5), kRed);  // left of the centre: the plan's red half
  EXPECT_EQ(page_pixel(2.5, 0.5), kBlue);
  EXPECT_EQ(page_pixel(-9.5, -4.5), kRed);
  EXPECT_NE(page_pixel(-10.5, 0.5), kRed);  // beyond the plan's left edge

  const PrintJob footer_job{raster.get(), {20000, 10000}, 20, {10000, 5000}, "/data/Raster", "Floor 5", {}};
  const QString png = QString::fromStdString(dir.File("page.png"));
  PrintToFile(png, footer_job);  // at 1:20 the plan runs under the footer
  const QImage page(png);
  ASSERT_FALSE(page.isNull());
  const int band = static_cast<int>(FooterHeight(kDpi));
  int plan_pixels = 0;
  for (int y = page.height() - band; y < page.height(); ++y)
    for (int x = 0; x < page.width(); ++x)
      plan_pixels += page.pixel(x, y) == 0xFFFF0000u || page.pixel(x, y) == 0xFF0000FFu;
  EXPECT_EQ(plan_pixels, 0);
  EXPECT_EQ(page.pixel(page.width() / 4, (page.height() - band) / 2), 0xFFFF0000u);

  const QString pdf_file = QString::fromStdString(dir.File("page.pdf"));
  PrintToFile(pdf_file, footer_job);
  EXPECT_TRUE(tessera::testing::ReadBytes(dir.File("page.pdf")).starts_with("%PDF-"));
  for (const char* unwritable : {"/nonexistent/page.pdf", "/nonexistent/page.png"}) {
    try {
      PrintToFile(unwritable, footer_job);
      ADD_FAILURE() << unwritable << " was written";
    } catch (const platform::RuntimeError& error) {
      EXPECT_EQ(error.number(), 57) << unwritable;
    }
  }
}

TEST(PrintFooterTest, ScaleBarIsTheLongestRoundLengthThatFitsAndTheLineNamesFloorScaleAndDate) {
  struct Case {
    double device_per_metre, max_length, metres;
  };
  for (const Case& c : {Case{94.49, 500, 5}, Case{94.49, 180, 1}, Case{47.24, 500, 10}, Case{1000, 150, 0.1},
                        Case{2.0, 90, 20}, Case{9.449, 94, 5}}) {
    const ScaleBar bar = ScaleBarFor(c.device_per_metre, c.max_length);
    EXPECT_DOUBLE_EQ(bar.metres, c.metres) << c.device_per_metre << " " << c.max_length;
    EXPECT_NEAR(bar.length, c.metres * c.device_per_metre, 1e-9);
  }
  EXPECT_EQ(ScaleBarFor(0, 100).metres, 0);  // nothing to measure

  const QDate day(2026, 12, 8);
  EXPECT_EQ(FooterLine({"/d", "Floor 5", 100, false, day}), "Floor 5  \u00b7  1:100  \u00b7  2026-12-08");
  EXPECT_EQ(FooterLine({"/d", "Level So1", 157.6, true, day}),
            "Level So1  \u00b7  1:158 (fitted to the page)  \u00b7  2026-12-08");
}

}  // namespace
}  // namespace tessera::viewer
