// The date conversions a host calls once per field of a report or query: reading a date text,
// writing a date, Format with a date pattern, and the calendar week of a date. Each call resolves
// the user locale anew, as the library must to see a changed locale.
#include <benchmark/benchmark.h>

#include "tessera/dates/ckalfkt.hpp"
#include "tessera/platform/locale/user_locale.hpp"
#include "tessera/platform/runtime/convert.hpp"
#include "tessera/platform/runtime/format.hpp"

namespace {

using tessera::platform::Date;

// Days of 2000-2027, stepped so that every weekday and month comes by.
Date DayNumber(int64_t i) {
  return Date(36526.0 + static_cast<double>((i * 37) % 10227) + 0.5);
}

void CDateOfText(benchmark::State& state) {
  const tessera::platform::ScopedUserLocale locale("de-DE");
  for (auto _ : state) benchmark::DoNotOptimize(tessera::platform::CDate("5.3.2024 14:05:30"));
}
BENCHMARK(CDateOfText);

void CStrOfDate(benchmark::State& state) {
  const tessera::platform::ScopedUserLocale locale("de-DE");
  int64_t i = 0;
  for (auto _ : state) benchmark::DoNotOptimize(tessera::platform::CStr(DayNumber(i++)));
}
BENCHMARK(CStrOfDate);

void FormatLongDate(benchmark::State& state) {
  const tessera::platform::ScopedUserLocale locale("de-DE");
  int64_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(tessera::platform::Format(DayNumber(i++), "dddd, d. mmmm yyyy"));
  }
}
BENCHMARK(FormatLongDate);

void CalendarWeek(benchmark::State& state) {
  const tessera::platform::ScopedUserLocale locale("de-DE");
  int64_t i = 0;
  for (auto _ : state) benchmark::DoNotOptimize(tessera::ImplicitCKalFKt().IdentWocheByDatum(DayNumber(i++)));
}
BENCHMARK(CalendarWeek);

}  // namespace

BENCHMARK_MAIN();
