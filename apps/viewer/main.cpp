// tessera-view: a desktop host that shows the floors of a raster directory with their plans.
//
//   tessera-view RASTERDIR [--width W] [--height H] [--floor SECTION] [--size WxH]
//                [--screenshot OUT.png] [--screenshot-align OUT.png]
//
// Every floor is W x H world units (42000 x 29700 unless given: A3 in millimetres). --floor opens
// the floor or level of a section ("5", "So1") at start; --screenshot then writes the window to
// a PNG file and quits; --screenshot-align first starts aligning the plan, picks a point in the
// floor and moves the mouse away from it, and writes the window with the dialog over it. Arguments it cannot
// use end it with status 2 before any window opens.
#include <QApplication>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <charconv>
#include <iostream>
#include <memory>
#include <optional>
#include <string>

#include "tessera/platform/runtime/host_path.hpp"
#include "tessera/platform/surface/printer.hpp"
#include "tessera/platform/ui/ui.hpp"
#include "tessera/qt/qt_ui_services.hpp"
#include "viewer_window.hpp"

namespace {

using tessera::viewer::FloorEntry;
using tessera::viewer::Size;

constexpr int kUsageError = 2;
constexpr std::string_view kUsage =
    "usage: tessera-view RASTERDIR [--width W] [--height H] [--floor SECTION] [--size WxH] "
    "[--screenshot OUT.png] [--screenshot-align OUT.png]\n";

struct Options {
  std::string raster_dir;
  Size floor{42000, 29700};
  QSize window{1280, 800};
  std::optional<FloorEntry> floor_entry;
  QString screenshot;
  bool aligning = false;
};

// A whole number from 1 to 10^9, as floor extents and window sizes must be.
std::optional<int32_t> Extent(std::string_view text) {
  int32_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value < 1 || value > 1'000'000'000)
    return std::nullopt;
  return value;
}

// Takes the value of option `name`; false when it cannot be used.
bool Take(Options& options, std::string_view name, std::string_view value) {
  if (name == "--width" || name == "--height") {
    const auto extent = Extent(value);
    (name == "--width" ? options.floor.width : options.floor.height) = extent.value_or(0);
    return extent.has_value();
  }
  if (name == "--size") {
    const std::size_t x = value.find('x');
    const auto width = Extent(value.substr(0, x)), height = Extent(value.substr(x + 1));
    if (x == std::string_view::npos || !width || !height) return false;
    options.window = QSize(*width, *height);
    return true;
  }
  if (name == "--floor") {
    options.floor_entry = tessera::viewer::EntryOfSection(value);
    return options.floor_entry.has_value();
  }
  if (name == "--screenshot" || name == "--screenshot-align") {
    options.aligning = name == "--screenshot-align";
    options.screenshot = QString::fromUtf8(value.data(), static_cast<qsizetype>(value.size()));
    return !value.empty();
  }
  return false;
}

std::optional<Options> Parse(int argc, char** argv) {
  Options options;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg.starts_with("--")) {
      if (i + 1 >= argc || !Take(options, arg, argv[++i])) return std::nullopt;
    } else if (options.raster_dir.empty()) {
      options.raster_dir = arg;
    } else {
      return std::nullopt;
    }
  }
  if (options.raster_dir.empty()) return std::nullopt;
  return options;
}

// The screen's twips per pixel as the library measures pictures and forms.
void TakeScreenMetrics() {
  const double dpi = QGuiApplication::primaryScreen()->logicalDotsPerInch();
  const auto twips = static_cast<int32_t>(std::lround(1440 / dpi));
  tessera::platform::Screen::SetTwipsPerPixel(twips, twips);
}

// The main window with the dialog's window painted where it lies on the screen.
QPixmap Photograph(tessera::viewer::ViewerWindow& window) {
  QPixmap picture = window.grab();
  if (QWidget* dialog = window.alignment().window()) {
    QPainter painter(&picture);
    const QRect area(dialog->pos() - window.pos(), dialog->size());
    painter.drawPixmap(area.topLeft(), dialog->grab());
    painter.setPen(Qt::darkGray);  // the window's edge, which a grab of its inside leaves out
    painter.drawRect(area.adjusted(0, 0, -1, -1));
  }
  return picture;
}

// A point picked on the dialog's scale page, and the rubber band to where the mouse went.
void PickAPoint(tessera::viewer::ViewerWindow& window) {
  window.Align();
  const tessera::viewer::FloorView& view = window.view();
  const auto at = [&](double x, double y) {
    return view.view().ToWorld({view.width() * x, view.height() * y});
  };
  window.alignment().MousePressed(at(0.4, 0.45));
  window.alignment().MouseMoved(at(0.7, 0.65));
}

void Screenshot(tessera::viewer::ViewerWindow& window, const QString& file, bool aligning) {
  QTimer::singleShot(300, &window, [&window, file, aligning] {
    if (aligning) PickAPoint(window);
    QTimer::singleShot(300, &window, [&window, file] {
      const bool saved = Photograph(window).save(file, "PNG");
      QCoreApplication::exit(saved ? 0 : 1);
    });
  });
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  const auto options = Parse(argc, argv);
  if (!options) {
    std::cerr << kUsage;
    return kUsageError;
  }
  TakeScreenMetrics();
  tessera::viewer::ViewerWindow window(tessera::platform::ToLibraryPath(options->raster_dir), options->floor);
  const tessera::platform::ScopedUiServices ui(std::make_shared<tessera::qt::QtUiServices>(&window));
  window.resize(options->window);
  window.show();
  if (options->floor_entry) window.OpenFloor(*options->floor_entry);
  if (!options->screenshot.isEmpty()) Screenshot(window, options->screenshot, options->aligning);
  return QApplication::exec();
}
