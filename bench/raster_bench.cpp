// A floor's raster background from file to screen, on 14 000 x 10 000 scans as 1-bit, 8-bit and
// 24-bit BMPs and as a quality-85 colour JPEG, written afresh into a temporary directory.
//
// Load/<scan>: CRasterBgrd::LoadRasterFile. "vs_read" is its time over reading the file's bytes
// from the (warm) page cache into fresh memory of the kind a picture gets; "vs_libjpeg" is its
// time over libjpeg-turbo's own decode of the same file read the same way; "vs_native" is the
// load's peak memory, measured in a process of its own, over the picture's native size, and
// "held_MB" what the loaded picture keeps (a large JPEG only its picture at 1/8 of each side).
// "fresh_min_ms", "fresh_median_ms" and "fresh_max_ms" spread ten loads, each the first and only
// one of a process of its own, as a host loads a plan after it starts; "fresh_sys_ms" is the
// median of their system time, where the kernel's work to find the picture's memory shows.
// Draw/<scan>/<zoom>: CRasterBgrd::Draw of a 1920 x 1080 view, the whole floor fitted into it or
// one picture pixel per screen pixel. "first_ms" is the first fitted draw, which makes the
// picture's reduced copies.
// clang-format off
#include <cstdio>
#include <jpeglib.h>
// clang-format on

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "bench_support.hpp"
#include "scan_files.hpp"
#include "scan_rows.hpp"
#include "tessera/platform/picture/picture.hpp"
#include "tessera/platform/picture/pixel_memory.hpp"
#include "tessera/platform/runtime/host_path.hpp"
#include "tessera/platform/surface/canvas.hpp"
#include "tessera/raster/crasterbgrd.hpp"

namespace {

namespace fs = std::filesystem;
using tessera::CRasterBgrd;
using tessera::bench::BestTime;
using tessera::bench::BgrRow;
using tessera::bench::GreyRow;
using tessera::bench::MonoRow;
using tessera::bench::Scale;
using tessera::bench::ScanHeight;
using tessera::bench::ScanWidth;
using tessera::platform::PixelMemory;

// The floor in world units: two per picture pixel.
constexpr int32_t kWorldPerPixel = 2;

struct Scan {
  const char* name;
  const char* file;
  int bits;  // of the picture in memory
};

constexpr Scan kScans[] = {{"1bit_bmp", "scan1.bmp", 1},
                           {"8bit_bmp", "scan8.bmp", 8},
                           {"24bit_bmp", "scan24.bmp", 24},
                           {"jpeg_q85", "scan.jpg", 24}};

void WriteScans(const fs::path& directory) {
  const int32_t width = ScanWidth(), height = ScanHeight();
  const uint32_t mono[] = {0x000000, 0xFFFFFF};
  tessera::examples::WriteBmpFile(directory / "scan1.bmp", width, height, 1, mono, MonoRow);
  tessera::examples::WriteBmpFile(directory / "scan8.bmp", width, height, 8,
                                  tessera::platform::GreyRampPalette(), GreyRow);
  tessera::examples::WriteBmpFile(directory / "scan24.bmp", width, height, 24, {}, BgrRow);
  tessera::examples::WriteJpegFile(directory / "scan.jpg", width, height, 85, BgrRow);
}

// The scans' directory, written on first use and removed when the benchmark ends.
class ScanDirectory {
 public:
  ScanDirectory()
      : path_(fs::temp_directory_path() / ("tessera-raster-bench-" + std::to_string(::getpid()))) {
    fs::create_directories(path_);
    WriteScans(path_);
    // Written back before any timing: otherwise the first loads share the machine with writing
    // a gigabyte to disk.
    ::sync();
  }
  ~ScanDirectory() { fs::remove_all(path_); }
  const fs::path& path() const { return path_; }

