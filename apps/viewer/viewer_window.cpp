#include "viewer_window.hpp"

#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QMessageBox>
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

ViewerWindow::ViewerWindow(std::string raster_dir, Size floor) : floor_(floor), history_(std::string()) {
  floor_list_ = new QListWidget(this);
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
  alignment_->OnEnded([this] { history_.Commit(); });
  two_points_ = std::make_unique<TwoPointAlignment>(
      *view_, this, [this](const QString& message) { Report(message); },
      [this](bool applied) {
        const bool saved = history_.Commit();
        if (!applied) return Report(tr("Alignment by two points ended without a change"));
        Report(saved ? tr("Alignment by two points saved")
                     : tr("Alignment by two points not saved: %1").arg(Text(WhyNotWritable(raster_dir_))));
      });
  tools_ = std::make_unique<ViewTools>(*view_, *alignment_, *statusBar());
  tools_->OtherPicking([this] { return two_points_->active(); });
  BuildMenus();
  BuildStatusBar();
  new PlanDrop(
      *view_, [this] { return load_->isEnabled(); },
      [this](const QString& file) { LoadPlanFile(platform::ToLibraryPath(file.toStdString())); });
  connect(floor_list_, &QListWidget::currentRowChanged, this, [this](int row) {
    if (row < 0) return;
    if (MayCancelAlignment(tr("The plan is being aligned. Cancel the alignment and switch floor?")))
      return OpenFloor(floors_[static_cast<std::size_t>(row)]);
    const QSignalBlocker quiet(floor_list_);  // the open floor stays the list's current row
    floor_list_->setCurrentRow(
        static_cast<int>(std::find(floors_.begin(), floors_.end(), *current_) - floors_.begin()));
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
  view_->OnLeftPress([this](Point world) {
    return tools_->Pressed(world) || alignment_->MousePressed(world) || two_points_->MousePressed(world);
  });
  view_->OnLeftRelease([this](Point world) { tools_->Released(world); });
  OpenDirectory(std::move(raster_dir));
}

void ViewerWindow::OpenDirectory(std::string raster_dir) {
  alignment_->Cancel();
  two_points_->Cancel();
  raster_dir_ = std::move(raster_dir);
  history_ = PlacementHistory(raster_dir_);
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
  alignment_->RasterDirectory(raster_dir_);
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
  if (!MayCancelAlignment(tr("The plan is being aligned. Cancel the alignment and open another directory?")))
    return;
  OpenDirectory(platform::ToLibraryPath(directory.toStdString()));
  if (!unreadable_) RememberDirectory(directory);
}

void ViewerWindow::FillRecent() {
  recent_->clear();
  for (const QString& directory : RecentDirectories())
    recent_->addAction(directory, this, [this, directory] { SwitchDirectory(directory); });
  if (recent_->isEmpty()) recent_->addAction(ViewerWindow::tr("No recent directories"))->setEnabled(false);
}

// A running session ends while every part of the window that its end reaches is still there.
ViewerWindow::~ViewerWindow() {
  alignment_->Cancel();
  two_points_->Cancel();
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
  align_two_ = plan->addAction(tr("Align by &two points..."), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_T),
                               this, [this] { AlignByTwoPoints(); });

  QMenu* edit = menuBar()->addMenu(tr("&Edit"));
  undo_ = edit->addAction(tr("&Undo"), QKeySequence::Undo, this, [this] { UndoPlacement(); });
  redo_ = edit->addAction(tr("&Redo"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), this,
                          [this] { RedoPlacement(); });

  QMenu* zoom = menuBar()->addMenu(ViewerWindow::tr("&View"));
  zoom->addAction(ViewerWindow::tr("&Fit"), QKeySequence(Qt::CTRL | Qt::Key_0), this,
                  [this] { view_->FitFloor(); });
  zoom->addAction("&1:1", QKeySequence(Qt::CTRL | Qt::Key_1), this, [this] { view_->ZoomToPlan(1); });
  QAction* in = zoom->addAction(ViewerWindow::tr("Zoom &in"), this, [this] { view_->ZoomSteps(1); });
  in->setShortcuts(
      {QKeySequence(Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::Key_PageUp)});
  QAction* out = zoom->addAction(ViewerWindow::tr("Zoom &out"), this, [this] { view_->ZoomSteps(-1); });
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
  const bool aligning = alignment_->active() || two_points_->active();
  show_hide_->setEnabled(has_plan && !two_points_->active());  // it would save the previewed placement
  const bool can_align = has_plan && view_->raster()->picture() != nullptr && !aligning;
  align_->setEnabled(can_align);
  align_two_->setEnabled(can_align);
  print_->setEnabled(open);
  undo_->setEnabled(open && !aligning && history_.CanUndo(*current_));
  redo_->setEnabled(open && !aligning && history_.CanRedo(*current_));
  tools_->Update();
}

// A floor that "Raster.ini" does not hold yet joins the list, so that the list's current row is
// always the open floor; the list would otherwise open its first one when it takes the focus.
void ViewerWindow::OpenFloor(const FloorEntry& entry) {
  alignment_->Cancel();  // a plan is aligned only while its floor is shown
  two_points_->Cancel();
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
  two_points_->Cancel();
  const auto raster = NewRaster(*current_);
  std::string directory = raster_dir_;
  history_.Begin(*current_);
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
  history_.Commit();
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
    history_.Begin(*current_);
    raster->Visible(!raster->Visible());
    history_.Commit();
    if (alignment_->active()) history_.Begin(*current_);  // the alignment's end is a step of its own
    view_->Redraw();
    alignment_->ViewRepainted();
  }
}

