#include "two_point_alignment.hpp"

#include <QDialogButtonBox>
#include <QEvent>
#include <QGridLayout>
#include <QPainter>
#include <cmath>
#include <vector>

#include "tessera/platform/runtime/convert.hpp"
#include "tessera/platform/runtime/error.hpp"
#include "tessera/platform/runtime/format.hpp"
#include "tessera/raster/typed_units.hpp"

namespace tessera::viewer {
namespace {

constexpr int kMarkerRadius = 6;  // device pixels

QString Number(double value, const char* pattern = "0.000") {
  return QString::fromStdString(platform::Format(platform::Variant(value), pattern));
}

Point Rounded(Point world) {
  return {std::round(world.x), std::round(world.y)};
}

// A length in the dialog's units, as the user typed it: the locale's number, or nothing.
std::optional<double> Typed(const QLineEdit& field) {
  const platform::Variant text(field.text().trimmed().toStdString());
  if (field.text().trimmed().isEmpty() || !platform::IsNumeric(text)) return std::nullopt;
  return platform::CDbl(text);
}

}  // namespace

// The picked points over the view: plan points (circles) move with the previewed plan, floor
// points (crosses) stay where the floor has them.
class TwoPointMarkers : public QWidget {
 public:
  struct Marker {
    Point world;
    bool on_plan = false;
    int number = 1;
  };

  explicit TwoPointMarkers(FloorView& view) : QWidget(&view), view_(view) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    view.installEventFilter(this);
    setGeometry(view.rect());
    show();
  }

  void Set(std::vector<Marker> markers) {
    markers_ = std::move(markers);
    update();
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == &view_ && event->type() == QEvent::Resize) setGeometry(view_.rect());
    return false;
  }

  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const auto to_device = view_.view().WorldToDevice();
    for (const Marker& marker : markers_) {
      int32_t x = static_cast<int32_t>(marker.world.x), y = static_cast<int32_t>(marker.world.y);
      try {
        to_device->TransformPoint(x, y);
      } catch (const platform::RuntimeError&) {
        continue;  // far outside the view
      }
      const QPointF at(x, y);
      painter.setPen(QPen(marker.on_plan ? QColor(220, 0, 0) : QColor(0, 150, 0), 2));
      if (marker.on_plan) {
        painter.drawEllipse(at, kMarkerRadius, kMarkerRadius);
      } else {
        painter.drawLine(at - QPointF(kMarkerRadius, kMarkerRadius),
                         at + QPointF(kMarkerRadius, kMarkerRadius));
        painter.drawLine(at - QPointF(kMarkerRadius, -kMarkerRadius),
                         at + QPointF(kMarkerRadius, -kMarkerRadius));
      }
      painter.drawText(at + QPointF(kMarkerRadius + 2, marker.on_plan ? -kMarkerRadius : kMarkerRadius + 10),
                       QString::number(marker.number));
    }
  }

 private:
  FloorView& view_;
  std::vector<Marker> markers_;
};

TwoPointAlignment::TwoPointAlignment(FloorView& view, QWidget* parent,
                                     std::function<void(const QString&)> report,
                                     std::function<void(bool)> ended)
    : view_(view),
      report_(std::move(report)),
      ended_(std::move(ended)),
      dialog_(std::make_unique<QDialog>(parent)) {
  Build();
}

TwoPointAlignment::~TwoPointAlignment() {
  Cancel();
}

