#include "tessera/platform/runtime/host_path.hpp"

#include <gtest/gtest.h>

namespace tessera::platform {
namespace {

TEST(HostPath, BackslashesBecomeSlashesAndBack) {
  EXPECT_EQ(ToHostPath("\\srv\\proj\\Raster\\Raster.ini"),
            std::filesystem::path("/srv/proj/Raster/Raster.ini"));
  EXPECT_EQ(ToHostPath("/srv/proj\\Größe.bmp"), std::filesystem::path("/srv/proj/Größe.bmp"));
  EXPECT_EQ(ToLibraryPath("/srv/proj/Raster"), "\\srv\\proj\\Raster");
  EXPECT_EQ(ToLibraryPath(ToHostPath("a\\b")), "a\\b");
}

}  // namespace
}  // namespace tessera::platform
