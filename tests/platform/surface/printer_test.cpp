#include "tessera/platform/surface/printer.hpp"

#include <gtest/gtest.h>

#include "support/temp_dir.hpp"
#include "tessera/platform/runtime/error.hpp"
#include "tessera/platform/runtime/file_system.hpp"
#include "tessera/platform/surface/png_writer.hpp"

namespace tessera::platform {
namespace {

using tessera::testing::ReadBytes;
using tessera::testing::TempDir;
using tessera::testing::WriteBytes;

TEST(PrinterTest, PagesKeepThePenAreWrittenOnePngEachAndTakeSourcesInPrinterPixels) {
  Printer printer(30, 20);
  EXPECT_EQ(printer.TypeName(), "Printer");
  EXPECT_EQ(printer.TwipsPerPixelX(), 6);
  printer.DrawMode(6);
  printer.Line(0, 0, 29, 0);
  printer.NewPage();
  EXPECT_EQ(printer.DrawMode(), 6);
  EXPECT_EQ(printer.PageCount(), 2u);
  EXPECT_EQ(printer.Page(0).PixelAt(10, 0), 0u);
  EXPECT_EQ(printer.Page(1).PixelAt(10, 0), 0xFFFFFFu);

  TempDir dir;
  const auto files = printer.WritePages(dir.File("plan.png"));
  ASSERT_EQ(files.size(), 2u);
  EXPECT_EQ(files[1], dir.File("plan-2.png"));
  EXPECT_EQ(ReadBytes(files[0]).substr(1, 3), "PNG");

  // The library hands the printer a source rectangle in printer pixels (2.5 of them per picture
  // pixel at 6 and 15 twips); the whole picture must fill the destination, as on the screen.
  ASSERT_EQ(Screen::TwipsPerPixelX(), 15);
  const Picture black(10, 10, PixelFormat::kBgrx32);
  printer.PaintPicture(black, 0, 0, 25, 25, 0, 0, 25, 25);
  EXPECT_EQ(printer.Page(1).PixelAt(24, 19), 0u);
  EXPECT_EQ(printer.Page(1).PixelAt(25, 19), 0xFFFFFFu);
}

TEST(PngTest, AFileIsReplacedWholeOrNotAtAll) {
  TempDir dir;
  const std::string file = dir.File("out.png");
  WriteBytes(file, "old");
  Canvas canvas(3, 2);
  WritePng(canvas, file);
  const std::string bytes = ReadBytes(file);
  EXPECT_EQ(bytes, EncodePng(canvas));
  EXPECT_EQ(bytes.compare(0, 8, "\x89PNG\r\n\x1a\n"), 0);
  EXPECT_THROW(WritePng(canvas, dir.File("missing/out.png")), RuntimeError);
  // A writer that gives up halfway, by its answer or by an error, leaves the last file whole.
  EXPECT_THROW(WriteFileReplacing(file,
                                  [](std::ostream& out) {
                                    out << "half";
                                    return false;
                                  }),
               RuntimeError);
  EXPECT_THROW(WriteFileReplacing(file,
                                  [](std::ostream& out) -> bool {
                                    out << "half";
                                    Raise(err::kOutOfMemory);
                                  }),
               RuntimeError);
  EXPECT_EQ(ReadBytes(file), bytes);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);  // no temporary left
}

}  // namespace
}  // namespace tessera::platform
