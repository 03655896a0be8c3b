// A picture control on screen: the library draws on a Canvas the size of the widget, and the
// widget shows that canvas as it is, so that what the library drew (rubber bands in invert mode
// included) looks exactly as on the headless surface.
//
// The canvas is the control a host passes to Draw, CDrawLine and the like. A resize replaces it
// by a blank one of the new size with the same pen; the host is told through the resize handler
// and draws again. Qt reports a hidden widget's resize when it is shown, so a host draws once the
// widget is visible. Only the widget-sized canvas is ever converted for Qt, never a picture.
#pragma once

#include <QWidget>
#include <functional>
#include <memory>

#include "tessera/platform/surface/canvas.hpp"

namespace tessera::qt {

class PictureWidget : public QWidget {
 public:
  explicit PictureWidget(QWidget* parent = nullptr);

  std::shared_ptr<platform::Canvas> control() const { return canvas_; }

  // Runs after each resize has replaced the canvas.
  void OnResized(std::function<void()> handler) { on_resized_ = std::move(handler); }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  std::shared_ptr<platform::Canvas> canvas_;
  std::function<void()> on_resized_;
};

}  // namespace tessera::qt
