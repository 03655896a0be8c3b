// Reads the five raster keys of every section of a settings file of 5 000 floors, once served
// from the cache of parsed files and once parsing the file on every call; the ratio of the two
// is printed as a counter of the cached run.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "tessera/platform/profile/ini_file.hpp"
#include "tessera/platform/profile/profile.hpp"

namespace {

using tessera::platform::GetPrivateProfileStringA;
using tessera::platform::SetIniCacheEnabled;

constexpr const char* kKeys[] = {"Datei", "DX", "DY", "Faktor", "Sichtbar"};

int Sections() {
  return std::getenv("TESSERA_BENCH_SMOKE") != nullptr ? 200 : 5000;
}

const std::string& RasterFile() {
  static const std::string file = [] {
    const std::string path =
        (std::filesystem::temp_directory_path() / ("tessera-bench-" + std::to_string(::getpid()) + ".ini"))
            .string();
    std::ofstream out(path, std::ios::binary);
    for (int s = 1; s <= Sections(); ++s) {
      out << "[" << s << "]\r\nDatei=plan" << s
          << ".bmp\r\nDX=-120\r\nDY=48\r\nFaktor=12,5\r\nSichtbar=Wahr\r\n\r\n";
    }
    return path;
  }();
  return file;
}

// Reads every key of every section; answers the number of reads.
int64_t ReadAll() {
  char buffer[2048];
  int64_t reads = 0;
  for (int s = 1; s <= Sections(); ++s) {
    const std::string section = std::to_string(s);
    for (const char* key : kKeys) {
      benchmark::DoNotOptimize(
          GetPrivateProfileStringA(section.c_str(), key, "", buffer, sizeof buffer, RasterFile().c_str()));
      ++reads;
    }
  }
  return reads;
}

double uncached_reads_per_second = 0;

void BM_ReadsParsingEveryCall(benchmark::State& state) {
  SetIniCacheEnabled(false);
  int64_t reads = 0;
  const auto start = std::chrono::steady_clock::now();
  // A full pass parses the file 25 000 times; a slice of the sections is enough to measure.
  char buffer[2048];
  for (auto _ : state) {
    const std::string section = std::to_string(1 + reads / 5 % Sections());
    benchmark::DoNotOptimize(GetPrivateProfileStringA(section.c_str(), kKeys[reads % 5], "", buffer,
                                                      sizeof buffer, RasterFile().c_str()));
    ++reads;
  }
  const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
  uncached_reads_per_second = static_cast<double>(reads) / elapsed.count();
  state.counters["reads/s"] = benchmark::Counter(static_cast<double>(reads), benchmark::Counter::kIsRate);
  SetIniCacheEnabled(true);
}
BENCHMARK(BM_ReadsParsingEveryCall);

void BM_ReadsFromTheCache(benchmark::State& state) {
  SetIniCacheEnabled(true);
  int64_t reads = 0;
  const auto start = std::chrono::steady_clock::now();
  for (auto _ : state) reads += ReadAll();
  const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
  const double reads_per_second = static_cast<double>(reads) / elapsed.count();
  state.counters["reads/s"] = benchmark::Counter(static_cast<double>(reads), benchmark::Counter::kIsRate);
  if (uncached_reads_per_second > 0)
    state.counters["x_uncached"] = reads_per_second / uncached_reads_per_second;
}
BENCHMARK(BM_ReadsFromTheCache)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  std::filesystem::remove(RasterFile());
  return 0;
}
