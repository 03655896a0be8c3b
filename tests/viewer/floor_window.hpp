// The viewer showing floor 5 of a plan directory in an 800 x 600 window, for the tests that drive
// its view, its tools and its alignments.
#pragma once

#include <gtest/gtest.h>

#include <QMouseEvent>
#include <QStatusBar>
#include <vector>

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

  // A left-button press or release on the view, or a move with the buttons `held`.
  void Mouse(QEvent::Type type, QPointF at, Qt::MouseButtons held = Qt::NoButton) {
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, at, window_.view().mapToGlobal(at), button,
                      type == QEvent::MouseButtonPress ? Qt::MouseButtons(Qt::LeftButton) : held,
                      Qt::NoModifier);
    QApplication::sendEvent(&window_.view(), &event);
  }
  std::vector<uint32_t> Pixels() { return window_.view().control()->pixels(); }
  // How many of the view's pixels differ from `before`.
  long Changed(const std::vector<uint32_t>& before) {
    const std::vector<uint32_t> now = Pixels();
    long changed = 0;
    for (std::size_t i = 0; i < now.size(); ++i) changed += now[i] != before[i] ? 1 : 0;
    return changed;
  }
  QString Status() { return window_.statusBar()->currentMessage(); }

  PlanDirectory dir_;
  ViewerWindow window_{dir_.path(), {20000, 10000}};
};

}  // namespace tessera::viewer::testing
