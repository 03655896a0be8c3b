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

#include "directory_checks.hpp"
#include "plan_drop.hpp"
#include "print_preview.hpp"
#include "recent_directories.hpp"
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
  if (raster == nullptr) return ViewerWindow::tr("no plan");
  try {
    return ViewerWindow::tr("Dx %1  Dy %2  Factor %3%4")
        .arg(raster->Dx())
        .arg(raster->Dy())
        .arg(factor)
        .arg(raster->Visible() ? "" : ViewerWindow::tr("  (hidden)"));
  } catch (const platform::RuntimeError&) {
    return ViewerWindow::tr("plan not placed");
  }
}

// The filter of the plan picker: both kinds at once first, then each.
QString PlanFilter() {
  return ViewerWindow::tr("All plan files (*.bmp *.jpg)") + "|*.bmp;*.jpg|" +
         ViewerWindow::tr("Windows bitmap (*.bmp)") + "|*.bmp|" + ViewerWindow::tr("JPEG (*.jpg)") + "|*.jpg";
}

}  // namespace

ViewerWindow::ViewerWindow(std::string raster_dir, Size floor) : floor_(floor) {
  floor_list_ = new QListWidget(this);
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
  new PlanDrop(
      *view_, [this] { return load_->isEnabled(); },
      [this](const QString& file) { LoadPlanFile(platform::ToLibraryPath(file.toStdString())); });
  connect(floor_list_, &QListWidget::currentRowChanged, this, [this](int row) {
    if (row >= 0) OpenFloor(floors_[static_cast<std::size_t>(row)]);
  });
  view_->OnViewChanged([this] {
    ShowPlacement();
    UpdateCommands();
  });
  view_->OnViewMoved([this] { alignment_->ViewRepainted(); });
  view_->OnCursorMoved([this](Point world) {
    ShowCursor(world);
    alignment_->MouseMoved(world);
  });
  view_->OnLeftPress([this](Point world) { return alignment_->MousePressed(world); });
  OpenDirectory(std::move(raster_dir));
}

void ViewerWindow::OpenDirectory(std::string raster_dir) {
  if (alignment_) alignment_->Cancel();
  raster_dir_ = std::move(raster_dir);
  floors_.clear();
  // A FIFO or a loop as "Raster.ini" would hang or fail the library's reading: the viewer names
  // it, and opens floors without reading it.
  unreadable_ = ListingProblem(raster_dir_);
  if (unreadable_) {
    platform::MsgBox(*unreadable_, platform::vbCritical, kTitle);
  } else {
    floors_ = ListFloors(raster_dir_);
  }
  setWindowTitle(Text(std::string(kTitle) + " - " + UserPath(raster_dir_)));
  {
    const QSignalBlocker quiet(floor_list_);
    floor_list_->clear();
    for (const FloorEntry& entry : floors_) floor_list_->addItem(Text(entry.Label()));
  }
  alignment_ = std::make_unique<PlanAlignment>(*view_, raster_dir_,
                                               [this](const QString& message) { Report(message); });
  if (current_) {
    current_.reset();
    view_->ShowFloor(nullptr, {}, 1);
  }
  UpdateCommands();
  statusBar()->showMessage(unreadable_ ? Text(*unreadable_) : QString());
}

void ViewerWindow::ChooseDirectory() {
  const QString chosen = QFileDialog::getExistingDirectory(this, ViewerWindow::tr("Open raster directory"),
                                                           Text(UserPath(raster_dir_)));
  if (!chosen.isEmpty()) SwitchDirectory(chosen);
}

// A directory the user chose, from the dialog or the recent ones; kept as recent when its floors
// could be listed.
void ViewerWindow::SwitchDirectory(const QString& directory) {
  OpenDirectory(platform::ToLibraryPath(directory.toStdString()));
  if (!unreadable_) RememberDirectory(directory);
}

void ViewerWindow::FillRecent() {
  recent_->clear();
  for (const QString& directory : RecentDirectories())
    recent_->addAction(directory, this, [this, directory] { SwitchDirectory(directory); });
  if (recent_->isEmpty()) recent_->addAction(ViewerWindow::tr("No recent directories"))->setEnabled(false);
}