 private:
  fs::path path_;
};

const fs::path& Directory() {
  static const ScanDirectory directory;
  return directory.path();
}

std::string FileOf(const Scan& scan) {
  return (Directory() / scan.file).string();
}

// Loads `file` of the raster directory `directory` as floor 5 of a floor sized to the picture;
// null when it does not load.
std::unique_ptr<CRasterBgrd> Load(const fs::path& directory, const std::string& file) {
  auto raster = std::make_unique<CRasterBgrd>();
  std::string raster_directory = tessera::platform::ToLibraryPath(directory.string());
  if (!raster->LoadRasterFile(file, 5, ScanHeight() * kWorldPerPixel, true, raster_directory)) return nullptr;
  return raster;
}

// Every byte of the file, as the yardstick of a load. The bytes go into fresh memory of the kind a
// picture gets, so that the ratio shows what decoding adds to reading and not how memory is had.
PixelMemory ReadBytes(const std::string& file) {
  const auto size = static_cast<std::size_t>(fs::file_size(file));
  PixelMemory bytes(1, size);
  const int descriptor = ::open(file.c_str(), O_RDONLY);
  std::size_t done = 0;
  while (done < size) {
    const ssize_t got = ::read(descriptor, bytes.data() + done, size - done);
    if (got <= 0) break;
    done += static_cast<std::size_t>(got);
  }
  ::close(descriptor);
  return bytes;
}

// libjpeg-turbo's decode of the file's bytes into one B, G, R buffer, as tjDecompress does it.
void DecodeWithLibjpeg(const std::string& file) {
  const PixelMemory bytes = ReadBytes(file);
  jpeg_decompress_struct info{};
  jpeg_error_mgr errors{};
  info.err = jpeg_std_error(&errors);
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, bytes.data(), static_cast<unsigned long>(bytes.size()));
  jpeg_read_header(&info, TRUE);
  info.out_color_space = JCS_EXT_BGR;
  jpeg_start_decompress(&info);
  const std::size_t stride = (info.output_width * 3 + 3) / 4 * 4;
  const PixelMemory pixels(info.output_height, stride);
  std::vector<JSAMPROW> rows(info.output_height);
  for (std::size_t y = 0; y < rows.size(); ++y) rows[y] = pixels.data() + y * stride;
  while (info.output_scanline < info.output_height)
    jpeg_read_scanlines(&info, rows.data() + info.output_scanline, info.output_height - info.output_scanline);
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  benchmark::DoNotOptimize(pixels.data());
}

// A "Vm..." line of /proc/self/status, in bytes.
double StatusBytes(const std::string& key) {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);) {
    if (line.starts_with(key + ":")) return std::stod(line.substr(key.size() + 1)) * 1024;
  }
  return 0;
}

// The child's side of the memory measure: prints what loading `file` adds to the process's peak
// resident size. A first load brings in the library's code and its one-time tables, which count
// in the resident size but are no cost of the picture; the peak is then reset and measured on a
// second load. Where the system does not let the peak be reset, the figure is an upper bound.
int PrintLoadPeak(const fs::path& directory, const std::string& file) {
  if (!Load(directory, file)) return 1;
  std::ofstream("/proc/self/clear_refs") << "5";
  const double before = StatusBytes("VmRSS");
  const auto raster = Load(directory, file);
  if (!raster) return 1;
  std::printf("%.0f\n", StatusBytes("VmHWM") - before);
  return 0;
}

// What this program prints when run again with `mode`, the scans' directory and `file`; "" when
// it fails.
std::string RunChild(const std::string& mode, const std::string& file) {
  const std::string command = "'" + fs::read_symlink("/proc/self/exe").string() + "' " + mode + " '" +
                              Directory().string() + "' '" + file + "'";
  FILE* child = ::popen(command.c_str(), "r");
  if (child == nullptr) return "";
  std::string out;
  std::array<char, 256> buffer{};
  while (std::fgets(buffer.data(), buffer.size(), child) != nullptr) out += buffer.data();
  return ::pclose(child) == 0 ? out : "";
}

double LoadPeakBytes(const std::string& file) {
  const std::string out = RunChild("--load-peak", file);
  return out.empty() ? -1 : std::stod(out);
}

double Seconds(const timeval& time) {
  return static_cast<double>(time.tv_sec) + static_cast<double>(time.tv_usec) * 1e-6;
}

