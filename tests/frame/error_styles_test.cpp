#include "tessera/frame/errors/error_styles.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <new>
#include <string>
#include <vector>

#include "platform/runtime/error_number.hpp"
#include "tessera/platform/ui/recording_ui.hpp"
#include "tessera/platform/ui/ui.hpp"

namespace tessera::frame {
namespace {

using platform::MessageBoxCall;
using platform::RuntimeError;
using platform::testing::ErrorNumberOf;

class ErrorStylesTest : public ::testing::Test {
 protected:
  std::shared_ptr<platform::RecordingUi> ui_ = std::make_shared<platform::RecordingUi>();
  platform::ScopedUiServices scope_{ui_};
};

TEST_F(ErrorStylesTest, LabelledReportShowsLabelAndDescriptionAndKeepsThePartialResult) {
  EXPECT_TRUE(ReportLabelled<bool>("GTool.ExistsFile", [](bool& r) { r = true; }));
  ReportPlain([] {});
  EXPECT_TRUE(ui_->message_boxes().empty()) << "a body that succeeds shows nothing";
  const std::string result =
      ReportLabelled<std::string>("GTool.RemoveGermanSonderzeichen", [](std::string& r) {
        r = "half";
        platform::Raise(platform::err::kOverflow);
      });
  EXPECT_EQ(result, "half");
  EXPECT_EQ(ui_->message_boxes(),
            (std::vector<MessageBoxCall>{{"GTool.RemoveGermanSonderzeichen\r\nOverflow", 16, "Tessera"}}));
}

TEST_F(ErrorStylesTest, PlainReportShowsTheDescriptionAlone) {
  EXPECT_EQ(ReportPlain<int>([](int&) { throw RuntimeError(457, "", "This key is already associated"); }), 0);
  EXPECT_EQ(ui_->message_boxes(),
            (std::vector<MessageBoxCall>{{"This key is already associated", 16, "Tessera"}}));
}

TEST_F(ErrorStylesTest, ForeignExceptionsAreReportedAsRuntimeErrors) {
  ReportLabelled("GTool.KopiereFile", [] { throw std::bad_alloc(); });
  ReportPlain([] {
    throw std::filesystem::filesystem_error("copy",
                                            std::make_error_code(std::errc::no_such_file_or_directory));
  });
  ASSERT_EQ(ui_->message_boxes().size(), 2u);
  EXPECT_EQ(ui_->message_boxes()[0].text, "GTool.KopiereFile\r\nOut of memory");
  EXPECT_EQ(ui_->message_boxes()[1].text, "File not found");
}

TEST_F(ErrorStylesTest, PassOnHandsNumberSourceAndDescriptionToTheCaller) {
  try {
    PassOn<std::string>([](std::string&) { throw RuntimeError(5, "CTextAttribut", "bad size"); });
    FAIL() << "no error reached the caller";
  } catch (const RuntimeError& error) {
    EXPECT_EQ(error.number(), 5);
    EXPECT_EQ(error.source(), "CTextAttribut");
    EXPECT_EQ(error.description(), "bad size");
  }
  EXPECT_EQ(ErrorNumberOf([] { PassOn([] { throw std::bad_alloc(); }); }), platform::err::kOutOfMemory);
  EXPECT_TRUE(ui_->message_boxes().empty());
}

TEST_F(ErrorStylesTest, QuietEndAndPassOverSwallowTheirErrors) {
  int cleanups = 0;
  const auto cleanup = [&cleanups] {
    ++cleanups;
    platform::Raise(platform::err::kBadFileNameOrNumber);
  };
  EXPECT_EQ(EndQuietly<int>([](int& r) { r = 7; }, cleanup), 7);
  EXPECT_EQ(cleanups, 0);
  EXPECT_EQ(EndQuietly<int>(
                [](int& r) {
                  r = 3;
                  platform::Raise(platform::err::kInputPastEndOfFile);
                },
                cleanup),
            3);
  EXPECT_EQ(cleanups, 1);
  EndQuietly([] { throw std::bad_alloc(); });
  std::vector<int> done;  // passing over skips only the failing step
  PassOver([&] { done.push_back(1); }, [&] { platform::Raise(platform::err::kOverflow); },
           [&] { done.push_back(3); });
  EXPECT_EQ(done, (std::vector<int>{1, 3}));
  EXPECT_TRUE(ui_->message_boxes().empty());
}

}  // namespace
}  // namespace tessera::frame
