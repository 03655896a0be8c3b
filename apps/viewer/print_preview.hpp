// The print preview of a floor: Qt's preview with its page setup and print buttons, and a choice
// of the scale (fitted to the page, 1:50, 1:100, 1:200) in its tool bar.
#pragma once

#include <QPrinter>
#include <QWidget>
#include <functional>

#include "print_floor.hpp"

namespace tessera::viewer {

// The job to print at a scale (0: fitted), as the window has it when a page is drawn.
using PrintJobAt = std::function<PrintJob(int scale)>;

// Shows the preview of `printer` modally; `scale` starts as the scale chosen and is the last one
// chosen afterwards. A page that cannot be printed is said in a message box.
void ShowPrintPreview(QWidget* parent, QPrinter& printer, int& scale, const PrintJobAt& job);

}  // namespace tessera::viewer
