#include "plan_alignment.hpp"

#include <QCoreApplication>
#include <cmath>

#include "directory_checks.hpp"
#include "tessera/platform/runtime/error.hpp"
#include "tessera/platform/surface/canvas.hpp"
#include "typed_position.hpp"

namespace tessera::viewer {
namespace {

constexpr int16_t kLeftButton = 1;
// The probe for a pending band: a small canvas centred on where it starts.
constexpr int32_t kProbeCentre = 16;
constexpr double kProbeReach = 10;  // pixels

// The context of this file's texts in the viewer's catalogues.
struct AlignmentTexts {
  Q_DECLARE_TR_FUNCTIONS(tessera::viewer::PlanAlignment)
};

Point Rounded(Point world) {
  return {static_cast<double>(Logical(world.x)), static_cast<double>(Logical(world.y))};
}

}  // namespace

// The raster holds its sinks by shared pointer; this one speaks for the session while attached.
struct PlanAlignment::Sink : RasterEvents {
  explicit Sink(PlanAlignment& owner) : owner(owner) {}
  void TransChanged() override { owner.Changed(); }
  void TransEnd(bool bSaved) override { owner.Ended(bSaved); }
  void GetPbAndTrans(platform::ObjectRef& PictBox, std::shared_ptr<mensura::MensTrans>& Trans) override {
    owner.AnswerControl(PictBox, Trans);
  }
  PlanAlignment& owner;
};

PlanAlignment::PlanAlignment(FloorView& view, std::string raster_dir,
                             std::function<void(const QString&)> report)
    : view_(view), raster_dir_(std::move(raster_dir)), report_(std::move(report)) {}

PlanAlignment::~PlanAlignment() {
  Cancel();
}

void PlanAlignment::Start() {
  const auto& raster = view_.raster();
  if (active() || raster == nullptr || raster->picture() == nullptr) return;
  window_.reset();  // the last session's, hidden; Start runs from the main window's input
  raster_ = raster;
  cookie_ = raster_->events().Attach(std::make_shared<Sink>(*this));
  try {
    raster_->EditTrans();
  } catch (const platform::RuntimeError& error) {
    Detach();  // the raster has closed what it opened
    report_(AlignmentTexts::tr("Alignment failed: %1").arg(QString::fromStdString(error.description())));
    return;
  }
  if (!active()) return;  // ended already, while EditTrans let pending events run
  if (const auto& dialog = raster_->TransDialog()) {
    window_ = std::make_unique<qt::TransDialogWindow>(dialog);
    window_->setAttribute(Qt::WA_QuitOnClose, false);  // the viewer ends with its main window
    window_->show();
  }
}

void PlanAlignment::Cancel() {
  if (!active()) return;
  if (const auto dialog = raster_->TransDialog()) dialog->Unload();
}

bool PlanAlignment::PicksPoints() const {
  if (!active() || !window_) return false;
  const frmTrans& dialog = window_->dialog();
  return !dialog.ShiftInputActive() || dialog.cbMoveMode.Value() == 0;  // a relative shift is typed
}

bool PlanAlignment::MousePressed(Point world) {
  if (!active()) return false;
  if (!PicksPoints())
    report_(QCoreApplication::translate(
        "PlanAlignment", "Click ignored: a relative shift is typed; clear Relativ to pick a point"));
  const std::optional<Point> first = anchor_;
  const bool measuring = window_ && !window_->dialog().ShiftInputActive();
  raster_->MouseDown(kLeftButton, 0, Logical(world.x), Logical(world.y), view_.control(),
                     view_.view().WorldToDevice());
  view_.update();
  // A band pending after the press began there: a press with a band pending ends it.
  anchor_ = pointer_ = Rounded(world);
  if (active() && !BandPending()) anchor_.reset();
  if (window_) window_->Refresh();  // the raster may have enabled fields and the finish button
  if (first && !anchor_ && measuring && active()) ReportMeasured(*first, pointer_);
  return true;
}

// The length that the two clicks measured, as the plan lies now: typed as the real length, it
// would leave the factor as it is.
void PlanAlignment::ReportMeasured(Point from, Point to) {
  report_(QCoreApplication::translate("PlanAlignment",
                                      "Measured on the plan: %1 (%2 plan pixels); type its real length")
              .arg(DistanceText(from, to))
              .arg(window_->dialog().RasterLaenge(), 0, 'f', 1));
}

void PlanAlignment::MouseMoved(Point world) {
  if (!active()) return;
  pointer_ = Rounded(world);
  Move(pointer_, view_.control(), view_.view().WorldToDevice());
  view_.update();
}

void PlanAlignment::Move(Point world, const platform::ObjectRef& control,
                         const std::shared_ptr<mensura::MensTrans>& trans) {
  raster_->MouseMove(kLeftButton, 0, Logical(world.x), Logical(world.y), control, trans);
}

// MouseMove erases the band where it was and draws it to the new point. On a probe canvas that
// draws nothing when no band is pending; when one is, it is left ending at its start, a line of
// no length, so that the next MouseMove's erasing draws nothing.
bool PlanAlignment::BandPending() {
  ViewTransform probe = view_.view();
  int32_t x = Logical(anchor_->x), y = Logical(anchor_->y);
  probe.WorldToDevice()->TransformPoint(x, y);
  probe.Pan(kProbeCentre - x, kProbeCentre - y);
  const auto canvas = std::make_shared<platform::Canvas>(2 * kProbeCentre, 2 * kProbeCentre);
  const std::vector<uint32_t> blank = canvas->pixels();
  const auto trans = probe.WorldToDevice();
  Move(probe.ToWorld({kProbeCentre + kProbeReach, static_cast<double>(kProbeCentre)}), canvas, trans);
  const bool drawn = canvas->pixels() != blank;
  if (drawn) Move(*anchor_, canvas, trans);
  return drawn;
}

void PlanAlignment::ViewRepainted() {
  if (!active() || !anchor_) return;
  if (!BandPending()) {
    anchor_.reset();
    return;
  }
  Move(pointer_, view_.control(), view_.view().WorldToDevice());
  view_.update();
}

void PlanAlignment::Detach() {
  if (!active()) return;
  raster_->events().Detach(cookie_);
  raster_.reset();
}

void PlanAlignment::Changed() {
  view_.Redraw();
}

void PlanAlignment::AnswerControl(platform::ObjectRef& control, std::shared_ptr<mensura::MensTrans>& trans) {
  control = view_.control();
  trans = view_.view().WorldToDevice();
  view_.update();   // the raster erases its rubber band on the canvas after this answer
  anchor_.reset();  // and drops the pending point: the raster asks only to erase it for good
}

// A cancelled session restores the old placement without a change event, so the view repaints.
void PlanAlignment::Ended(bool saved) {
  Detach();
  anchor_.reset();
  const bool finished = window_ && window_->dialog().Ok();
  if (window_) window_->Refresh();
  view_.Redraw();
  if (on_ended_) on_ended_();
  if (saved) return report_(AlignmentTexts::tr("Alignment saved"));
  if (finished)
    return report_(AlignmentTexts::tr("Alignment not saved: %1")
                       .arg(QString::fromStdString(WhyNotWritable(raster_dir_))));
  report_(AlignmentTexts::tr("Alignment cancelled"));
}

}  // namespace tessera::viewer
