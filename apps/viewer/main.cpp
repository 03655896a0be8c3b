// tessera-view: a desktop host that shows the floors of a raster directory with their plans.
//
//   tessera-view RASTERDIR [--width W] [--height H] [--floor SECTION] [--size WxH]
//                [--screenshot OUT.png]
//
// Every floor is W x H world units (42000 x 29700 unless given: A3 in millimetres). --floor opens
// the floor or level of a section ("5", "So1") at start; --screenshot then writes the window to
// a PNG file and quits.
#include <QApplication>
#include <QScreen>
#include <QTimer>
#include <iostream>
#include <map>
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

constexpr int kUsageError = 2;

struct Options {
  std::string raster_dir;
  std::map<std::string, std::string> named;
};

std::optional<Options> Parse(int argc, char** argv) {
  Options options;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg.starts_with("--")) {
      if (i + 1 >= argc) return std::nullopt;
      options.named[arg] = argv[++i];
    } else if (options.raster_dir.empty()) {
      options.raster_dir = arg;
    } else {
      return std::nullopt;
    }
  }
  if (options.raster_dir.empty()) return std::nullopt;
  return options;
}

double Number(const Options& options, const std::string& name, double fallback) {
  const auto found = options.named.find(name);
  return found == options.named.end() ? fallback : std::stod(found->second);
}

// The screen's twips per pixel as the library measures pictures and forms.
void TakeScreenMetrics() {
  const double dpi = QGuiApplication::primaryScreen()->logicalDotsPerInch();
  const auto twips = static_cast<int32_t>(std::lround(1440 / dpi));
  tessera::platform::Screen::SetTwipsPerPixel(twips, twips);
}

void Screenshot(tessera::viewer::ViewerWindow& window, const QString& file) {
  QTimer::singleShot(300, &window, [&window, file] {
    const bool saved = window.grab().save(file, "PNG");
    QCoreApplication::exit(saved ? 0 : 1);
  });
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  const auto options = Parse(argc, argv);
  if (!options) {
    std::cerr << "usage: tessera-view RASTERDIR [--width W] [--height H] [--floor SECTION] [--size WxH] "
                 "[--screenshot OUT.png]\n";
    return kUsageError;
  }
  TakeScreenMetrics();
  const std::string raster_dir = tessera::platform::ToLibraryPath(options->raster_dir);
  int status = 0;
  {
    tessera::viewer::ViewerWindow window(
        raster_dir, {Number(*options, "--width", 42000), Number(*options, "--height", 29700)});
    const tessera::platform::ScopedUiServices ui(std::make_shared<tessera::qt::QtUiServices>(&window));
    const QString size =
        QString::fromStdString(options->named.contains("--size") ? options->named.at("--size") : "1280x800");
    window.resize(size.section('x', 0, 0).toInt(), size.section('x', 1, 1).toInt());
    window.show();
    if (options->named.contains("--floor")) {
      const auto entry = tessera::viewer::EntryOfSection(options->named.at("--floor"));
      if (!entry) {
        std::cerr << "tessera-view: no such section: " << options->named.at("--floor") << '\n';
        return kUsageError;
      }
      window.OpenFloor(*entry);
    }
    if (options->named.contains("--screenshot"))
      Screenshot(window, QString::fromStdString(options->named.at("--screenshot")));
    status = QApplication::exec();
  }
  return status;
}