void ViewerWindow::Align() {
  if (two_points_->active()) return;
  if (current_) history_.Begin(*current_);
  alignment_->Start();
  if (alignment_->active()) statusBar()->clearMessage();  // for the hint of what a click does
  UpdateCommands();
}

void ViewerWindow::AlignByTwoPoints() {
  if (!current_ || alignment_->active()) return;
  history_.Begin(*current_);
  two_points_->Start();
  UpdateCommands();
}

void ViewerWindow::UndoPlacement() {
  StepPlacement(false);
}

void ViewerWindow::RedoPlacement() {
  StepPlacement(true);
}

// The floor's raster is made anew from its section, as opening the floor makes it; the view
// stays where it looks.
void ViewerWindow::StepPlacement(bool redo) {
  if (!current_ || unreadable_ || alignment_->active() || two_points_->active()) return;
  if (!(redo ? history_.CanRedo(*current_) : history_.CanUndo(*current_))) return;
  if (!(redo ? history_.Redo(*current_) : history_.Undo(*current_)))
    return Report(tr("Placement not changed: %1").arg(Text(WhyNotWritable(raster_dir_))));
  stored_factor_ = StoredFactor(*current_, raster_dir_);
  view_->ShowRaster(OpenRaster(*current_, static_cast<int32_t>(floor_.height), raster_dir_), stored_factor_);
  Report(redo ? tr("Placement change redone") : tr("Placement change undone"));
  if (const auto problem = PlanProblem(*current_, view_->raster().get(), raster_dir_)) Report(Text(*problem));
}

bool ViewerWindow::MayCancelAlignment(const QString& question) {
  if (!alignment_->active() && !two_points_->active()) return true;
  return QMessageBox::question(this, Text(std::string(kTitle)), question, QMessageBox::Yes | QMessageBox::No,
                               QMessageBox::No) == QMessageBox::Yes;
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

// The factor in force: the previewed one while aligning by two points, else the stored one,
// unless scaling has made the raster's rounded factor another one.
void ViewerWindow::ShowPlacement() {
  if (two_points_->active()) {
    view_->PlanFactor(two_points_->factor());
  } else if (const auto& raster = view_->raster()) {
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
  if (!MayCancelAlignment(tr("The plan is being aligned. Cancel the alignment and quit?")))
    return event->ignore();
  alignment_->Cancel();
  two_points_->Cancel();
  QMainWindow::closeEvent(event);
}

void ViewerWindow::ShowCursor(Point world) {
  cursor_->setText(tools_->PointerText(world));
}

}  // namespace tessera::viewer
