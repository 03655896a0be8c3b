#include "print_preview.hpp"

#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QToolBar>
#include <array>

#include "tessera/platform/runtime/error.hpp"
#include "tessera/platform/ui/ui.hpp"

namespace tessera::viewer {
namespace {

// The context of this file's texts in the viewer's catalogues.
struct PreviewTexts {
  Q_DECLARE_TR_FUNCTIONS(tessera::viewer::PrintPreview)
};

constexpr std::array kScales{0, 50, 100, 200};

QComboBox* ScaleChoice(QWidget* parent, int scale) {
  auto* choice = new QComboBox(parent);
  for (const int each : kScales)
    choice->addItem(each == 0 ? PreviewTexts::tr("Fit to page") : QString("1:%1").arg(each), each);
  const int index = choice->findData(scale);
  choice->setCurrentIndex(index < 0 ? 0 : index);
  return choice;
}

}  // namespace

void ShowPrintPreview(QWidget* parent, QPrinter& printer, int& scale, const PrintJobAt& job) {
  QPrintPreviewDialog dialog(&printer, parent);
  dialog.setWindowTitle(PreviewTexts::tr("Print preview"));
  QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, [&](QPrinter* target) {
    try {
      PrintPage(*target, job(scale));
    } catch (const platform::RuntimeError& error) {
      platform::MsgBox(error.description(), platform::vbCritical, "tessera-view");
    }
  });
  if (auto* tools = dialog.findChild<QToolBar*>()) {
    QComboBox* choice = ScaleChoice(tools, scale);
    tools->addSeparator();
    tools->addWidget(new QLabel(PreviewTexts::tr("Scale:"), tools));
    tools->addWidget(choice);
    QObject::connect(choice, &QComboBox::currentIndexChanged, &dialog, [&, choice] {
      scale = choice->currentData().toInt();
      if (auto* preview = dialog.findChild<QPrintPreviewWidget*>()) preview->updatePreview();
    });
  }
  dialog.exec();
}

}  // namespace tessera::viewer
