// Repainting tessera-view's floor view at full HD (1920 x 1080), offscreen, over a 14 000 x 10 000
// scan as a 1-bit and as a 24-bit BMP: the whole floor fitted, one scan pixel per screen pixel
// (1:1) and eight screen pixels per scan pixel (8:1), the view centred on the floor; and the 24-bit
// scan at 1:1 faded to half its opacity under the drawing, as View > Plan opacity does.
//
// A frame is what every pan and zoom costs: the canvas cleared, the raster's Draw of the visible
// part, the floor's grid and outline, and the widget's paint (the canvas converted for Qt and
// drawn into its backing store). The goal is 60 frames per second at every zoom: "frame_ms" is a
// frame's processor time, "vs_60fps" that over 16.7 ms, "paint_ms" the widget's paint alone.
// All of a frame runs on the one GUI thread, so its processor time is what it takes on an idle
// machine; the wall time says more about the machine's other work.
//
// FirstFrames/jpeg_q85: choosing floor 3, a colour scan of 14 000 x 10 000 as a quality-85 JPEG
// of 32 MB, opens it as the viewer does and shows it fitted ("fit_ms", goal 300 ms), then View >
// 1:1 ("one_to_one_ms", which decodes the whole picture): median, min and max of five choices,
// the raster loaded afresh each time, in wall time and ("_cpu_ms") the GUI thread's processor time.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QApplication>
#include <QWindow>
#include <algorithm>
#include <chrono>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

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
    tessera::examples::WriteJpegFile(path_ / "scan.jpg", ScanWidth(), ScanHeight(), 85,
                                     tessera::bench::ScannedBgrRow);
    std::ofstream(path_ / "Raster.ini") << "[1]\r\nDatei=scan1.bmp\r\nDX=0\r\nDY=0\r\nFaktor=2\r\n"
                                        << "[2]\r\nDatei=scan24.bmp\r\nDX=0\r\nDY=0\r\nFaktor=2\r\n"
                                        << "[3]\r\nDatei=scan.jpg\r\nDX=0\r\nDY=0\r\nFaktor=2\r\n";
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

FloorView& View() {
  static FloorView* view = [] {
    auto* made = new FloorView;
    made->resize(1920, 1080);
    made->show();
    // Until the window is exposed, a repaint paints nothing.
    while (!made->windowHandle()->isExposed()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return made;
  }();
  return *view;
}

int32_t shown_floor = 0;

// Opens floor `floor` in the view, fitted, as choosing it in the viewer does; the floor shown
// before gives up its scan first.
void ChooseFloor(int32_t floor) {
  shown_floor = floor;
  FloorView& view = View();
  view.ShowFloor(nullptr, {}, 1);
  const tessera::viewer::Size size{double(ScanWidth() * kWorldPerPixel),
                                   double(ScanHeight() * kWorldPerPixel)};
  view.ShowFloor(
      tessera::viewer::OpenRaster({false, floor}, static_cast<int32_t>(size.height), Directory().path()),
      size, kWorldPerPixel);
  view.repaint();
}

// The full-HD view showing floor `floor`.
FloorView& ViewOf(int32_t floor) {
  if (shown_floor != floor) ChooseFloor(floor);
  return View();
}

double Since(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

void CountSpread(benchmark::State& state, const std::string& name, std::vector<double> values) {
  std::sort(values.begin(), values.end());
  state.counters[name] = values[values.size() / 2];
  state.counters[name + "_min"] = values.front();
  state.counters[name + "_max"] = values.back();
}

void BM_FirstFrames(benchmark::State& state) {
  Directory();  // the scans are written before any timing
  std::vector<double> fitted, one_to_one, fitted_cpu, one_to_one_cpu;
  const auto timed = [](const auto& step, std::vector<double>& wall, std::vector<double>& cpu) {
    const auto start = std::chrono::steady_clock::now();
    const double cpu_start = ThreadSeconds();
    step();
    wall.push_back(Since(start));
    cpu.push_back(1000 * (ThreadSeconds() - cpu_start));
  };
  for (auto _ : state) {
    timed([] { ChooseFloor(3); }, fitted, fitted_cpu);
    timed(
        [] {
          View().ZoomToPlan(1);
          View().repaint();
        },
        one_to_one, one_to_one_cpu);
  }
  CountSpread(state, "fit_ms", fitted);
  CountSpread(state, "fit_cpu_ms", fitted_cpu);
  CountSpread(state, "one_to_one_ms", one_to_one);
  CountSpread(state, "one_to_one_cpu_ms", one_to_one_cpu);
}

// zoom 0 fits the floor, any other is screen pixels per scan pixel.
void BM_Repaint(benchmark::State& state, int32_t floor, double zoom, double opacity) {
  FloorView& view = ViewOf(floor);
  view.Layers({.plan_opacity = opacity});
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
                                   zoom, 1.0)
          ->Unit(benchmark::kMillisecond);
    }
  }
  benchmark::RegisterBenchmark("Repaint/24bit_bmp/1:1/faded", BM_Repaint, 2, 1.0, 0.5)
      ->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("FirstFrames/jpeg_q85", BM_FirstFrames)
      ->Unit(benchmark::kMillisecond)
      ->Iterations(5)
      ->UseRealTime();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
