// The viewer's main window: the floors of the raster directory on the left, the open floor with
// its plan in the middle, the plan's commands in the menus and the view's state in the status bar.
#pragma once

#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QPrinter>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "floor_list.hpp"
#include "floor_view.hpp"
#include "placement_history.hpp"
#include "plan_alignment.hpp"
#include "print_floor.hpp"
#include "two_point_alignment.hpp"
#include "view_tools.hpp"

namespace tessera::viewer {

class ViewerWindow : public QMainWindow {
  Q_DECLARE_TR_FUNCTIONS(tessera::viewer::ViewerWindow)

 public:
  // Lists the floors of `raster_dir`; each floor is `floor` world units large.
  ViewerWindow(std::string raster_dir, Size floor);
  ~ViewerWindow() override;

  // Switches the window to the floors of `raster_dir`, with the checks it made at start; the
  // open floor is closed.
  void OpenDirectory(std::string raster_dir);

  // Opens the floor or level of `entry` with the raster its section holds, if any.
  void OpenFloor(const FloorEntry& entry);
  const std::vector<FloorEntry>& floors() const { return floors_; }
  // Why the directory's floors could not be listed; nullopt when they were.
  const std::optional<std::string>& unreadable() const { return unreadable_; }
  FloorView& view() { return *view_; }
  PlanAlignment& alignment() { return *alignment_; }
  TwoPointAlignment& two_points() { return *two_points_; }

  // The commands of the menus.
  void ChooseDirectory();
  void LoadPlan();
  // Loads the plan file `file` (a library path) as the open floor's plan, fitted to the floor; a
  // file the library refuses leaves the floor's plan as it was.
  void LoadPlanFile(const std::string& file);
  void ToggleVisible();
  void Align();
  void AlignByTwoPoints();
  // Writes the open floor's placement back as it was before its last change, or after the last
  // undone one, and shows it.
  void UndoPlacement();
  void RedoPlacement();
  void Print();
  // The open floor to print at 1:`scale` (0: fitted to the page), centred where the view is.
  PrintJob Printing(int scale) const;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildMenus();
  void SwitchDirectory(const QString& directory);
  void FillRecent();
  void BuildStatusBar();
  void UpdateCommands();
  void ShowPlacement();
  void ShowCursor(Point world);
  void Report(const QString& message);
  void StepPlacement(bool redo);
  // True when no alignment runs, or the user agrees to cancel the running one.
  bool MayCancelAlignment(const QString& question);

  std::string raster_dir_;
  Size floor_;
  std::vector<FloorEntry> floors_;
  std::optional<FloorEntry> current_;
  double stored_factor_ = 1;               // of the open floor's section
  std::optional<std::string> unreadable_;  // why "Raster.ini" is not read
  QListWidget* floor_list_ = nullptr;
  FloorView* view_ = nullptr;
  QAction* load_ = nullptr;
  QAction* show_hide_ = nullptr;
  QAction* align_ = nullptr;
  QAction* align_two_ = nullptr;
  QAction* undo_ = nullptr;
  QAction* redo_ = nullptr;
  QAction* print_ = nullptr;
  QMenu* recent_ = nullptr;
  QLabel* cursor_ = nullptr;
  QLabel* zoom_ = nullptr;
  QLabel* placement_ = nullptr;
  PlacementHistory history_;  // before the sessions, whose ends it records while they go
  // The tools follow an alignment to its end, also when the window goes.
  std::unique_ptr<ViewTools> tools_;
  std::unique_ptr<PlanAlignment> alignment_;
  std::unique_ptr<TwoPointAlignment> two_points_;
  std::unique_ptr<QPrinter> printer_;  // made on the first print, keeping its page setup
  int print_scale_ = 0;
};

}  // namespace tessera::viewer
