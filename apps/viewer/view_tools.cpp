#include "view_tools.hpp"

#include <QActionGroup>
#include <QLoggingCategory>
#include <QShortcut>

#include "typed_position.hpp"

namespace tessera::viewer {
namespace {

Q_LOGGING_CATEGORY(status_log, "tessera.view.status", QtWarningMsg)

constexpr int kOpacities[] = {100, 75, 50, 25};  // per cent

}  // namespace

ViewTools::ViewTools(FloorView& view, const PlanAlignment& alignment, QStatusBar& status)
    : view_(view),
      alignment_(alignment),
      status_(status),
      hint_(new QLabel(&status)),
      measure_(view),
      zoom_box_(view) {
  status.addWidget(hint_, 1);
  QObject::connect(&status, &QStatusBar::messageChanged, &status, [](const QString& message) {
    if (!message.isEmpty()) qCInfo(status_log).noquote() << message;
  });
}

void ViewTools::AddTo(QMenu& menu) {
  menu.addAction(tr("Zoom to &window"), QKeySequence(Qt::CTRL | Qt::Key_B), &menu, [this] {
    zoom_box_.Start();
    Update();
  });
  previous_ = menu.addAction(tr("Zoom &previous"), QKeySequence(Qt::CTRL | Qt::Key_Backspace), &menu,
                             [this] { view_.ZoomPrevious(); });
  menu.addSeparator();
  measure_action_ = menu.addAction(tr("&Measure"), QKeySequence(Qt::CTRL | Qt::Key_M), &menu,
                                   [this](bool on) { Measure(on); });
  measure_action_->setCheckable(true);
  QAction* grid = menu.addAction(tr("&Grid"), QKeySequence(Qt::CTRL | Qt::Key_G), &menu, [this](bool on) {
    FloorLayers layers = view_.layers();
    layers.grid = on;
    view_.Layers(layers);
  });
  grid->setCheckable(true);
  grid->setChecked(view_.layers().grid);
  QMenu* opacity = menu.addMenu(tr("Pla&n opacity"));
  auto* opacities = new QActionGroup(opacity);
  for (const int percent : kOpacities) {
    QAction* step = opacity->addAction(tr("%1 %").arg(percent), &menu, [this, percent] {
      FloorLayers layers = view_.layers();
      layers.plan_opacity = percent / 100.0;
      view_.Layers(layers);
    });
    step->setCheckable(true);
    step->setChecked(percent == 100);
    opacities->addAction(step);
  }
  new QShortcut(QKeySequence(Qt::Key_Escape), &view_, [this] { Stop(); });
}

bool ViewTools::Pressed(Point world) {
  if (zoom_box_.active()) {
    zoom_box_.Press(world);
    return true;
  }
  if (!measure_.active()) return false;
  if (measure_.Press(world)) {
    status_.showMessage(VectorText(measure_.from(), measure_.to()));
  } else {
    status_.clearMessage();  // the last measurement's line went with this click
  }
  Update();
  return true;
}

void ViewTools::Released(Point world) {
  if (zoom_box_.Release(world)) Update();
}

void ViewTools::Moved(Point world) {
  zoom_box_.Move(world);
  measure_.Move(world);
  Update();
}

void ViewTools::Repainted() {
  measure_.Repainted();
  zoom_box_.Repainted();
}

void ViewTools::Stop() {
  zoom_box_.Stop();
  Measure(false);
}

void ViewTools::Measure(bool on) {
  if (on) {
    measure_.Start();
  } else {
    measure_.Stop();
  }
  Update();
}

// Measuring and aligning both take clicks: an alignment ends measuring.
void ViewTools::Update() {
  if (Aligning() && measure_.active()) measure_.Stop();
  if (measure_action_) {
    measure_action_->setChecked(measure_.active());
    measure_action_->setEnabled(!Aligning());
    previous_->setEnabled(view_.has_previous());
  }
  if (zoom_box_.active() || measure_.active() || alignment_.PicksPoints() || OtherPicks()) {
    view_.setCursor(Qt::CrossCursor);
  } else {
    view_.unsetCursor();
  }
  hint_->setText(Hint());
}

QString ViewTools::Hint() const {
  if (zoom_box_.active()) return tr("Zoom to window: drag a box around what to show (Esc ends)");
  if (measure_.active())
    return measure_.pending() ? tr("Measure: click the second point")
                              : tr("Measure: click the first point (Esc ends)");
  if (!alignment_.active()) return {};
  return alignment_.PicksPoints() ? tr("Aligning: pick points in the floor, type in the dialog")
                                  : tr("Aligning: type the relative shift in the dialog");
}

QString ViewTools::PointerText(Point world) const {
  const QString position = PositionText(world, view_.floor().height);
  const std::optional<Point> first = measure_.active() ? measure_.pending() : alignment_.pending();
  return first ? position + "    " + VectorText(*first, world) : position;
}

}  // namespace tessera::viewer
