// One whole likelihood search (EstimateMpn on the state, no messages) for 1, 3 and 5 dilutions.
#include <benchmark/benchmark.h>

#include "core/EstimateMpn.h"

namespace {

tubewise::GridTexts Series(int dilutions) {
    // Five tubes each at tenfold dilutions, positives falling off as a real series does.
    const tubewise::GridRowTexts rows[] = {{"10", "5", "0"},
                                           {"1", "4", "1"},
                                           {"0.1", "3", "2"},
                                           {"0.01", "1", "4"},
                                           {"0.001", "0", "5"}};
    tubewise::GridTexts grid;
    for (int j = 0; j < dilutions; ++j) grid[static_cast<std::size_t>(j)] = rows[j];
    if (dilutions == 1) grid[0] = {"1", "3", "2"};
    return grid;
}

void BM_EstimateMpn(benchmark::State& st) {
    const int dilutions = static_cast<int>(st.range(0));
    const tubewise::GridTexts grid = Series(dilutions);
    tubewise::Module1 state;
    state.DilutionCount = static_cast<tubewise::Int16>(dilutions);
    for (auto _ : st) {
        tubewise::EstimateMpn(state, grid, tubewise::NumberLocale{}, {});
        benchmark::DoNotOptimize(state.MpnPerMl);
    }
}
// The search runs on two threads: wall-clock time is what the analyst waits, the CPU column
// counts both threads.
BENCHMARK(BM_EstimateMpn)
    ->Arg(1)
    ->Arg(3)
    ->Arg(5)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MeasureProcessCPUTime();

}  // namespace

BENCHMARK_MAIN();
