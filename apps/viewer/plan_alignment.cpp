#include "plan_alignment.hpp"

#include <cmath>

#include "tessera/platform/runtime/error.hpp"

namespace tessera::viewer {
namespace {

constexpr int16_t kLeftButton = 1;

int32_t Logical(double world) {
  return static_cast<int32_t>(std::lround(world));
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

PlanAlignment::PlanAlignment(FloorView& view, std::function<void(const QString&)> report)
    : view_(view), report_(std::move(report)) {}

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
    report_("Alignment failed: " + QString::fromStdString(error.description()));
    return;
  }
  if (!active()) return;  // ended already, while EditTrans let pending events run
  if (const auto& dialog = raster_->TransDialog()) {
    window_ = std::make_unique<qt::TransDialogWindow>(dialog);
    window_->setAttribute(Qt::WA_QuitOnClose, false);  // the viewer ends with its main window
    window_->show();
  }
  report_("Aligning: pick points in the floor, type in the dialog");
}

void PlanAlignment::Cancel() {
  if (!active()) return;
  if (const auto dialog = raster_->TransDialog()) dialog->Unload();
}

bool PlanAlignment::MousePressed(Point world) {
  if (!active()) return false;
  raster_->MouseDown(kLeftButton, 0, Logical(world.x), Logical(world.y), view_.control(),
                     view_.view().WorldToDevice());
  view_.update();
  if (window_) window_->Refresh();  // the raster may have enabled fields and the finish button
  return true;
}

void PlanAlignment::MouseMoved(Point world) {
  if (!active()) return;
  raster_->MouseMove(kLeftButton, 0, Logical(world.x), Logical(world.y), view_.control(),
                     view_.view().WorldToDevice());
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

void PlanAlignment::AnswerControl(platform::ObjectRef& control,
                                  std::shared_ptr<mensura::MensTrans>& trans) const {
  control = view_.control();
  trans = view_.view().WorldToDevice();
  view_.update();  // the raster erases its rubber band on the canvas after this answer
}

// A cancelled session restores the old placement without a change event, so the view repaints.
void PlanAlignment::Ended(bool saved) {
  Detach();
  if (window_) window_->Refresh();
  view_.Redraw();
  report_(saved ? "Alignment saved" : "Alignment cancelled");
}

}  // namespace tessera::viewer
