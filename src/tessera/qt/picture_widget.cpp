#include "tessera/qt/picture_widget.hpp"

#include <QPaintEvent>
#include <QPainter>
#include <QPointer>
#include <algorithm>

#include "tessera/platform/surface/printer.hpp"
#include "tessera/qt/canvas_image.hpp"

namespace tessera::qt {
namespace {

// Every drawing call schedules a paint. A host may keep the control past its widget, whose
// drawing then shows nowhere.
class WidgetCanvas final : public platform::Canvas {
 public:
  WidgetCanvas(QWidget& widget, int32_t width, int32_t height)
      : Canvas(width, height, platform::kColourBits, platform::Screen::TwipsPerPixelX()), widget_(&widget) {}

  void Line(float x1, float y1, float x2, float y2, platform::LineShape shape,
            std::optional<int32_t> colour) override {
    Canvas::Line(x1, y1, x2, y2, shape, colour);
    Changed();
  }
  void PaintPicture(const platform::Picture& picture, float dest_left, float dest_top, float dest_width,
                    float dest_height, float source_left, float source_top, float source_width,
                    float source_height, uint32_t rop) override {
    Canvas::PaintPicture(picture, dest_left, dest_top, dest_width, dest_height, source_left, source_top,
                         source_width, source_height, rop);
    Changed();
  }

 private:
  void Changed() {
    if (widget_) widget_->update();
  }

  QPointer<QWidget> widget_;
};

std::shared_ptr<platform::Canvas> NewCanvas(QWidget& widget, QSize size, const platform::Canvas* pen) {
  auto canvas = std::make_shared<WidgetCanvas>(widget, std::max(size.width(), 1), std::max(size.height(), 1));
  if (pen == nullptr) return canvas;
  canvas->DrawMode(pen->DrawMode());
  canvas->DrawWidth(pen->DrawWidth());
  canvas->ForeColor(pen->ForeColor());
  canvas->DrawStyle(pen->DrawStyle());
  canvas->stretch_mode(pen->stretch_mode());
  return canvas;
}

}  // namespace

PictureWidget::PictureWidget(QWidget* parent) : QWidget(parent), canvas_(NewCanvas(*this, size(), nullptr)) {
  // The canvas covers the whole widget: Qt need not clear the background first.
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureWidget::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  const QRect part = event->rect();
  painter.drawImage(part.topLeft(), ToQImage(*canvas_, part));
}

void PictureWidget::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  canvas_ = NewCanvas(*this, size(), canvas_.get());
  if (on_resized_) on_resized_();
}

}  // namespace tessera::qt
