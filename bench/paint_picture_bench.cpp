// PaintPicture onto a full-HD canvas from a 14 000 x 10 000 scan in 1-bit, 8-bit grey and 32-bit
// form: 1:1, shrunk 4:1 and 8:1, and enlarged 1:4, each with the one-pixel (deleting) stretch and
// with the default AND stretch. Every run also times, on the same rectangles, pixman's
// nearest-neighbour composite ("vs_pixman": our time over pixman's) and, for the AND runs, our own
// deleting stretch ("vs_nearest": the AND stretch's time over it). "levels_ms" is the one-time making
// of the scan's reduced copies, which the first far AND shrink of a picture pays.
#include <benchmark/benchmark.h>
#include <pixman.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <memory>

#include "bench_support.hpp"
#include "tessera/platform/picture/picture.hpp"
#include "tessera/platform/surface/canvas.hpp"

namespace {

using tessera::platform::Canvas;
using tessera::platform::Picture;
using tessera::platform::PixelFormat;
using tessera::platform::StretchMode;

using tessera::bench::BestTime;
using tessera::bench::Scale;

// A plan-like scan: white with a grid of one-pixel dark lines every 97 pixels.
std::unique_ptr<Picture> Scan(PixelFormat format) {
  const int32_t width = Scale(14000), height = Scale(10000);
  std::vector<uint32_t> palette;
  if (format == PixelFormat::kIndexed1) palette = {0x000000, 0xFFFFFF};
  if (format == PixelFormat::kIndexed8) palette = tessera::platform::GreyRampPalette();
  auto picture = std::make_unique<Picture>(width, height, format, palette);
  const int bits = tessera::platform::BitsPerPixel(format);
  for (int32_t y = 0; y < height; ++y) {
    uint8_t* row = picture->Row(y);
    std::memset(row, y % 97 == 0 ? 0x00 : 0xFF, picture->stride());
    if (y % 97 == 0) continue;
    for (int32_t x = 0; x < width; x += 97) {
      if (bits == 1) {
        row[x >> 3] &= static_cast<uint8_t>(~(0x80 >> (x & 7)));
      } else {
        std::memset(row + static_cast<std::size_t>(x) * bits / 8, 0x20, static_cast<std::size_t>(bits / 8));
      }
    }
  }
  return picture;
}

struct ScanAndLevels {
  std::unique_ptr<Picture> scan;
  double levels_ms = 0;  // making its reduced copies, which the first far AND shrink does
};

const ScanAndLevels& ScanOf(PixelFormat format) {
  static ScanAndLevels scans[4];
  ScanAndLevels& entry = scans[static_cast<int>(format)];
  if (!entry.scan) {
    entry.scan = Scan(format);
    const auto start = std::chrono::steady_clock::now();
    entry.scan->AndReduced(64);
    entry.levels_ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
  }
  return entry;
}

struct Case {
  int32_t dest_width, dest_height;  // the destination rectangle
  double ratio;                     // source pixels per destination pixel
};

Case CaseFor(double ratio, const Picture& source) {
  const int32_t width = std::min<int32_t>(Scale(1920), static_cast<int32_t>(source.width() / ratio));
  const int32_t height = std::min<int32_t>(Scale(1080), static_cast<int32_t>(source.height() / ratio));
  return {width, height, ratio};
}

void Paint(Canvas& canvas, const Picture& source, const Case& c) {
  canvas.PaintPicture(source, 0, 0, static_cast<float>(c.dest_width), static_cast<float>(c.dest_height), 0, 0,
                      static_cast<float>(c.dest_width * c.ratio),
                      static_cast<float>(c.dest_height * c.ratio));
}

pixman_format_code_t PixmanFormat(PixelFormat format) {
  switch (format) {
    case PixelFormat::kIndexed1:
      return PIXMAN_g1;
    case PixelFormat::kIndexed8:
      return PIXMAN_g8;
    default:
      return PIXMAN_x8r8g8b8;
  }
}

// pixman's nearest-neighbour composite of the same rectangles, as the yardstick.
class PixmanPaint {
 public:
  PixmanPaint(Canvas& canvas, const Picture& source, const Case& c) : c_(c) {
    for (int i = 0; i < 256; ++i) indexed_.rgba[i] = 0xFF000000u | static_cast<uint32_t>(i) * 0x010101u;
    for (int i = 0; i < 32768; ++i) indexed_.ent[i] = static_cast<pixman_index_type>(i >> 7);
    source_ = pixman_image_create_bits(PixmanFormat(source.format()), source.width(), source.height(),
                                       reinterpret_cast<uint32_t*>(const_cast<uint8_t*>(source.Row(0))),
                                       static_cast<int>(source.stride()));
    if (source.format() != PixelFormat::kBgrx32) pixman_image_set_indexed(source_, &indexed_);
    pixman_transform_t scale;
    pixman_transform_init_scale(&scale, pixman_double_to_fixed(c.ratio), pixman_double_to_fixed(c.ratio));
    pixman_image_set_transform(source_, &scale);
    pixman_image_set_filter(source_, PIXMAN_FILTER_NEAREST, nullptr, 0);
    dest_ = pixman_image_create_bits(PIXMAN_x8r8g8b8, canvas.width(), canvas.height(),
                                     const_cast<uint32_t*>(canvas.pixels().data()), canvas.width() * 4);
  }
  ~PixmanPaint() {
    pixman_image_unref(source_);
    pixman_image_unref(dest_);
  }
  void Run() const {
    pixman_image_composite32(PIXMAN_OP_SRC, source_, nullptr, dest_, 0, 0, 0, 0, 0, 0, c_.dest_width,
                             c_.dest_height);
  }

