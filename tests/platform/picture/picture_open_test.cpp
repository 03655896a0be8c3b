#include <gtest/gtest.h>

#include <filesystem>

#include "error_number.hpp"
#include "lonely_fifo.hpp"
#include "tessera/platform/picture/picture_loader.hpp"

namespace tessera::platform {
namespace {

TEST(PictureOpen, ANamedPipeInPlaceOfARasterFileIsRefusedWithoutWaiting) {
  const testing::LonelyFifo fifo(
      (std::filesystem::temp_directory_path() / ("tessera-plan-" + std::to_string(::getpid()) + ".bmp"))
          .string());
  EXPECT_TRUE(fifo.Returns([&] {
    EXPECT_EQ(testing::ErrorNumberOf([&] { LoadPicture(fifo.path()); }), err::kPathFileAccessError);
  }));
}

}  // namespace
}  // namespace tessera::platform
