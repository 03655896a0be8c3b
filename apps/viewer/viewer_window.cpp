#include "viewer_window.hpp"

#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QSignalBlocker>
#include <QStatusBar>
#include <algorithm>

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
    : raster_dir_(std::move(raster_dir)), floor_(floor), floors_(ListFloors(raster_dir_)) {
  setWindowTitle(Text(std::string(kTitle) + " - " + raster_dir_));
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
  BuildMenus();
  BuildStatusBar();
  alignment_ = std::make_unique<PlanAlignment>(*view_, [this](const QString& message) { Report(message); });
  connect(floor_list_, &QListWidget::currentRowChanged, this, [this](int row) {
    if (row >= 0) OpenFloor(floors_[static_cast<std::size_t>(row)]);
  });
  view_->OnViewChanged([this] { ShowPlacement(); });
  view_->OnCursorMoved([this](Point world) {
    ShowCursor(world);
    alignment_->MouseMoved(world);
  });
  view_->OnLeftPress([this](Point world) { return alignment_->MousePressed(world); });
  UpdateCommands();
}

void ViewerWindow::BuildMenus() {
  QMenu* plan = menuBar()->addMenu("&Plan");
  load_ = plan->addAction("&Load plan...", this, [this] { LoadPlan(); });
  show_hide_ = plan->addAction("&Show/hide", this, [this] { ToggleVisible(); });
  align_ = plan->addAction("&Align...", this, [this] { Align(); });
  plan->addSeparator();
  print_ = plan->addAction("&Print...", this, [this] { Print(); });
  plan->addSeparator();
  plan->addAction("&Quit", QKeySequence::Quit, this, [this] { close(); });

  QMenu* zoom = menuBar()->addMenu("&View");
  zoom->addAction("&Fit", QKeySequence(Qt::CTRL | Qt::Key_0), this, [this] { view_->FitFloor(); });
  zoom->addAction("&1:1", QKeySequence(Qt::CTRL | Qt::Key_1), this, [this] { view_->ZoomToPlan(1); });
}

void ViewerWindow::BuildStatusBar() {
  cursor_ = new QLabel(this);
  zoom_ = new QLabel(this);
  placement_ = new QLabel(this);
  statusBar()->addWidget(cursor_, 1);
  statusBar()->addPermanentWidget(zoom_);
  statusBar()->addPermanentWidget(placement_);
}

void ViewerWindow::UpdateCommands() {
  const bool open = current_.has_value();
  const bool has_plan = view_->raster() != nullptr;
  load_->setEnabled(open);
  show_hide_->setEnabled(has_plan);
  align_->setEnabled(has_plan && view_->raster()->picture() != nullptr && !alignment_->active());
  print_->setEnabled(open);
}

void ViewerWindow::OpenFloor(const FloorEntry& entry) {
  alignment_->Cancel();  // a plan is aligned only while its floor is shown
  current_ = entry;
  // The list shows the open floor; it would otherwise open its first one when it takes the focus.
  const auto row = std::find(floors_.begin(), floors_.end(), entry) - floors_.begin();
  const QSignalBlocker quiet(floor_list_);
  floor_list_->setCurrentRow(row < static_cast<std::ptrdiff_t>(floors_.size()) ? static_cast<int>(row) : -1);
  const auto height = static_cast<int32_t>(floor_.height);
  view_->ShowFloor(OpenRaster(entry, height, raster_dir_), floor_, StoredFactor(entry, raster_dir_));
  setWindowTitle(Text(std::string(kTitle) + " - " + entry.Label()));
  UpdateCommands();
}

void ViewerWindow::LoadPlan() {
  if (!current_) return;
  alignment_->Cancel();
  auto raster = view_->raster() ? view_->raster() : NewRaster(*current_);
  std::string directory = raster_dir_;
  if (!raster->LoadRasterFile("", current_->id, static_cast<int32_t>(floor_.height), true, directory)) return;
  std::string unsaved;
  try {
    raster->GenTrans(static_cast<int32_t>(floor_.width));
  } catch (const platform::RuntimeError& error) {
    // The fitted placement could not be saved, and GenTrans dropped it: the plan shows unplaced.
    unsaved = "cannot write '" + platform::ToHostPath(RasterIniPath(raster_dir_)).string() +
              "': " + error.description();
  }
  view_->ShowFloor(raster, floor_, StoredFactor(*current_, raster_dir_));
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
  }
}

void ViewerWindow::Align() {
  alignment_->Start();
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

void ViewerWindow::ShowPlacement() {
  zoom_->setText(QString("Zoom %1 %").arg(view_->PlanZoom() * 100, 0, 'f', 1));
  placement_->setText(PlacementText(view_->raster().get(), view_->plan_factor()));
}

void ViewerWindow::Report(const QString& message) {
  statusBar()->showMessage(message);
  UpdateCommands();
}

void ViewerWindow::ShowCursor(Point world) {
  cursor_->setText(QString("x %1  y %2").arg(std::lround(world.x)).arg(std::lround(world.y)));
}

}  // namespace tessera::viewer
