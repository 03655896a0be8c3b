// tessera-view: a desktop host that shows the floors of a raster directory with their plans.
//
//   tessera-view [RASTERDIR] [--width W] [--height H] [--floor SECTION] [--size WxH]
//                [--screenshot OUT.png] [--screenshot-align OUT.png]
//   tessera-view --help | --version
//
// Every floor is W x H world units (42000 x 29700 unless given: A3 in millimetres). --floor opens
// the floor or level of a section ("5", "So1") at start; --screenshot then writes the window to
// a PNG file and quits; --screenshot-align first starts aligning the plan, picks a point in the
// floor and moves the mouse away from it, and writes the window with the dialog over it. Arguments
// it cannot use are named on stderr and end it with status 2 before any window opens.
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <charconv>
#include <iostream>
#include <memory>
#include <optional>
#include <string>

#include "tessera/platform/picture/picture_loader.hpp"
#include "tessera/platform/runtime/host_path.hpp"
#include "tessera/platform/surface/printer.hpp"
#include "tessera/platform/ui/ui.hpp"
#include "tessera/qt/qt_ui_services.hpp"
#include "tessera/version.hpp"
#include "viewer_window.hpp"

namespace {

using tessera::viewer::FloorEntry;
using tessera::viewer::Size;

constexpr int kUsageError = 2;
constexpr std::string_view kUsage =
    "usage: tessera-view [RASTERDIR] [--width W] [--height H] [--floor SECTION] [--size WxH] "
    "[--screenshot OUT.png] [--screenshot-align OUT.png]\n"
    "       tessera-view --help | --version\n";
constexpr std::string_view kHelp =
    "Shows the floors of a raster directory with their plans, and aligns a plan.\n\n"
    "  RASTERDIR               the directory whose \"Raster.ini\" places the plans (asked for\n"
    "                          when left out)\n"
    "  --width W, --height H   every floor's size in world units (42000 x 29700)\n"
    "  --floor SECTION         the floor (\"5\") or level (\"So1\") to open at start\n"
    "  --size WxH              the window's size in pixels (1280x800)\n"
    "  --screenshot OUT.png    writes the window to a PNG file and quits\n"
    "  --screenshot-align OUT.png  the same while a plan is aligned\n";

struct Options {
  std::string raster_dir;
  Size floor{42000, 29700};
  QSize window{1280, 800};
  std::optional<FloorEntry> floor_entry;
  QString screenshot;
  bool aligning = false;
};

// An argument that cannot be used, named in `what`.
struct UsageError {
  std::string what;
};

// A whole number from 1 to 10^9, as floor extents and window sizes must be.
int32_t Extent(std::string_view name, std::string_view text) {
  int32_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value < 1 || value > 1'000'000'000)
    throw UsageError{std::string(name) + ": '" + std::string(text) +
                     "' is not a whole number from 1 to 1000000000"};
  return value;
}

// The window's canvas holds 4 bytes a pixel, under the budget of the process's pictures.
QSize WindowSize(std::string_view text) {
  const std::size_t x = text.find('x');
  if (x == std::string_view::npos) throw UsageError{"--size: '" + std::string(text) + "' is not WxH"};
  const QSize size(Extent("--size", text.substr(0, x)), Extent("--size", text.substr(x + 1)));
  if (!tessera::platform::CanvasFitsPictureBudget(size.width(), size.height()) ||
      size.width() > QWIDGETSIZE_MAX || size.height() > QWIDGETSIZE_MAX)
    throw UsageError{"--size: " + std::string(text) + " pixels are more than a window's picture may take (" +
                     std::to_string(tessera::platform::DefaultPictureLimits().max_bytes >> 20) + " MB)"};
  return size;
}

// Takes the value of option `name`.
void Take(Options& options, std::string_view name, std::string_view value) {
  if (name == "--width" || name == "--height") {
    (name == "--width" ? options.floor.width : options.floor.height) = Extent(name, value);
  } else if (name == "--size") {
    options.window = WindowSize(value);
  } else if (name == "--floor") {
    options.floor_entry = tessera::viewer::EntryOfSection(value);
    if (!options.floor_entry)
      throw UsageError{"--floor: '" + std::string(value) + "' is not a floor (5) or level (So1)"};
  } else if (name == "--screenshot" || name == "--screenshot-align") {
    options.aligning = name == "--screenshot-align";
    options.screenshot = QString::fromUtf8(value.data(), static_cast<qsizetype>(value.size()));
    if (value.empty()) throw UsageError{std::string(name) + ": the file name is empty"};
  } else {
    throw UsageError{"unknown option " + std::string(name)};
  }
}

Options Parse(int argc, char** argv) {
  Options options;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg.starts_with("--")) {
      if (i + 1 >= argc) throw UsageError{std::string(arg) + " needs a value"};
      Take(options, arg, argv[++i]);
    } else if (options.raster_dir.empty()) {
      options.raster_dir = arg;
    } else {
      throw UsageError{"one raster directory only, not also '" + std::string(arg) + "'"};
    }
  }
  if (options.raster_dir.empty() && !options.screenshot.isEmpty())
    throw UsageError{"a screenshot needs the raster directory"};
  return options;
}

// --help and --version answer on stdout; nullopt when neither was asked for.
std::optional<int> Informed(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--help" || arg == "-h") {
      std::cout << kUsage << '\n' << kHelp;
      return 0;
    }
    if (arg == "--version") {
      std::cout << "tessera-view " << tessera::Version() << '\n';
      return 0;
    }
  }
  return std::nullopt;
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
  if (const auto status = Informed(argc, argv)) return *status;
  Options options;
  try {
    options = Parse(argc, argv);
  } catch (const UsageError& error) {
    std::cerr << "tessera-view: " << error.what << '\n' << kUsage;
    return kUsageError;
  }
  QApplication application(argc, argv);
  TakeScreenMetrics();
  // Started from the desktop's menu there is no directory yet: the user chooses one.
  if (options.raster_dir.empty()) {
    const QString chosen =
        QFileDialog::getExistingDirectory(nullptr, "Open raster directory", QDir::homePath());
    if (chosen.isEmpty()) return 0;
    options.raster_dir = chosen.toStdString();
  }
  // Installed before the first library call, so that what the library reports shows as a message box.
  const tessera::platform::ScopedUiServices ui(std::make_shared<tessera::qt::QtUiServices>(nullptr));
  tessera::viewer::ViewerWindow window(tessera::platform::ToLibraryPath(options.raster_dir), options.floor);
  window.resize(options.window);
  window.show();
  if (options.floor_entry) window.OpenFloor(*options.floor_entry);
  // The keyboard reaches the window at once (its shortcuts, the arrow keys panning the view), also
  // where no window manager hands the new window the focus.
  window.activateWindow();
  window.view().setFocus();
  if (!options.screenshot.isEmpty()) Screenshot(window, options.screenshot, options.aligning);
  return QApplication::exec();
}