// The child's side of a fresh load: loads `file` once and prints the load's wall time and the
// system time the process spent on it, in seconds.
int PrintFreshLoad(const fs::path& directory, const std::string& file) {
  rusage before{}, after{};
  ::getrusage(RUSAGE_SELF, &before);
  const auto start = std::chrono::steady_clock::now();
  const auto raster = Load(directory, file);
  const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  ::getrusage(RUSAGE_SELF, &after);
  if (!raster) return 1;
  std::printf("%.6f %.6f\n", wall, Seconds(after.ru_stime) - Seconds(before.ru_stime));
  return 0;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t middle = values.size() / 2;
  return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// Ten fresh loads of `file` (two in a smoke run), one process each, spread into `state`'s counters.
void CountFreshLoads(benchmark::State& state, const std::string& file) {
  std::vector<double> walls, systems;
  for (int run = 0; run < (tessera::bench::Smoke() ? 2 : 10); ++run) {
    const std::string out = RunChild("--fresh-load", file);
    double wall = 0, system = 0;
    if (std::sscanf(out.c_str(), "%lf %lf", &wall, &system) != 2)
      return state.SkipWithError("a fresh load failed");
    walls.push_back(wall), systems.push_back(system);
  }
  state.counters["fresh_min_ms"] = *std::min_element(walls.begin(), walls.end()) * 1e3;
  state.counters["fresh_median_ms"] = Median(walls) * 1e3;
  state.counters["fresh_max_ms"] = *std::max_element(walls.begin(), walls.end()) * 1e3;
  state.counters["fresh_sys_ms"] = Median(systems) * 1e3;
}

void BM_Load(benchmark::State& state, const Scan& scan) {
  const std::string file = FileOf(scan);
  std::unique_ptr<CRasterBgrd> raster;
  for (auto _ : state) {  // a warm-up: the first load also pays the library's one-time costs
    raster = Load(Directory(), file);
    if (!raster) return state.SkipWithError("the scan did not load");
    benchmark::DoNotOptimize(raster.get());
    raster.reset();
  }
  // Each run gives up the last run's picture, as each run of the yardsticks gives up its memory.
  const double ours = BestTime(
      [&] {
        raster.reset();
        raster = Load(Directory(), file);
      },
      3);
  // The picture at its own depth and full size, rows padded to 4 bytes.
  const uint64_t stride =
      (static_cast<uint64_t>(raster->Width()) * static_cast<uint64_t>(scan.bits) + 31) / 32 * 4;
  const double native = static_cast<double>(stride) * raster->Height();
  state.counters["held_MB"] = static_cast<double>(raster->picture()->HeldBytes()) / 1e6;
  raster.reset();
  state.counters["ms"] = ours * 1e3;
  state.counters["vs_read"] = ours / BestTime([&] { benchmark::DoNotOptimize(ReadBytes(file).data()); });
  if (std::string_view(scan.file).ends_with(".jpg"))
    state.counters["vs_libjpeg"] = ours / BestTime([&] { DecodeWithLibjpeg(file); }, 3);
  state.counters["native_MB"] = native / 1e6;
  state.counters["vs_native"] = LoadPeakBytes(file) / native;
  CountFreshLoads(state, file);
}

// World to device: `factor` device pixels per world unit, the floor's centre on the canvas's.
std::shared_ptr<mensura::MensTrans> CentredView(const tessera::platform::Canvas& canvas, double factor) {
  auto trans = std::make_shared<mensura::MensTrans>();
  trans->Factor(factor);
  trans->Dx(static_cast<int32_t>(ScanWidth() * kWorldPerPixel / 2 - canvas.width() / factor / 2));
  trans->Dy(static_cast<int32_t>(ScanHeight() * kWorldPerPixel / 2 - canvas.height() / factor / 2));
  return trans;
}

// The world rectangle that `trans` shows on the canvas.
std::shared_ptr<mensura::MensRect> Shown(const tessera::platform::Canvas& canvas,
                                         const mensura::MensTrans& trans) {
  auto clip = std::make_shared<mensura::MensRect>();
  clip->Right(canvas.width()), clip->Bottom(canvas.height());
  trans.InverseRect(*clip);
  return clip;
}

// The raster that a scan's Draw runs share.
struct LoadedRaster {
  std::string scan;
  std::unique_ptr<CRasterBgrd> raster;
};

LoadedRaster& Loaded() {
  static LoadedRaster loaded;
  return loaded;
}

void BM_Draw(benchmark::State& state, const Scan& scan, bool fit) {
  LoadedRaster& loaded = Loaded();
  if (loaded.scan != scan.name) {
    loaded.raster.reset();  // one scan in memory at a time
    loaded.raster = Load(Directory(), FileOf(scan));
    if (!loaded.raster) return state.SkipWithError("the scan did not load");
    loaded.scan = scan.name;
    loaded.raster->GenTrans(ScanWidth() * kWorldPerPixel);
  }
  CRasterBgrd& raster = *loaded.raster;
  auto canvas = std::make_shared<tessera::platform::Canvas>(Scale(1920), Scale(1080));
  const double fitted =
      std::min(double(canvas->width()) / ScanWidth(), double(canvas->height()) / ScanHeight()) /
      kWorldPerPixel;
  auto trans = CentredView(*canvas, fit ? fitted : 1.0 / kWorldPerPixel);
  auto clip = Shown(*canvas, *trans);
  tessera::platform::ObjectRef control = canvas;
  const auto draw = [&] { raster.Draw(control, trans, clip); };
  if (fit) state.counters["first_ms"] = BestTime(draw, 1) * 1e3;
  for (auto _ : state) {
    draw();
    benchmark::ClobberMemory();
  }
  state.counters["ms"] = BestTime(draw) * 1e3;
}

void Register() {
  for (const Scan& scan : kScans) {
    benchmark::RegisterBenchmark((std::string("Load/") + scan.name).c_str(), BM_Load, scan)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime()
        ->Iterations(1);
    for (const bool fit : {true, false}) {
      benchmark::RegisterBenchmark((std::string("Draw/") + scan.name + (fit ? "/fit" : "/1:1")).c_str(),
                                   BM_Draw, scan, fit)
          ->Unit(benchmark::kMillisecond)
          ->UseRealTime();
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 4 && std::string_view(argv[1]) == "--load-peak") return PrintLoadPeak(argv[2], argv[3]);
  if (argc == 4 && std::string_view(argv[1]) == "--fresh-load") return PrintFreshLoad(argv[2], argv[3]);
  Register();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
