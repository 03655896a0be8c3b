#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "support/recorded_ui.hpp"
#include "support/temp_dir.hpp"
#include "tessera/platform/runtime/host_path.hpp"
#include "tessera/tool/gtool.hpp"

namespace tessera {
namespace {

using testing::ReadBytes;
using testing::TempDir;
using testing::WriteBytes;

struct NameCase {
  std::string path, file, directory, extension, without_extension;
};

TEST(GToolFileNamesTest, TakesPathsApartAtTheLastBackslashAndPoint) {
  const GTool tool;
  const std::vector<NameCase> cases{
      {"C:\\Daten\\plan.bmp", "plan.bmp", "C:\\Daten\\", "bmp", "C:\\Daten\\plan"},
      {"plan", "plan", "", "", "plan"},
      {"C:\\Daten\\", "", "C:\\Daten\\", "", "C:\\Daten\\"},
      {"C:\\Daten.alt\\plan", "plan", "C:\\Daten.alt\\", "alt\\plan", "C:\\Daten"},
      {"plan.tar.gz", "plan.tar.gz", "", "gz", "plan.tar"},
      {"plan.", "plan.", "", "", "plan"},
      {".ini", ".ini", "", "ini", ""},
      {"C:/Daten/plan.bmp", "C:/Daten/plan.bmp", "", "bmp", "C:/Daten/plan"},
      {"", "", "", "", ""},
      {"D:\\Räume\\Größe.bmp", "Größe.bmp", "D:\\Räume\\", "bmp", "D:\\Räume\\Größe"},
  };
  for (const NameCase& c : cases) {
    EXPECT_EQ(tool.DateiName(c.path), c.file) << c.path;
    EXPECT_EQ(tool.Pfad(c.path), c.directory) << c.path;
    EXPECT_EQ(tool.Kennung(c.path), c.extension) << c.path;
    EXPECT_EQ(tool.NameOhneKennung(c.path), c.without_extension) << c.path;
  }
}

class GToolFilesTest : public tessera::testing::RecordedUiTest {
 protected:
  // The library's notation of a file in the temporary directory.
  std::string LibraryPath(const std::string& name) const {
    return platform::ToLibraryPath(dir_.path() / name);
  }
  const std::vector<platform::MessageBoxCall>& boxes() const { return ui_->message_boxes(); }

  TempDir dir_;
  GTool tool_;
};

TEST_F(GToolFilesTest, KopiereFileOverwritesNeedsASourceAndReportsAReadOnlyTargetOrMissingDirectory) {
  WriteBytes(dir_.path() / "a.ini", "[new]\r\n");
  WriteBytes(dir_.path() / "b.ini", "[old]\r\nmuch longer old content\r\n");
  EXPECT_TRUE(tool_.KopiereFile(LibraryPath("a.ini"), LibraryPath("b.ini")));
  EXPECT_EQ(ReadBytes(dir_.path() / "b.ini"), "[new]\r\n");
  EXPECT_TRUE(tool_.KopiereFile(LibraryPath("a.ini"), LibraryPath("c.ini")));
  EXPECT_EQ(ReadBytes(dir_.path() / "c.ini"), "[new]\r\n");
  EXPECT_FALSE(tool_.KopiereFile(LibraryPath("missing.ini"), LibraryPath("d.ini")));  // quietly
  EXPECT_TRUE(boxes().empty());
  // Nothing but the three files is left behind.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_.path()), {}), 3);

  WriteBytes(dir_.path() / "plan.bmp", "BM");
  std::filesystem::create_directory(dir_.path() / "Raster");
  EXPECT_TRUE(tool_.ExistsFile(LibraryPath("plan.bmp")));
  EXPECT_FALSE(tool_.ExistsFile(LibraryPath("Raster")));
  EXPECT_FALSE(tool_.ExistsFile(LibraryPath("missing.bmp")));
  EXPECT_FALSE(tool_.ExistsFile(""));
  EXPECT_TRUE(boxes().empty());

  WriteBytes(dir_.path() / "a.ini", "new");
  WriteBytes(dir_.path() / "locked.ini", "old");
  ::chmod((dir_.path() / "locked.ini").c_str(), 0444);

  EXPECT_FALSE(tool_.KopiereFile(LibraryPath("a.ini"), LibraryPath("locked.ini")));
  EXPECT_EQ(ReadBytes(dir_.path() / "locked.ini"), "old");
  EXPECT_FALSE(tool_.KopiereFile(LibraryPath("a.ini"), LibraryPath("nowhere\\b.ini")));

  EXPECT_EQ(boxes(),
            (std::vector<platform::MessageBoxCall>{{"GTool.KopiereFile\r\nPermission denied", 16, "Tessera"},
                                                   {"GTool.KopiereFile\r\nPath not found", 16, "Tessera"}}));
}

}  // namespace
}  // namespace tessera
