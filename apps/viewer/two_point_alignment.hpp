// Aligning the open floor's plan by two points: the user picks two points on the plan and gives
// where they lie on the floor, typed in the transformation dialog's units or picked on the floor.
// Factor and shift follow in one step and show on the view at once, through SetTrans; OK keeps
// them and saves them as the library saves a placement, Cancel puts the placement back.
//
// The window hands the view's left presses to MousePressed while a point is to be picked.
#pragma once

#include <QCoreApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <array>
#include <functional>
#include <memory>
#include <optional>

#include "floor_view.hpp"
#include "two_point_fit.hpp"

namespace tessera::viewer {

class TwoPointMarkers;

class TwoPointAlignment {
  Q_DECLARE_TR_FUNCTIONS(TwoPointAlignment)

 public:
  // `report` shows a line in the status bar; `ended` runs once a session ends, true after OK.
  TwoPointAlignment(FloorView& view, QWidget* parent, std::function<void(const QString&)> report,
                    std::function<void(bool ok)> ended);
  ~TwoPointAlignment();
  TwoPointAlignment(const TwoPointAlignment&) = delete;
  TwoPointAlignment& operator=(const TwoPointAlignment&) = delete;

  // Opens the dialog for the view's placed raster with a loaded picture; nothing otherwise.
  void Start();
  // Ends a running session as the dialog's Cancel does.
  void Cancel();
  bool active() const { return raster_ != nullptr; }
  // The factor the raster holds while a session runs: the previewed one.
  double factor() const { return shown_.factor; }
  QDialog& dialog() { return *dialog_; }
  // The floor point fields of point 0 or 1: X and Y in the dialog's units.
  QLineEdit& FloorX(int point) { return *points_[point].x; }
  QLineEdit& FloorY(int point) { return *points_[point].y; }

  // True when the press picked a point: a session is running.
  bool MousePressed(Point world);

 private:
  enum class Picking { kNothing, kPlan, kFloor };
  struct PointRow {
    std::optional<Point> pixel;  // on the plan, in raster pixels
    QLabel* plan = nullptr;
    QLineEdit* x = nullptr;
    QLineEdit* y = nullptr;
  };

  void Build();
  void Pick(Picking what, int point);
  void Update();
  std::optional<Point> TypedFloorPoint(int point) const;
  void Show(const PlanPlacement& placement);
  void Finished(bool ok);
  void ShowHint();

  FloorView& view_;
  std::function<void(const QString&)> report_;
  std::function<void(bool)> ended_;
  std::unique_ptr<QDialog> dialog_;
  std::array<PointRow, 2> points_;
  QLabel* hint_ = nullptr;
  QLabel* result_ = nullptr;
  QPushButton* ok_ = nullptr;
  TwoPointMarkers* markers_ = nullptr;  // a child of the view
  std::shared_ptr<RasterBackground> raster_;
  PlanPlacement start_;  // the placement the session began with
  PlanPlacement shown_;  // the placement the raster holds now
  std::optional<TwoPointFit> fit_;
  Picking picking_ = Picking::kNothing;
  int picked_point_ = 0;
  bool placed_ = false;  // the dialog was placed once; later, it stays where the user put it
};

}  // namespace tessera::viewer