 private:
  Case c_;
  pixman_indexed_t indexed_{};
  pixman_image_t* source_ = nullptr;
  pixman_image_t* dest_ = nullptr;
};

void BM_PaintPicture(benchmark::State& state, PixelFormat format, double ratio, StretchMode mode) {
  const Picture& source = *ScanOf(format).scan;
  const Case c = CaseFor(ratio, source);
  Canvas canvas(Scale(1920), Scale(1080));
  canvas.stretch_mode(mode);
  for (auto _ : state) {
    Paint(canvas, source, c);
    benchmark::ClobberMemory();
  }
  const double ours = BestTime([&] { Paint(canvas, source, c); });
  const PixmanPaint pixman(canvas, source, c);
  state.counters["Mpix/s"] = static_cast<double>(c.dest_width) * c.dest_height / 1e6 / ours;
  state.counters["vs_pixman"] = ours / BestTime([&] { pixman.Run(); });
  if (mode == StretchMode::kAndScans) {
    state.counters["levels_ms"] = ScanOf(format).levels_ms;
    canvas.stretch_mode(StretchMode::kDeleteScans);
    state.counters["vs_nearest"] = ours / BestTime([&] { Paint(canvas, source, c); });
  }
}

void Register() {
  const std::pair<const char*, PixelFormat> formats[] = {
      {"1bit", PixelFormat::kIndexed1}, {"8bit", PixelFormat::kIndexed8}, {"32bit", PixelFormat::kBgrx32}};
  const std::pair<const char*, double> ratios[] = {{"1:1", 1.0}, {"4:1", 4.0}, {"8:1", 8.0}, {"1:4", 0.25}};
  const std::pair<const char*, StretchMode> modes[] = {{"nearest", StretchMode::kDeleteScans},
                                                       {"and", StretchMode::kAndScans}};
  for (const auto& [format_name, format] : formats) {
    for (const auto& [ratio_name, ratio] : ratios) {
      for (const auto& [mode_name, mode] : modes) {
        const std::string name =
            std::string("PaintPicture/") + format_name + "/" + ratio_name + "/" + mode_name;
        benchmark::RegisterBenchmark(name.c_str(), BM_PaintPicture, format, ratio, mode)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime();
      }
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  Register();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
