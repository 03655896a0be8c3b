// How the string members and the collection grow with their input, from 10 000 to 1 000 000
// characters or items. The texts are the ones a search that steps back character by character
// takes quadratic time on: a run of "a" searched for a run of "a" ended by "b", half as long as
// the text. Each line shows characters or items per second of CPU time; a steady rate is linear
// growth, and the fitted complexity is printed under each family. Past the caches every access
// to memory costs more, so the keyed Add is measured beside a bare hash map.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>
#include <unordered_map>

#include "bench_support.hpp"
#include "tessera/platform/runtime/collection.hpp"
#include "tessera/platform/runtime/variant.hpp"
#include "tessera/tool/gtool.hpp"

namespace {

using tessera::platform::Collection;
using tessera::platform::Variant;

int64_t Smallest() {
  return tessera::bench::Smoke() ? 1'000 : 10'000;
}
int64_t Largest() {
  return tessera::bench::Smoke() ? 10'000 : 1'000'000;
}

struct Repetitive {
  std::string text;
  std::string find;
  explicit Repetitive(int64_t length)
      : text(static_cast<std::size_t>(length), 'a'), find(static_cast<std::size_t>(length / 2), 'a') {
    find.back() = 'b';
  }
};

void PerItem(benchmark::State& state) {
  state.SetComplexityN(state.range(0));
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * state.range(0));
}

void BM_RInStr(benchmark::State& state) {
  const tessera::GTool tool;
  const Repetitive input(state.range(0));
  Variant start = Variant::Missing();
  for (auto _ : state) benchmark::DoNotOptimize(tool.RInStr(input.text, input.find, start));
  PerItem(state);
}

void BM_ParaAnz(benchmark::State& state) {
  const tessera::GTool tool;
  const Repetitive input(state.range(0));
  for (auto _ : state) benchmark::DoNotOptimize(tool.ParaAnz(input.text, input.find));
  PerItem(state);
}

void BM_ParaGib(benchmark::State& state) {
  const tessera::GTool tool;
  const Repetitive input(state.range(0));
  for (auto _ : state) benchmark::DoNotOptimize(tool.ParaGib(input.text, input.find, -1));
  PerItem(state);
}

// Section headers, as GetIniTopics adds them; with their keys, or without.
void CollectionAdd(benchmark::State& state, bool keyed) {
  for (auto _ : state) {
    Collection collection;
    for (int64_t i = 0; i < state.range(0); ++i) {
      const std::string header = "[" + std::to_string(i) + "]";
      if (keyed) {
        collection.Add(Variant(header), "$" + header);
      } else {
        collection.Add(Variant(header));
      }
    }
    benchmark::DoNotOptimize(collection.Count());
  }
  PerItem(state);
}

// The yardstick of the keyed Add: the same keys into a bare hash map, which meets the same cache
// misses once the index outgrows the caches.
void BM_HashMapYardstick(benchmark::State& state) {
  for (auto _ : state) {
    std::unordered_map<std::string, int64_t> index;
    for (int64_t i = 0; i < state.range(0); ++i) index.try_emplace("$[" + std::to_string(i) + "]", i);
    benchmark::DoNotOptimize(index.size());
  }
  PerItem(state);
}

void Growth(benchmark::internal::Benchmark* benchmark) {
  benchmark->RangeMultiplier(10)->Range(Smallest(), Largest())->Complexity()->Unit(benchmark::kMillisecond);
}

BENCHMARK(BM_RInStr)->Apply(Growth);
BENCHMARK(BM_ParaAnz)->Apply(Growth);
BENCHMARK(BM_ParaGib)->Apply(Growth);
BENCHMARK_CAPTURE(CollectionAdd, unkeyed, false)->Apply(Growth);
BENCHMARK_CAPTURE(CollectionAdd, keyed, true)->Apply(Growth);
BENCHMARK(BM_HashMapYardstick)->Apply(Growth);

}  // namespace

BENCHMARK_MAIN();