void TwoPointAlignment::Build() {
  dialog_->setWindowFlag(Qt::Tool);
  dialog_->setWindowTitle(tr("Align by two points"));
  auto* grid = new QGridLayout(dialog_.get());
  hint_ = new QLabel(dialog_.get());
  grid->addWidget(hint_, 0, 0, 1, 6);
  grid->addWidget(new QLabel(tr("On the plan (pixels)"), dialog_.get()), 1, 1);
  grid->addWidget(new QLabel(tr("On the floor: X (m)"), dialog_.get()), 1, 3);
  grid->addWidget(new QLabel(tr("Y (m)"), dialog_.get()), 1, 4);
  for (int i = 0; i < 2; ++i) {
    PointRow& row = points_[i];
    const int line = 2 + i;
    grid->addWidget(new QLabel(tr("Point %1").arg(i + 1), dialog_.get()), line, 0);
    row.plan = new QLabel(dialog_.get());
    row.plan->setMinimumWidth(110);
    grid->addWidget(row.plan, line, 1);
    auto* pick_plan = new QPushButton(tr("Pick"), dialog_.get());
    pick_plan->setToolTip(tr("Click the point on the plan"));
    QObject::connect(pick_plan, &QPushButton::clicked, dialog_.get(), [this, i] { Pick(Picking::kPlan, i); });
    grid->addWidget(pick_plan, line, 2);
    row.x = new QLineEdit(dialog_.get());
    row.y = new QLineEdit(dialog_.get());
    for (QLineEdit* field : {row.x, row.y}) {
      field->setMaximumWidth(90);
      QObject::connect(field, &QLineEdit::textEdited, dialog_.get(), [this] { Update(); });
    }
    grid->addWidget(row.x, line, 3);
    grid->addWidget(row.y, line, 4);
    auto* pick_floor = new QPushButton(tr("Pick"), dialog_.get());
    pick_floor->setToolTip(tr("Click where the point lies on the floor"));
    QObject::connect(pick_floor, &QPushButton::clicked, dialog_.get(),
                     [this, i] { Pick(Picking::kFloor, i); });
    grid->addWidget(pick_floor, line, 5);
  }
  QWidget::setTabOrder(points_[0].x, points_[0].y);
  QWidget::setTabOrder(points_[0].y, points_[1].x);
  QWidget::setTabOrder(points_[1].x, points_[1].y);
  result_ = new QLabel(dialog_.get());
  result_->setWordWrap(true);
  result_->setMinimumHeight(3 * result_->fontMetrics().lineSpacing());
  grid->addWidget(result_, 4, 0, 1, 6);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog_.get());
  ok_ = buttons->button(QDialogButtonBox::Ok);
  QObject::connect(buttons, &QDialogButtonBox::accepted, dialog_.get(), &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, dialog_.get(), &QDialog::reject);
  grid->addWidget(buttons, 5, 0, 1, 6);
  QObject::connect(dialog_.get(), &QDialog::finished, dialog_.get(),
                   [this](int result) { Finished(result == QDialog::Accepted); });
}

void TwoPointAlignment::Start() {
  const auto& raster = view_.raster();
  if (active() || raster == nullptr || raster->picture() == nullptr) return;
  try {
    start_ = shown_ = {raster->Dx(), raster->Dy(), view_.plan_factor()};
  } catch (const platform::RuntimeError&) {
    return report_(tr("The plan is not placed yet"));
  }
  raster_ = raster;
  fit_.reset();
  for (PointRow& row : points_) {
    row.pixel.reset();
    row.plan->setText(tr("not picked"));
    row.x->clear();
    row.y->clear();
  }
  markers_ = new TwoPointMarkers(view_);
  Update();
  dialog_->show();
  if (!placed_) {  // first over the main window's top-right corner, clear of the floor list
    QWidget* window = dialog_->parentWidget();
    dialog_->move(window->mapToGlobal(QPoint(window->width() - dialog_->width() - 24, 48)));
    placed_ = true;
  }
  Pick(Picking::kPlan, 0);
}

void TwoPointAlignment::Cancel() {
  if (active()) dialog_->reject();
}

void TwoPointAlignment::Pick(Picking what, int point) {
  picking_ = what;
  picked_point_ = point;
  ShowHint();
}

void TwoPointAlignment::ShowHint() {
  QString hint;
  if (picking_ == Picking::kPlan) hint = tr("Click point %1 on the plan").arg(picked_point_ + 1);
  if (picking_ == Picking::kFloor) hint = tr("Click where point %1 lies on the floor").arg(picked_point_ + 1);
  if (picking_ == Picking::kNothing) hint = tr("Type where the points lie on the floor, or pick them there");
  hint_->setText(hint);
  report_(hint);
}

