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

// The room number under a pattern ("" writes no file at all) for a location "SO\Geb\Et".
struct RoomNumber {
  const char* pattern;
  const char* location;
  const char* b;
  const char* r;
  bool so, geb;
  const char* expected;
};

TEST(RoomNumberTest, PatternsPartsAndFlags) {
  const RoomNumber cases[] = {
      // Without a pattern (before any file is written) the flags choose the layout.
      {"", "W\\1\\2", "", "105", false, false, "2.105"},
      {"", "W\\1\\2", "B", "105", false, false, "B2.105"},
      {"", "W\\1\\2", "", "105", true, false, "W.1"},
      {"", "W\\1\\2", "", "105", false, true, "1"},
      {"", "", "", "", false, false, "."},
      // Parts up to the last non-blank one; blank counts as empty.
      {"G.E.R", "W\\1\\2", "", "105", false, false, "1.2.105"},
      {"G.E.R", "W\\1\\2", "", "", false, false, "1.2"},
      {"G.E.R", "W\\1\\2", "", "  ", false, false, "1.2"},
      {"E R", "W\\1\\2", "", "", false, false, "2"},
      {"s-g-e-b-r", "W\\1\\2", "B", "7", false, false, "W-1-2-B-7"},
      // Literals are trimmed from both ends.
      {"S-G-E-R", "\\1\\2", "", "7", false, false, "1-2-7"},
      {"E.R", "W\\1\\2", "", "105.", false, false, "2.105"},
      {"(E)R", "W\\1\\2", "", "5)", false, false, "2)5"},
      // The flags put missing levels in front.
      {"E.R", "W\\1\\2", "", "105", true, false, "W.1.2.105"},
      {"E.R", "W\\1\\2", "", "105", false, true, "1.2.105"},
      {"g/E.R", "W\\1\\2", "", "105", true, false, "W.1/2.105"},
      // An empty result falls back to the deepest level left out; G without E has none.
      {"r", "W\\1\\2", "", "", false, false, "Et: 2"},
      {"r", "W\\1", "", "", false, false, "Geb: 1"},
      {"r", "W", "", "", false, false, "SO: W"},
      {"r", "", "", "", false, false, ""},
      {"-E-R-", "W\\1", "", "", false, false, "Geb: 1"},
      {"G-E-R", "W\\\\", "", "", false, false, "SO: W"},
      {"S-G-E-R", "W\\1\\2", "", "", false, false, "W-1-2"},
      {"G-R", "W", "", "", false, false, ""},
  };
  const auto ui = std::make_shared<platform::RecordingUi>();
  const platform::ScopedUiServices scope(ui);
  const testing::TempDir dir;
  const std::filesystem::path file = dir.path() / "Rnr.ini";
  const std::string path = platform::ToLibraryPath(file);
  const GTool tool;
  for (const RoomNumber& c : cases) {
    if (*c.pattern != '\0') testing::WriteBytes(file, "[RNR]\r\nFormat=" + std::string(c.pattern) + "\r\n");
    EXPECT_EQ(tool.RNrByFormat(path, Variant(c.location), c.b, c.r, c.so, c.geb), c.expected)
        << c.pattern << " " << c.location << " " << c.r;
  }
  testing::WriteBytes(file, "[RNR]\r\nFormat=G.E.R\r\n");
  EXPECT_EQ(tool.RNrByFormat(path, Variant::Null(), "", "105", false, false), "105")
      << "Null counts as empty";
  EXPECT_TRUE(ui->message_boxes().empty());
}

}  // namespace
}  // namespace tessera
