#include "plan_drop.hpp"

#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

namespace tessera::viewer {

PlanDrop::PlanDrop(QWidget& target, std::function<bool()> accepting,
                   std::function<void(const QString&)> dropped)
    : QObject(&target), accepting_(std::move(accepting)), dropped_(std::move(dropped)) {
  target.setAcceptDrops(true);
  target.installEventFilter(this);
}

QString DroppedFile(const QList<QUrl>& urls) {
  if (urls.size() != 1 || !urls.front().isLocalFile()) return {};
  return urls.front().toLocalFile();
}

bool PlanDrop::eventFilter(QObject* watched, QEvent* event) {
  const auto type = event->type();
  if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
    return QObject::eventFilter(watched, event);
  auto* drop = static_cast<QDropEvent*>(event);
  const QString file = DroppedFile(drop->mimeData()->urls());
  if (file.isEmpty() || !accepting_()) {
    drop->ignore();
    return true;
  }
  drop->acceptProposedAction();
  // Loaded once the drag has ended: the library's message boxes must not open inside the
  // drag-and-drop exchange, which the source is still waiting on.
  if (type == QEvent::Drop)
    QMetaObject::invokeMethod(
        this, [this, file] { dropped_(file); }, Qt::QueuedConnection);
  return true;
}

}  // namespace tessera::viewer
