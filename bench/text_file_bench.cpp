// CTextFile on an import file of 16 MB (200 000 lines of 80 characters with bare LF ends, as
// other systems write them): reading it whole by ReadLine and by ReadLineA, rewriting it with
// Unix2Dos, writing as many lines by WriteLine, and, as the yardstick, reading the same lines with
// std::getline.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "bench_support.hpp"
#include "tessera/text/ctextfile.hpp"

namespace {

using tessera::CTextFile;

int64_t Lines() {
  return tessera::bench::Smoke() ? 2000 : 200000;
}

std::string WriteImport() {
  const std::string path =
      (std::filesystem::temp_directory_path() / ("tessera-bench-" + std::to_string(::getpid()) + ".txt"))
          .string();
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  const std::string line = "4711;Raum 0.12;B\xFCro;Etage 5;" + std::string(50, 'x') + "\n";
  for (int64_t i = 0; i < Lines(); ++i) out << line;
  return path;
}

const std::string& ImportFile() {
  static const std::string path = WriteImport();
  return path;
}

// The file Unix2Dos rewrites, and the copy it keeps beside it.
std::string Scratch(std::string_view suffix) {
  return ImportFile().substr(0, ImportFile().size() - 4) + std::string(suffix);
}

void ReadWhole(benchmark::State& state, bool (CTextFile::*read)(std::string&)) {
  for (auto _ : state) {
    CTextFile file;
    file.FilePath(ImportFile());
    file.OpenFile(tessera::foInput);
    std::string line;
    int64_t lines = 0;
    while ((file.*read)(line)) ++lines;
    benchmark::DoNotOptimize(lines);
  }
  state.SetBytesProcessed(state.iterations() *
                          static_cast<int64_t>(std::filesystem::file_size(ImportFile())));
}

void BM_ReadLine(benchmark::State& state) {
  ReadWhole(state, &CTextFile::ReadLine);
}
void BM_ReadLineA(benchmark::State& state) {
  ReadWhole(state, &CTextFile::ReadLineA);
}

void BM_Unix2Dos(benchmark::State& state) {
  const int64_t bytes = static_cast<int64_t>(std::filesystem::file_size(ImportFile()));
  for (auto _ : state) {
    state.PauseTiming();
    const std::string path = Scratch("-work.txt");
    std::filesystem::copy_file(ImportFile(), path, std::filesystem::copy_options::overwrite_existing);
    CTextFile file;
    file.FilePath(path);
    state.ResumeTiming();
    benchmark::DoNotOptimize(file.Unix2Dos());
  }
  state.SetBytesProcessed(state.iterations() * bytes);
}

// An export of the same size: open, 200 000 WriteLine calls, close.
void BM_WriteLine(benchmark::State& state) {
  std::string line = "4711;Raum 0.12;B\u00fcro;Etage 5;" + std::string(50, 'x');
  const int64_t lines = Lines();
  for (auto _ : state) {
    CTextFile file;
    file.FilePath(Scratch("-export.txt"));
    file.OpenFile(tessera::foOutput);
    for (int64_t i = 0; i < lines; ++i) benchmark::DoNotOptimize(file.WriteLine(line));
    file.CloseFile();
  }
  state.SetBytesProcessed(state.iterations() * lines * static_cast<int64_t>(line.size() + 2));
}

void BM_StdGetline(benchmark::State& state) {
  for (auto _ : state) {
    std::ifstream in(ImportFile(), std::ios::binary);
    std::string line;
    int64_t lines = 0;
    while (std::getline(in, line)) ++lines;
    benchmark::DoNotOptimize(lines);
  }
  state.SetBytesProcessed(state.iterations() *
                          static_cast<int64_t>(std::filesystem::file_size(ImportFile())));
}

BENCHMARK(BM_ReadLine)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadLineA)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Unix2Dos)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteLine)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StdGetline)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  std::filesystem::remove(ImportFile());
  std::filesystem::remove(Scratch("-work.txt"));
  std::filesystem::remove(Scratch("-work_.txt"));
  std::filesystem::remove(Scratch("-export.txt"));
  return 0;
}
