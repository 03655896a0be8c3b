#include "viewer_window.hpp"

#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QSignalBlocker>
#include <QStatusBar>
#include <algorithm>
#include <cmath>

#include "chosen_file.hpp"
#include "directory_checks.hpp"
#include "print_floor.hpp"
#include "tessera/platform/runtime/error.hpp"
#include "tessera/platform/runtime/host_path.hpp"
#include "tessera/platform/ui/ui.hpp"
#include "tessera/raster/raster_settings.hpp"

namespace tessera::viewer {
namespace {

constexpr std::string_view kTitle = "tessera-view";

QString Text(const std::string& text) {
  return QString::fromStdString(text);
}

// A library path as the user writes it ("/").
std::string UserPath(const std::string& library_path) {
  return platform::ToHostPath(library_path).string();
}

// The plan file the entry's section names, when it did not load; the library's own message does
// not name it.
std::optional<std::string> PlanProblem(const FloorEntry& entry, const RasterBackground* raster,
                                       const std::string& raster_dir) {
  if (raster != nullptr && raster->picture() != nullptr) return std::nullopt;
  if (raster != nullptr && !raster->Visible()) return std::nullopt;
  const std::string file = StoredPlanFile(entry, raster_dir);
  if (file.empty()) return std::nullopt;
  return entry.Label() + ": the plan '" + file + "' did not load";
}

// "Dx -40  Dy -25  Factor 30", or what stands in for a floor without a placed plan.
QString PlacementText(const RasterBackground* raster, double factor) {
  if (raster == nullptr) return "no plan";
  try {
    return QString("Dx %1  Dy %2  Factor %3%4")
        .arg(raster->Dx())
        .arg(raster->Dy())
        .arg(factor)
        .arg(raster->Visible() ? "" : "  (hidden)");
  } catch (const platform::RuntimeError&) {
    return "plan not placed";
  }
}

}  // namespace

ViewerWindow::ViewerWindow(std::string raster_dir, Size floor)
    : raster_dir_(std::move(raster_dir)), floor_(floor) {
  // A FIFO or a loop as "Raster.ini" would hang or fail the library's reading: the viewer names
  // it, and opens floors without reading it.
  unreadable_ = ListingProblem(raster_dir_);
  if (unreadable_) {
    platform::MsgBox(*unreadable_, platform::vbCritical, kTitle);
  } else {
    floors_ = ListFloors(raster_dir_);
  }
  setWindowTitle(Text(std::string(kTitle) + " - " + UserPath(raster_dir_)));
  floor_list_ = new QListWidget(this);
  for (const FloorEntry& entry : floors_) floor_list_->addItem(Text(entry.Label()));
  floor_list_->setMaximumWidth(160);
  view_ = new FloorView(this);
  auto* central = new QWidget(this);
  auto* layout = new QHBoxLayout(central);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(floor_list_);
  layout->addWidget(view_, 1);
  setCentralWidget(central);
  alignment_ = std::make_unique<PlanAlignment>(*view_, raster_dir_,
                                               [this](const QString& message) { Report(message); });
  tools_ = std::make_unique<ViewTools>(*view_, *alignment_, *statusBar());
  BuildMenus();
  BuildStatusBar();
  connect(floor_list_, &QListWidget::currentRowChanged, this, [this](int row) {
    if (row >= 0) OpenFloor(floors_[static_cast<std::size_t>(row)]);
  });
  view_->OnViewChanged([this] {
    tools_->Repainted();
    ShowPlacement();
    UpdateCommands();
  });
  view_->OnViewMoved([this] { alignment_->ViewRepainted(); });
  view_->OnCursorMoved([this](Point world) {
    ShowCursor(world);
    alignment_->MouseMoved(world);
    tools_->Moved(world);
  });
  // A tool the user chose takes the press before an alignment does.
  view_->OnLeftPress(
      [this](Point world) { return tools_->Pressed(world) || alignment_->MousePressed(world); });
  view_->OnLeftRelease([this](Point world) { tools_->Released(world); });
  UpdateCommands();
  if (unreadable_) statusBar()->showMessage(Text(*unreadable_));
}

void ViewerWindow::BuildMenus() {
  QMenu* plan = menuBar()->addMenu("&Plan");
  load_ = plan->addAction("&Load plan...", QKeySequence::Open, this, [this] { LoadPlan(); });
  show_hide_ =
      plan->addAction("&Show/hide", QKeySequence(Qt::CTRL | Qt::Key_H), this, [this] { ToggleVisible(); });
  align_ = plan->addAction("&Align...", QKeySequence(Qt::CTRL | Qt::Key_T), this, [this] { Align(); });
  plan->addSeparator();
  print_ = plan->addAction("&Print...", QKeySequence::Print, this, [this] { Print(); });
  plan->addSeparator();
  plan->addAction("&Quit", QKeySequence(Qt::CTRL | Qt::Key_Q), this, [this] { close(); });

  QMenu* zoom = menuBar()->addMenu("&View");
  zoom->addAction("&Fit", QKeySequence(Qt::CTRL | Qt::Key_0), this, [this] { view_->FitFloor(); });
  zoom->addAction("&1:1", QKeySequence(Qt::CTRL | Qt::Key_1), this, [this] { view_->ZoomToPlan(1); });
  QAction* in = zoom->addAction("Zoom &in", this, [this] { view_->ZoomSteps(1); });
  in->setShortcuts(
      {QKeySequence(Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::Key_PageUp)});
  QAction* out = zoom->addAction("Zoom &out", this, [this] { view_->ZoomSteps(-1); });
  out->setShortcuts(
      {QKeySequence(Qt::Key_Minus), QKeySequence(Qt::CTRL | Qt::Key_Minus), QKeySequence(Qt::Key_PageDown)});
  tools_->AddTo(*zoom);
}

void ViewerWindow::BuildStatusBar() {
  cursor_ = new QLabel(this);
  zoom_ = new QLabel(this);
  placement_ = new QLabel(this);
  statusBar()->addPermanentWidget(cursor_);  // the pointer's position stays beside any message
  statusBar()->addPermanentWidget(zoom_);
  statusBar()->addPermanentWidget(placement_);
}

void ViewerWindow::UpdateCommands() {
  const bool open = current_.has_value();
  const bool has_plan = view_->raster() != nullptr;
  load_->setEnabled(open && !unreadable_);  // loading writes the placement into "Raster.ini"
  show_hide_->setEnabled(has_plan);
  align_->setEnabled(has_plan && view_->raster()->picture() != nullptr && !alignment_->active());
  print_->setEnabled(open);
  tools_->Update();
}

// A floor that "Raster.ini" does not hold yet joins the list, so that the list's current row is
// always the open floor; the list would otherwise open its first one when it takes the focus.
void ViewerWindow::OpenFloor(const FloorEntry& entry) {
  alignment_->Cancel();  // a plan is aligned only while its floor is shown
  tools_->Stop();
  current_ = entry;
  if (std::find(floors_.begin(), floors_.end(), entry) == floors_.end()) {
    floors_.push_back(entry);
    const QSignalBlocker quiet(floor_list_);
    floor_list_->addItem(Text(entry.Label()));
  }
  const auto row = std::find(floors_.begin(), floors_.end(), entry) - floors_.begin();
  const QSignalBlocker quiet(floor_list_);
  floor_list_->setCurrentRow(static_cast<int>(row));
  const auto height = static_cast<int32_t>(floor_.height);
  stored_factor_ = unreadable_ ? 1 : StoredFactor(entry, raster_dir_);
  view_->ShowFloor(unreadable_ ? nullptr : OpenRaster(entry, height, raster_dir_), floor_, stored_factor_);
  setWindowTitle(Text(std::string(kTitle) + " - " + entry.Label() + " - " + UserPath(raster_dir_)));
  UpdateCommands();
  if (unreadable_) return;
  if (const auto problem = PlanProblem(entry, view_->raster().get(), raster_dir_)) Report(Text(*problem));
}

// The plan loads into a raster object of its own, so that a refused file leaves the floor's
// plan loaded and drawn.
void ViewerWindow::LoadPlan() {
  if (!current_) return;
  alignment_->Cancel();
  const auto raster = NewRaster(*current_);
  std::string directory = raster_dir_;
  const ChosenFile chosen;
  if (!raster->LoadRasterFile("", current_->id, static_cast<int32_t>(floor_.height), true, directory)) {
    if (!chosen.file().empty())
      Report("The plan '" + Text(UserPath(chosen.file())) + "' did not load; the floor keeps " +
             (view_->raster() ? "its plan" : "no plan"));
    view_->Redraw();
    return;
  }
  std::string unsaved;
  try {
    raster->GenTrans(static_cast<int32_t>(floor_.width));
  } catch (const platform::RuntimeError& error) {
    // The fitted placement could not be saved, and GenTrans dropped it: the plan shows unplaced.
    unsaved = "cannot write '" + platform::ToHostPath(RasterIniPath(raster_dir_)).string() +
              "': " + error.description();
  }
  stored_factor_ = StoredFactor(*current_, raster_dir_);
  view_->ShowFloor(raster, floor_, stored_factor_);
  if (unsaved.empty()) {
    UpdateCommands();
  } else {
    Report(Text(unsaved));
  }
}

void ViewerWindow::ToggleVisible() {
  if (const auto& raster = view_->raster()) {
    raster->Visible(!raster->Visible());
    view_->Redraw();
    alignment_->ViewRepainted();
  }
}

void ViewerWindow::Align() {
  alignment_->Start();
  if (alignment_->active()) statusBar()->clearMessage();  // for the hint of what a click does
  UpdateCommands();
}

void ViewerWindow::Print() {
  if (!current_) return;
  const QString suggested = QDir(QString::fromStdString(platform::ToHostPath(raster_dir_).string()))
                                .filePath(Text(current_->Label()).replace(' ', '-') + ".pdf");
  const QString file = QFileDialog::getSaveFileName(this, "Print floor to PDF", suggested, "PDF (*.pdf)");
  if (file.isEmpty()) return;
  try {
    PrintFloorToPdf(file, view_->raster().get(), floor_);
    statusBar()->showMessage("Printed to " + file, 5000);
  } catch (const platform::RuntimeError& error) {
    platform::MsgBox(error.description(), platform::vbCritical, kTitle);
  }
}

// The factor in force: the stored one, unless scaling has made the raster's rounded factor
// another one.
void ViewerWindow::ShowPlacement() {
  if (const auto& raster = view_->raster()) {
    try {
      if (raster->Zoom() != static_cast<int32_t>(std::nearbyint(stored_factor_)))
        view_->PlanFactor(raster->Zoom());
      else
        view_->PlanFactor(stored_factor_);
    } catch (const platform::RuntimeError&) {
      // not placed yet
    }
  }
  zoom_->setText(QString("Zoom %1 %").arg(view_->PlanZoom() * 100, 0, 'f', 1));
  placement_->setText(PlacementText(view_->raster().get(), view_->plan_factor()));
}

// A saved alignment has written the factor that is then stored.
void ViewerWindow::Report(const QString& message) {
  if (current_ && !unreadable_) stored_factor_ = StoredFactor(*current_, raster_dir_);
  ShowPlacement();
  statusBar()->showMessage(message);
  UpdateCommands();
}

// A running alignment is cancelled while the window can still show its end.
void ViewerWindow::closeEvent(QCloseEvent* event) {
  alignment_->Cancel();
  QMainWindow::closeEvent(event);
}

void ViewerWindow::ShowCursor(Point world) {
  cursor_->setText(tools_->PointerText(world));
}

}  // namespace tessera::viewer
