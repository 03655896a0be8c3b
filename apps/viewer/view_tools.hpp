// The view's tools: measuring, zoom to window, zoom previous, the grid and the plan's opacity, and
// what the status bar says of the pointer and of what a click does now. The window hands them the
// view's mouse; an alignment of the plan takes the clicks that the tools leave.
//
// Each status-bar message is also logged under the category "tessera.view.status" (off unless
// QT_LOGGING_RULES turns its info level on), so that a script driving the viewer can read it.
#pragma once

#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QMenu>
#include <QStatusBar>
#include <functional>

#include "floor_view.hpp"
#include "measure_tool.hpp"
#include "plan_alignment.hpp"
#include "zoom_box.hpp"

namespace tessera::viewer {

class ViewTools {
  Q_DECLARE_TR_FUNCTIONS(ViewTools)

 public:
  // Adds the hint of what a click does to `status`.
  ViewTools(FloorView& view, const PlanAlignment& alignment, QStatusBar& status);

  // The tools' entries of the View menu, and Esc, which ends a tool.
  void AddTo(QMenu& menu);
  // A left press: true when the zoom box or the measure tool took it.
  bool Pressed(Point world);
  void Released(Point world);
  void Moved(Point world);
  // The view has a new picture: the tools' figures go on it again.
  void Repainted();
  // Ends the tools (another floor opens).
  void Stop();
  // Commands, cursor and hint as the view and an alignment now stand.
  void Update();
  // Another way of picking points on the view (aligning by two points): while it runs, the
  // cursor is a crosshair and measuring ends, as during an alignment.
  void OtherPicking(std::function<bool()> running) { other_picking_ = std::move(running); }
  // "X 12,345  Y 6,789 m", and the distance and vector from a pending first point.
  QString PointerText(Point world) const;

 private:
  void Measure(bool on);
  QString Hint() const;
  bool OtherPicks() const { return other_picking_ && other_picking_(); }
  bool Aligning() const { return alignment_.active() || OtherPicks(); }

  FloorView& view_;
  const PlanAlignment& alignment_;
  QStatusBar& status_;
  QLabel* hint_;
  MeasureTool measure_;
  ZoomBox zoom_box_;
  QAction* previous_ = nullptr;
  QAction* measure_action_ = nullptr;
  std::function<bool()> other_picking_;
};

}  // namespace tessera::viewer
