// drag_source FILE: a window that, pressed with the mouse, drags FILE away as a file manager
// does (a local file URL), so that a test can drop it onto another program with real input.
// Ends with 0 when the drop was taken, 1 when not, a while after the drop: the target asks for
// the dropped data only once the drag has ended here.
#include <QApplication>
#include <QDrag>
#include <QMimeData>
#include <QMouseEvent>
#include <QTimer>
#include <QUrl>
#include <QWidget>

namespace {

class DragSource : public QWidget {
 public:
  explicit DragSource(QString file) : file_(std::move(file)) { setWindowTitle("drag source"); }

 protected:
  void mousePressEvent(QMouseEvent*) override {
    auto* data = new QMimeData;
    data->setUrls({QUrl::fromLocalFile(file_)});
    auto* drag = new QDrag(this);
    drag->setMimeData(data);
    const int status = drag->exec(Qt::CopyAction) == Qt::CopyAction ? 0 : 1;
    QTimer::singleShot(2000, [status] { QCoreApplication::exit(status); });
  }

 private:
  QString file_;
};

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  if (argc != 2) return 2;
  DragSource source(QString::fromLocal8Bit(argv[1]));
  source.resize(200, 200);
  source.show();
  return QApplication::exec();
}
