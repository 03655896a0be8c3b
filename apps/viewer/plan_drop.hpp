// A plan file dropped onto a widget: one local file, dragged from a file manager or another
// program, is offered to a handler, which loads it as Load plan would. Which files serve as plans
// the handler decides, so that a wrong one is refused with the same message.
#pragma once

#include <QObject>
#include <QString>
#include <QWidget>
#include <functional>

namespace tessera::viewer {

class PlanDrop : public QObject {
 public:
  // Watches `target`'s drops; `accepting` says whether a drop is taken now (a floor is open),
  // `dropped` gets the file's path.
  PlanDrop(QWidget& target, std::function<bool()> accepting, std::function<void(const QString&)> dropped);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::function<bool()> accepting_;
  std::function<void(const QString&)> dropped_;
};

// The one local file that `urls` name; "" for none or several.
QString DroppedFile(const QList<QUrl>& urls);

}  // namespace tessera::viewer
