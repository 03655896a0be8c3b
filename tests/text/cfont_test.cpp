#include "tessera/text/cfont.hpp"

#include <gtest/gtest.h>

#include <limits>

#include "support/recorded_ui.hpp"
#include "tessera/platform/gdi/gdi_objects.hpp"
#include "tessera/platform/surface/printer.hpp"
#include "tessera/text/ctextfile.hpp"

namespace tessera {
namespace {

using platform::FontRecord;
using platform::SelectedFont;

class Font : public tessera::testing::RecordedUiTest {
 protected:
  bool Change(int32_t height, const std::string& name = "Arial", const std::string& type = "PictureBox") {
    return font_.ChangeFontByHDC(type, canvas_.hDC(), height, 450, true, false, true, false, name);
  }
  const platform::LogicalFont* Selected() const { return FontRecord(SelectedFont(canvas_.hDC())); }

  platform::Canvas canvas_{50, 50};
  int32_t stock_ = SelectedFont(canvas_.hDC());
  std::size_t fonts_before_ = platform::LiveFontCount();
  CFont font_;
};

TEST_F(Font, CreatesTheFontWithItsFourteenArgumentsOnPrinterAndPictureControlsOnly) {
  const struct {
    int32_t asked;
    int32_t height;
  } cases[] = {{0, -2}, {1, -2}, {-1, -2}, {20, -20}, {-20, -20}};
  for (const auto& c : cases) {
    ASSERT_TRUE(Change(c.asked));
    EXPECT_EQ(*Selected(),
              (platform::LogicalFont{c.height, 0, 450, 0, 700, false, true, false, 1, 4, 16, 0, 0, "Arial"}));
  }
  EXPECT_TRUE(ui_->message_boxes().empty());

  auto printer = std::make_shared<platform::Printer>();
  platform::ObjectRef as_object = printer;
  ASSERT_TRUE(font_.ChangeFont(as_object, 50, 0, false, true, false, true, "Times New Roman"));
  EXPECT_TRUE(FontRecord(SelectedFont(printer->hDC()))->italic);
  const auto canvas = std::make_shared<platform::Canvas>(10, 10);
  platform::ObjectRef canvas_object = canvas;
  ASSERT_TRUE(font_.ChangeFont(canvas_object, 50, 0, false, false, false, false, "Arial"));
  EXPECT_EQ(SelectedFont(printer->hDC()), stock_) << "the printer got its font back";
  EXPECT_FALSE(FontRecord(SelectedFont(canvas->hDC()))->italic);
  platform::ObjectRef other = std::make_shared<CTextFile>(), none;
  EXPECT_FALSE(font_.ChangeFont(other, 50, 0, false, false, false, false, "Arial"));
  EXPECT_FALSE(font_.ChangeFont(none, 50, 0, false, false, false, false, "Arial"));
}

TEST_F(Font, TwoChangesThenResetOrTheObjectsEndLeaveTheOriginalFontAndDeleteBoth) {
  ASSERT_TRUE(Change(12));
  const int32_t first = SelectedFont(canvas_.hDC());
  ASSERT_TRUE(Change(14, "Courier New"));
  const int32_t second = SelectedFont(canvas_.hDC());
  EXPECT_EQ(FontRecord(first), nullptr) << "the second call released the first font";
  font_.Reset();
  EXPECT_EQ(SelectedFont(canvas_.hDC()), stock_);
  EXPECT_EQ(FontRecord(second), nullptr);
  EXPECT_EQ(platform::LiveFontCount(), fonts_before_);
  font_.Reset();
  EXPECT_EQ(SelectedFont(canvas_.hDC()), stock_);
  {
    CFont scoped;  // destroyed, it gives its font back as Reset does
    ASSERT_TRUE(scoped.ChangeFontByHDC("", canvas_.hDC(), 9, 0, false, false, false, false, "Arial"));
  }
  EXPECT_EQ(SelectedFont(canvas_.hDC()), stock_);
  EXPECT_EQ(platform::LiveFontCount(), fonts_before_);
}

TEST_F(Font, FailuresReleaseTheEarlierFontQuietlyWithABeepOrWithTheirDescription) {
  ASSERT_TRUE(Change(12));
  EXPECT_FALSE(Change(12, ""));
  EXPECT_EQ(SelectedFont(canvas_.hDC()), stock_);
  EXPECT_EQ(platform::LiveFontCount(), fonts_before_);
  EXPECT_EQ(ui_->beeps(), 0);
  EXPECT_TRUE(ui_->message_boxes().empty());

  std::vector<int32_t> held;  // the process's font quota, used up
  while (platform::LiveFontCount() < platform::kMaxLiveFonts)
    held.push_back(platform::CreateFontA(-12, 0, 0, 0, 400, 0, 0, 0, 1, 4, 16, 0, 0, "Arial"));
  EXPECT_FALSE(Change(12));
  for (const int32_t font : held) platform::DeleteObject(font);
  EXPECT_EQ(ui_->beeps(), 1);
  EXPECT_TRUE(ui_->message_boxes().empty());
  EXPECT_EQ(SelectedFont(canvas_.hDC()), stock_);

  ASSERT_TRUE(Change(12));
  EXPECT_FALSE(Change(std::numeric_limits<int32_t>::min()));
  EXPECT_FALSE(font_.ChangeFontByHDC("Printer", 0, 12, 0, false, false, false, false, "Arial"))
      << "a printer without a size";
  const std::vector<platform::MessageBoxCall> expected(2, {"Overflow", 16, "Tessera"});
  EXPECT_EQ(ui_->message_boxes(), expected);
  EXPECT_EQ(SelectedFont(canvas_.hDC()), stock_);
  EXPECT_EQ(platform::LiveFontCount(), fonts_before_);
}

}  // namespace
}  // namespace tessera