bool TwoPointAlignment::MousePressed(Point world) {
  if (!active() || picking_ == Picking::kNothing) return false;
  world = Rounded(world);
  PointRow& row = points_[picked_point_];
  if (picking_ == Picking::kPlan) {
    row.pixel = PlanPixel(world, shown_);
    row.plan->setText(tr("x %1  y %2").arg(Number(row.pixel->x, "0.0"), Number(row.pixel->y, "0.0")));
  } else {
    const Point typed = TypedOfFloorPoint(world, raster_->EtHeight());
    row.x->setText(Number(typed.x));
    row.y->setText(Number(typed.y));
  }
  const bool next_on_plan = picking_ == Picking::kPlan && picked_point_ == 0 && !points_[1].pixel;
  Pick(next_on_plan ? Picking::kPlan : Picking::kNothing, 1);
  Update();
  if (picking_ == Picking::kNothing) {
    dialog_->activateWindow();
    for (const PointRow& each : points_)
      for (QLineEdit* field : {each.x, each.y})
        if (field->text().isEmpty()) {
          field->setFocus();
          return true;
        }
  }
  return true;
}

std::optional<Point> TwoPointAlignment::TypedFloorPoint(int point) const {
  const auto x = Typed(*points_[point].x), y = Typed(*points_[point].y);
  if (!x || !y) return std::nullopt;
  return FloorPointOfTyped({*x, *y}, raster_->EtHeight());
}

// Every change of a point previews the placement the two points give, or the one the session
// began with while they give none.
void TwoPointAlignment::Update() {
  if (!active()) return;
  fit_.reset();
  std::vector<TwoPointMarkers::Marker> markers;
  std::array<std::optional<Point>, 2> floor;
  try {
    for (int i = 0; i < 2; ++i) floor[i] = TypedFloorPoint(i);
  } catch (const platform::RuntimeError&) {
    floor = {};  // beyond the floor's 32-bit coordinates
  }
  if (points_[0].pixel && points_[1].pixel && floor[0] && floor[1])
    fit_ = FitTwoPoints(*points_[0].pixel, *points_[1].pixel, *floor[0], *floor[1]);
  Show(fit_ ? fit_->placement : start_);
  for (int i = 0; i < 2; ++i) {
    if (points_[i].pixel) markers.push_back({WorldOfPixel(*points_[i].pixel, shown_), true, i + 1});
    if (floor[i]) markers.push_back({*floor[i], false, i + 1});
  }
  markers_->Set(std::move(markers));
  ok_->setEnabled(fit_.has_value());
  if (!fit_) {
    const bool complete = points_[0].pixel && points_[1].pixel && floor[0] && floor[1];
    result_->setText(complete ? tr("The two points must lie apart, on the plan and on the floor.")
                              : tr("Pick both points on the plan and give where they lie on the floor."));
    return;
  }
  const Point off{LogicalToTyped(fit_->residual.x), -LogicalToTyped(fit_->residual.y)};  // Y up, as typed
  QString text = tr("Factor %1, shift %2, %3")
                     .arg(Number(fit_->placement.factor))
                     .arg(fit_->placement.dx)
                     .arg(fit_->placement.dy);
  if (std::hypot(fit_->residual.x, fit_->residual.y) > fit_->placement.factor)
    text +=
        "\n" + tr("Point 2 is %1 m off its floor point (X %2, Y %3): the plan is turned against the floor, "
                  "or a point is off")
                   .arg(Number(std::hypot(off.x, off.y)), Number(off.x), Number(off.y));
  else
    text += "\n" + tr("Both points land on their floor points.");
  result_->setText(text);
}

void TwoPointAlignment::Show(const PlanPlacement& placement) {
  if (placement == shown_) return;
  raster_->SetTrans(placement.dx, placement.dy, placement.factor);
  shown_ = placement;
  view_.Redraw();
}

// Writing the visibility writes the whole placement, as the end of the library's dialog does.
void TwoPointAlignment::Finished(bool ok) {
  if (!active()) return;
  const bool applied = ok && fit_ && fit_->placement != start_;
  Show(applied ? fit_->placement : start_);
  if (applied) raster_->Visible(raster_->Visible());
  raster_.reset();
  delete markers_;
  markers_ = nullptr;
  picking_ = Picking::kNothing;
  view_.Redraw();
  ended_(applied);
}

}  // namespace tessera::viewer
