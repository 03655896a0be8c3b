// A test with the recording user interface installed: what the library shows the user is kept in
// `ui_`, and the answers a test scripts there are given.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "tessera/platform/ui/recording_ui.hpp"
#include "tessera/platform/ui/ui.hpp"

namespace tessera::testing {

class RecordedUiTest : public ::testing::Test {
 protected:
  std::shared_ptr<platform::RecordingUi> ui_ = std::make_shared<platform::RecordingUi>();

 private:
  platform::ScopedUiServices installed_{ui_};
};

}  // namespace tessera::testing
