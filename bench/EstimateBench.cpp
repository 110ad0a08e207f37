// One whole calculation from the grid's texts (validation, loading, the search with its curve,
// Thomas' formula) for 1, 3 and 5 dilutions, beside the same std::exp / std::pow calls in one
// plain loop and the batch's answer-only search.
#include <benchmark/benchmark.h>

#include <cmath>

#include "core/Calculation.h"
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

tubewise::SeriesLoad Load(int dilutions) {
    return tubewise::LoadSeries(Series(dilutions), dilutions, tubewise::NumberLocale{});
}

void BM_EstimateMpn(benchmark::State& st) {
    const int dilutions = static_cast<int>(st.range(0));
    const tubewise::GridTexts grid = Series(dilutions);
    for (auto _ : st) {
        const tubewise::Calculation calc =
            tubewise::Calculate(grid, dilutions, tubewise::NumberLocale{});
        benchmark::DoNotOptimize(calc.search.mpnPerMl);
    }
}

// The power as the search forms it: exponents 0 and 1 without a call.
double Power(double base, int n) {
    return n == 0 ? 1.0 : n == 1 ? base : std::pow(base, static_cast<double>(n));
}

// The floor for the search: the 10000 candidates' exp and pow calls (the same calls the search
// makes) and the products, in one loop, nothing stored but the maximum.
void BM_PlainLoop(benchmark::State& st) {
    const tubewise::Series s = Load(static_cast<int>(st.range(0))).series;
    for (auto _ : st) {
        double lambda = 0.001;
        double best = 0;
        double at = 0;
        for (int i = 1; i <= tubewise::kCandidateCount; ++i) {
            double product = 1;
            for (const tubewise::SeriesRow& row : s.rows) {
                const double e = std::exp(-row.volume * lambda);
                product *= Power(1.0 - e, row.positive) * Power(e, row.negative);
            }
            if (best < product) {
                best = product;
                at = lambda;
            }
            lambda += 0.001;
        }
        benchmark::DoNotOptimize(at);
    }
}

// The batch's search: the same answer without the curve.
void BM_AnswerOnly(benchmark::State& st) {
    const tubewise::SeriesLoad load = Load(static_cast<int>(st.range(0)));
    tubewise::SearchOptions options;
    options.wantCurve = false;
    for (auto _ : st) {
        const tubewise::SearchResult r = tubewise::SearchLikelihood(load, options);
        benchmark::DoNotOptimize(r.mpnPerMl);
    }
}

// The search runs on the calling thread: the CPU column is the one to compare with the plain
// loop, the wall-clock one is what the analyst waits.
void OneThreeFiveDilutionsTimed(benchmark::internal::Benchmark* b) {
    b->Arg(1)
        ->Arg(3)
        ->Arg(5)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime()
        ->MeasureProcessCPUTime();
}
BENCHMARK(BM_EstimateMpn)->Apply(OneThreeFiveDilutionsTimed);
BENCHMARK(BM_PlainLoop)->Apply(OneThreeFiveDilutionsTimed);
BENCHMARK(BM_AnswerOnly)->Arg(1)->Arg(3)->Arg(5)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
