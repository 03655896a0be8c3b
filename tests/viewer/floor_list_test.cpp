#include "floor_list.hpp"

#include <gtest/gtest.h>

#include <fstream>

#include "support/temp_dir.hpp"
#include "tessera/platform/runtime/host_path.hpp"

namespace tessera::viewer {
namespace {

TEST(FloorListTest, SectionNamesOfFloorsAndLevelsListedInOrderWithTheirFactors) {
  const std::pair<std::string_view, std::optional<FloorEntry>> cases[] = {
      {"5", FloorEntry{false, 5}}, {"-2", FloorEntry{false, -2}}, {"So12", FloorEntry{true, 12}},
      {"Raster", std::nullopt},    {"So", std::nullopt},          {"5a", std::nullopt},
      {"", std::nullopt},          {"so3", std::nullopt},         {"99999999999", std::nullopt},
  };
  for (const auto& [section, entry] : cases) EXPECT_EQ(EntryOfSection(section), entry) << section;
  EXPECT_EQ(FloorEntry({true, 12}).Label(), "Level So12");

  tessera::testing::TempDir dir;
  std::ofstream(dir.path() / "Raster.ini") << "[7]\r\nDatei=a.bmp\r\nFaktor=30\r\n[Allgemein]\r\nX=1\r\n"
                                              "[So1]\r\nDatei=b.bmp\r\nFaktor=-4\r\n[3]\r\nFaktor=zehn\r\n";
  const std::string raster_dir = platform::ToLibraryPath(dir.path());
  EXPECT_EQ(ListFloors(raster_dir), (std::vector<FloorEntry>{{false, 7}, {true, 1}, {false, 3}}));
  EXPECT_EQ(StoredFactor({false, 7}, raster_dir), 30);
  EXPECT_EQ(StoredFactor({true, 1}, raster_dir), 1);
  EXPECT_EQ(StoredFactor({false, 3}, raster_dir), 1);
  EXPECT_TRUE(ListFloors(raster_dir + "\\missing").empty());
}

}  // namespace
}  // namespace tessera::viewer
