// The viewer showing floor 5 of a plan directory in an 800 x 600 window, for the tests that drive
// its tools and its alignments.
#pragma once

#include <gtest/gtest.h>

#include "plan_directory.hpp"
#include "qt/test_application.hpp"
#include "viewer_window.hpp"

namespace tessera::viewer::testing {

class FloorWindowTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { qt::testing::TestApplication(); }

  FloorWindowTest() {
    window_.resize(800, 600);
    window_.show();
    window_.OpenFloor({false, 5});
  }

  PlanDirectory dir_;
  ViewerWindow window_{dir_.path(), {20000, 10000}};
};

}  // namespace tessera::viewer::testing
