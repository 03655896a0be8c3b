#include "tessera/platform/picture/loaded_picture.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "error_number.hpp"
#include "jpeg_builder.hpp"
#include "support/temp_dir.hpp"

namespace tessera::platform {
namespace {

using testing::EncodeJpeg;
using testing::ErrorNumberOf;
using testing::JpegLayout;

// 8.6 MB as a picture: large enough to be held at 1/8 (256 x 175) until a drawing needs more.
constexpr int kWidth = 2048, kHeight = 1400;

const JpegLayout kLayouts[] = {
    {kWidth, kHeight}, {kWidth, kHeight, JCS_RGB, true}, {kWidth, kHeight, JCS_RGB, false, 1}};

class LoadedPictureTest : public ::testing::Test {
 protected:
  std::string Write(const std::string& name, const std::vector<uint8_t>& bytes) {
    tessera::testing::WriteBytes(dir_.path() / name, std::string(bytes.begin(), bytes.end()));
    return dir_.File(name);
  }

  tessera::testing::TempDir dir_;
  PictureLimits limits_{uint64_t{1} << 30};
  PictureBudget budget_{limits_};
};

TEST_F(LoadedPictureTest, ALargeJpegIsHeldAtAnEighthAndDecodedAgainForDetail) {
  for (const JpegLayout& layout : kLayouts) {
    const auto loaded = LoadedPicture::Load(Write("scan.jpg", EncodeJpeg(layout)), budget_);
    EXPECT_EQ(loaded->width(), kWidth);
    EXPECT_EQ(loaded->height(), kHeight);
    const DrawablePicture fitted = loaded->ForDrawing(9.3);
    EXPECT_EQ(fitted.picture->width(), 256);
    EXPECT_EQ(fitted.picture->height(), 175);
    EXPECT_EQ(fitted.scale_x, 0.125);
    EXPECT_EQ(loaded->HeldBytes(), fitted.picture->ByteSize());
    EXPECT_EQ(budget_.used(), loaded->HeldBytes());
    EXPECT_EQ(loaded->ForDrawing(2.5).picture->width(), 1024);
    const DrawablePicture whole = loaded->ForDrawing(1);
    EXPECT_EQ(whole.picture->width(), kWidth);
    EXPECT_EQ(loaded->Full(), whole.picture);  // held, not decoded again
    EXPECT_EQ(loaded->ForDrawing(3).picture, whole.picture) << "more detail than needed serves";
    EXPECT_EQ(budget_.used(), fitted.picture->ByteSize() + whole.picture->ByteSize());
  }
  EXPECT_EQ(budget_.used(), 0u);
}

// Decoding at 1/8 still reads every coefficient: a file cut short, with or without its end
// marker, is refused at load, whatever its layout.
TEST_F(LoadedPictureTest, BrokenFilesAreRefusedAtLoadAndChangedOnesShownAsLoaded) {
  for (const JpegLayout& layout : kLayouts) {
    const std::vector<uint8_t> good = EncodeJpeg(layout);
    std::vector<uint8_t> cut(good.begin(), good.end() - static_cast<std::ptrdiff_t>(good.size() / 3));
    EXPECT_EQ(ErrorNumberOf([&] { LoadedPicture::Load(Write("cut.jpg", cut), budget_); }),
              err::kInvalidPicture);
    cut.insert(cut.end(), {0xFF, 0xD9});
    EXPECT_EQ(ErrorNumberOf([&] { LoadedPicture::Load(Write("cut.jpg", cut), budget_); }),
              err::kInvalidPicture);
  }
  // A file changed since the load is shown as loaded.
  const std::string file = Write("scan.jpg", EncodeJpeg(kLayouts[0]));
  const auto loaded = LoadedPicture::Load(file, budget_);
  Write("scan.jpg", EncodeJpeg({kWidth, kHeight, JCS_GRAYSCALE}));
  EXPECT_EQ(loaded->ForDrawing(1).picture->width(), 256);
  EXPECT_TRUE(loaded->FileChanged());
  EXPECT_EQ(loaded->Full(), nullptr);
}

// Room for both reduced pictures and one whole one: the whole picture drawn least recently goes
// when another is needed, and a load that finds nothing left to release is refused.
TEST_F(LoadedPictureTest, TheBudgetReleasesTheLeastRecentlyDrawnDetailFirst) {
  const std::vector<uint8_t> bytes = EncodeJpeg(kLayouts[0]);
  const auto first = LoadedPicture::Load(Write("a.jpg", bytes), budget_);
  const auto second = LoadedPicture::Load(Write("b.jpg", bytes), budget_);
  const uint64_t reduced = first->HeldBytes();
  limits_.max_bytes = 12 << 20;
  first->ForDrawing(1);
  EXPECT_GT(first->HeldBytes(), reduced);
  second->ForDrawing(1);
  EXPECT_EQ(first->HeldBytes(), reduced);
  EXPECT_GT(second->HeldBytes(), reduced);
  limits_.max_bytes = budget_.used() - 1;
  EXPECT_EQ(first->ForDrawing(1).picture->width(), 256) << "drawn from what it holds";
  EXPECT_EQ(second->HeldBytes(), reduced);
  limits_.max_bytes = budget_.used() + 1000;
  EXPECT_EQ(ErrorNumberOf([&] { LoadedPicture::Load(Write("c.jpg", bytes), budget_); }),
            err::kInvalidPicture);
}

}  // namespace
}  // namespace tessera::platform