void ViewerWindow::BuildMenus() {
  QMenu* file = menuBar()->addMenu(ViewerWindow::tr("&File"));
  file->addAction(ViewerWindow::tr("&Open raster directory..."), QKeySequence::Open, this,
                  [this] { ChooseDirectory(); });
  recent_ = file->addMenu(ViewerWindow::tr("&Recent directories"));
  connect(recent_, &QMenu::aboutToShow, this, [this] { FillRecent(); });
  file->addSeparator();
  print_ = file->addAction(ViewerWindow::tr("&Print..."), QKeySequence::Print, this, [this] { Print(); });
  file->addSeparator();
  file->addAction(ViewerWindow::tr("&Quit"), QKeySequence(Qt::CTRL | Qt::Key_Q), this, [this] { close(); });

  QMenu* plan = menuBar()->addMenu(ViewerWindow::tr("&Plan"));
  load_ = plan->addAction(ViewerWindow::tr("&Load plan..."), QKeySequence(Qt::CTRL | Qt::Key_L), this,
                          [this] { LoadPlan(); });
  show_hide_ = plan->addAction(ViewerWindow::tr("&Show/hide"), QKeySequence(Qt::CTRL | Qt::Key_H), this,
                               [this] { ToggleVisible(); });
  align_ = plan->addAction(ViewerWindow::tr("&Align..."), QKeySequence(Qt::CTRL | Qt::Key_T), this,
                           [this] { Align(); });

  QMenu* zoom = menuBar()->addMenu(ViewerWindow::tr("&View"));
  zoom->addAction(ViewerWindow::tr("&Fit"), QKeySequence(Qt::CTRL | Qt::Key_0), this,
                  [this] { view_->FitFloor(); });
  zoom->addAction("&1:1", QKeySequence(Qt::CTRL | Qt::Key_1), this, [this] { view_->ZoomToPlan(1); });
  QAction* in = zoom->addAction(ViewerWindow::tr("Zoom &in"), this, [this] { view_->ZoomSteps(1); });
  in->setShortcuts({QKeySequence(Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Plus)});
  QAction* out = zoom->addAction(ViewerWindow::tr("Zoom &out"), this, [this] { view_->ZoomSteps(-1); });
  out->setShortcuts({QKeySequence(Qt::Key_Minus), QKeySequence(Qt::CTRL | Qt::Key_Minus)});
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
  load_->setEnabled(open && !unreadable_);  // loading writes the placement into "Raster.ini"
  show_hide_->setEnabled(has_plan);
  align_->setEnabled(has_plan && view_->raster()->picture() != nullptr && !alignment_->active());
  print_->setEnabled(open);
}

// A floor that "Raster.ini" does not hold yet joins the list, so that the list's current row is
// always the open floor; the list would otherwise open its first one when it takes the focus.
void ViewerWindow::OpenFloor(const FloorEntry& entry) {
  alignment_->Cancel();  // a plan is aligned only while its floor is shown
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

// The file is asked for through the UI services the library asks through, in the raster
// directory, as the library's own picker would.
void ViewerWindow::LoadPlan() {
  if (!current_) return;
  platform::FileOpenRequest request;
  request.filter = PlanFilter().toStdString();
  request.default_extension = ".bmp";
  request.initial_directory = raster_dir_;
  request.flags = platform::kFileMustExist;
  const std::string file = platform::CurrentUiServices()->ShowFileOpen(request);
  if (!file.empty()) LoadPlanFile(file);
}

// The plan loads into a raster object of its own, so that a refused file leaves the floor's
// plan loaded and drawn.
void ViewerWindow::LoadPlanFile(const std::string& file) {
  if (!current_) return;
  alignment_->Cancel();
  const auto raster = NewRaster(*current_);
  std::string directory = raster_dir_;
  if (!raster->LoadRasterFile(file, current_->id, static_cast<int32_t>(floor_.height), true, directory)) {
    Report((view_->raster() ? ViewerWindow::tr("The plan '%1' did not load; the floor keeps its plan")
                            : ViewerWindow::tr("The plan '%1' did not load; the floor keeps no plan"))
               .arg(Text(UserPath(file))));
    view_->Redraw();
    return;
  }
  std::string unsaved;
  try {
    raster->GenTrans(static_cast<int32_t>(floor_.width));
  } catch (const platform::RuntimeError& error) {
    // The fitted placement could not be saved, and GenTrans dropped it: the plan shows unplaced.
    unsaved =
        ViewerWindow::tr("cannot write '%1': %2")
            .arg(Text(platform::ToHostPath(RasterIniPath(raster_dir_)).string()), Text(error.description()))
            .toStdString();
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
  UpdateCommands();
}

void ViewerWindow::Print() {
  if (!current_) return;
  if (!printer_) {
    printer_ = std::make_unique<QPrinter>();
    SetUpPage(*printer_, floor_);
  }
  printer_->setDocName(Text(current_->Label()));
  ShowPrintPreview(this, *printer_, print_scale_, [this](int scale) { return Printing(scale); });
}

PrintJob ViewerWindow::Printing(int scale) const {
  const Point centre = view_->view().ToWorld({view_->width() / 2.0, view_->height() / 2.0});
  return {view_->raster().get(),
          floor_,
          scale,
          centre,
          Text(UserPath(raster_dir_)),
          current_ ? Text(current_->Label()) : QString(),
          QDate::currentDate()};
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
  zoom_->setText(ViewerWindow::tr("Zoom %1 %").arg(view_->PlanZoom() * 100, 0, 'f', 1));
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
  cursor_->setText(QString("x %1  y %2").arg(std::lround(world.x)).arg(std::lround(world.y)));
}

}  // namespace tessera::viewer
