#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "support/temp_dir.hpp"
#include "tessera/platform/runtime/host_path.hpp"
#include "tessera/platform/ui/recording_ui.hpp"
#include "tessera/platform/ui/ui.hpp"
#include "tessera/tool/gtool.hpp"

namespace tessera {
namespace {

using platform::Variant;
using testing::TempDir;
using testing::WriteBytes;

class RoomNumberTest : public ::testing::Test {
 protected:
  // The room number under `pattern` ("" writes no file at all).
  std::string Format(const std::string& pattern, const std::string& location, const std::string& b,
                     const std::string& r, bool so = false, bool geb = false) {
    if (!pattern.empty()) WriteBytes(file_, "[RNR]\r\nFormat=" + pattern + "\r\n");
    return tool_.RNrByFormat(platform::ToLibraryPath(file_), Variant(location), b, r, so, geb);
  }

  TempDir dir_;
  std::filesystem::path file_ = dir_.path() / "Rnr.ini";
  std::shared_ptr<platform::RecordingUi> ui_ = std::make_shared<platform::RecordingUi>();
  platform::ScopedUiServices scope_{ui_};
  GTool tool_;
};

TEST_F(RoomNumberTest, StopsAfterTheLastNonBlankPart) {
  EXPECT_EQ(Format("G.E.R", "W\\1\\2", "", "105"), "1.2.105");
  EXPECT_EQ(Format("G.E.R", "W\\1\\2", "", ""), "1.2");
  EXPECT_EQ(Format("G.E.R", "W\\1\\2", "", "  "), "1.2");  // blank counts as empty
  EXPECT_EQ(Format("E R", "W\\1\\2", "", ""), "2");
  EXPECT_EQ(Format("s-g-e-b-r", "W\\1\\2", "B", "7"), "W-1-2-B-7");
}

TEST_F(RoomNumberTest, TrimsLiteralsFromBothEnds) {
  EXPECT_EQ(Format("S-G-E-R", "\\1\\2", "", "7"), "1-2-7");
  EXPECT_EQ(Format("E.R", "W\\1\\2", "", "105."), "2.105");
  EXPECT_EQ(Format("(E)R", "W\\1\\2", "", "5)"), "2)5");
}

TEST_F(RoomNumberTest, WithoutAPatternTheFlagsChooseTheLayout) {
  EXPECT_EQ(Format("", "W\\1\\2", "", "105"), "2.105");
  EXPECT_EQ(Format("", "W\\1\\2", "B", "105"), "B2.105");
  EXPECT_EQ(Format("", "W\\1\\2", "", "105", true), "W.1");
  EXPECT_EQ(Format("", "W\\1\\2", "", "105", false, true), "1");
  EXPECT_EQ(Format("", "", "", ""), ".");
}

TEST_F(RoomNumberTest, TheFlagsPutMissingLevelsInFront) {
  EXPECT_EQ(Format("E.R", "W\\1\\2", "", "105", true), "W.1.2.105");
  EXPECT_EQ(Format("E.R", "W\\1\\2", "", "105", false, true), "1.2.105");
  EXPECT_EQ(Format("g/E.R", "W\\1\\2", "", "105", true), "W.1/2.105");
}

TEST_F(RoomNumberTest, AnEmptyResultFallsBackToTheDeepestLevelLeftOut) {
  EXPECT_EQ(Format("r", "W\\1\\2", "", ""), "Et: 2");
  EXPECT_EQ(Format("r", "W\\1", "", ""), "Geb: 1");
  EXPECT_EQ(Format("r", "W", "", ""), "SO: W");
  EXPECT_EQ(Format("r", "", "", ""), "");
  EXPECT_EQ(Format("-E-R-", "W\\1", "", ""), "Geb: 1");
  EXPECT_EQ(Format("G-E-R", "W\\\\", "", ""), "SO: W");
  EXPECT_EQ(Format("S-G-E-R", "W\\1\\2", "", ""), "W-1-2");
  EXPECT_EQ(Format("G-R", "W", "", ""), "");  // G without E: no fallback
  EXPECT_TRUE(ui_->message_boxes().empty());
}

TEST_F(RoomNumberTest, ANullLocationCountsAsEmpty) {
  WriteBytes(file_, "[RNR]\r\nFormat=G.E.R\r\n");
  EXPECT_EQ(tool_.RNrByFormat(platform::ToLibraryPath(file_), Variant::Null(), "", "105", false, false),
            "105");
  EXPECT_TRUE(ui_->message_boxes().empty());
}

}  // namespace
}  // namespace tessera
