// Repainting tessera-view's floor view at full HD (1920 x 1080), offscreen, over a 14 000 x 10 000
// scan as a 1-bit and as a 24-bit BMP: the whole floor fitted, one scan pixel per screen pixel
// (1:1) and eight screen pixels per scan pixel (8:1), the view centred on the floor.
//
// A frame is what every pan and zoom costs: the canvas cleared, the raster's Draw of the visible
// part, the floor's grid and outline, and the widget's paint (the canvas converted for Qt and
// drawn into its backing store). The goal is 60 frames per second at every zoom: "frame_ms" is a
// frame's processor time, "vs_60fps" that over 16.7 ms, "paint_ms" the widget's paint alone.
// All of a frame runs on the one GUI thread, so its processor time is what it takes on an idle
// machine; the wall time says more about the machine's other work.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QApplication>
#include <QWindow>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "bench_support.hpp"
#include "floor_list.hpp"
#include "floor_view.hpp"
#include "scan_files.hpp"
#include "scan_rows.hpp"
#include "tessera/platform/runtime/host_path.hpp"

namespace {

namespace fs = std::filesystem;
using tessera::bench::ScanHeight;
using tessera::bench::ScanWidth;
using tessera::viewer::FloorEntry;
using tessera::viewer::FloorView;

constexpr int32_t kWorldPerPixel = 2;
constexpr double kFrameGoalMs = 1000.0 / 60;

// The thread's processor time in seconds: on a machine shared with other work, the frame's own cost.
double ThreadSeconds() {
  timespec now{};
  ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// The scans as floors 1 (1-bit) and 2 (24-bit) of a raster directory, written on first use and
// removed when the benchmark ends.
class ScanDirectory {
 public:
  ScanDirectory()
      : path_(fs::temp_directory_path() / ("tessera-viewer-bench-" + std::to_string(::getpid()))) {
    fs::create_directories(path_);
    const uint32_t mono[] = {0x000000, 0xFFFFFF};
    tessera::examples::WriteBmpFile(path_ / "scan1.bmp", ScanWidth(), ScanHeight(), 1, mono,
                                    tessera::bench::MonoRow);
    tessera::examples::WriteBmpFile(path_ / "scan24.bmp", ScanWidth(), ScanHeight(), 24, {},
                                    tessera::bench::BgrRow);
    std::ofstream(path_ / "Raster.ini") << "[1]\r\nDatei=scan1.bmp\r\nDX=0\r\nDY=0\r\nFaktor=2\r\n"
                                        << "[2]\r\nDatei=scan24.bmp\r\nDX=0\r\nDY=0\r\nFaktor=2\r\n";
    ::sync();
  }
  ~ScanDirectory() { fs::remove_all(path_); }
  std::string path() const { return tessera::platform::ToLibraryPath(path_); }

 private:
  fs::path path_;
};

const ScanDirectory& Directory() {
  static const ScanDirectory directory;
  return directory;
}

// The full-HD view showing floor `floor`; the floor it showed before gives up its scan first.
FloorView& ViewOf(int32_t floor) {
  static FloorView* view = [] {
    auto* made = new FloorView;
    made->resize(1920, 1080);
    made->show();
    // Until the window is exposed, a repaint paints nothing.
    while (!made->windowHandle()->isExposed()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return made;
  }();
  static int32_t shown = 0;
  if (shown != floor) {
    view->ShowFloor(nullptr, {}, 1);
    const tessera::viewer::Size size{double(ScanWidth() * kWorldPerPixel),
                                     double(ScanHeight() * kWorldPerPixel)};
    view->ShowFloor(
        tessera::viewer::OpenRaster({false, floor}, static_cast<int32_t>(size.height), Directory().path()),
        size, kWorldPerPixel);
    shown = floor;
  }
  return *view;
}

// zoom 0 fits the floor, any other is screen pixels per scan pixel.
void BM_Repaint(benchmark::State& state, int32_t floor, double zoom) {
  FloorView& view = ViewOf(floor);
  view.FitFloor();
  if (zoom != 0) view.ZoomToPlan(zoom);
  double paint_seconds = 0;
  const double start = ThreadSeconds();
  for (auto _ : state) {
    view.Redraw();
    const double paint_start = ThreadSeconds();
    view.repaint();
    paint_seconds += ThreadSeconds() - paint_start;
  }
  const double frames = static_cast<double>(state.iterations());
  const double frame_ms = 1000 * (ThreadSeconds() - start) / frames;
  state.counters["frame_ms"] = frame_ms;
  state.counters["paint_ms"] = 1000 * paint_seconds / frames;
  state.counters["vs_60fps"] = frame_ms / kFrameGoalMs;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  for (const auto& [name, floor] : {std::pair{"1bit_bmp", 1}, {"24bit_bmp", 2}}) {
    for (const auto& [label, zoom] : {std::pair{"fit", 0.0}, {"1:1", 1.0}, {"8:1", 8.0}}) {
      benchmark::RegisterBenchmark((std::string("Repaint/") + name + "/" + label).c_str(), BM_Repaint, floor,
                                   zoom)
          ->Unit(benchmark::kMillisecond);
    }
  }
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
