#include <benchmark/benchmark.h>

#include "alloc_counter.h"
#include "format/DisplayFormat.h"

namespace {

void FormatDefault(benchmark::State& state)
{
    DisplayFormat fmt = DefaultDisplayFormat();
    SYSTEMTIME t = {2026, 12, 0, 6, 14, 30, 0, 0};
    char out[CLOCK_TEXT_SIZE];
    CountAllocationsOnThisThread(true);
    const long before = Allocations();
    for (auto _ : state) {
        t.wSecond = static_cast<WORD>((t.wSecond + 1) % 60);
        benchmark::DoNotOptimize(FormatClockText(out, &fmt, sizeof(out), &t));
        benchmark::ClobberMemory();
    }
    state.counters["allocs"] = static_cast<double>(Allocations() - before);
    CountAllocationsOnThisThread(false);
}
BENCHMARK(FormatDefault);

void FormatNames(benchmark::State& state)
{
    DisplayFormat fmt = DefaultDisplayFormat();
    std::snprintf(fmt.DispFormat, sizeof(fmt.DispFormat), "ddd, MMM d yyyy h:mm:ss t 'o''clock'");
    SYSTEMTIME t = {2026, 12, 0, 6, 14, 30, 0, 0};
    char out[CLOCK_TEXT_SIZE];
    for (auto _ : state) {
        benchmark::DoNotOptimize(FormatClockText(out, &fmt, sizeof(out), &t));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(FormatNames);

}  // namespace

BENCHMARK_MAIN();
