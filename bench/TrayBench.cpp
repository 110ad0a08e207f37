// Cost of tray results: one tray with statistics and its chart curve, and the per-line cost of
// a batch of tray lines (each line a fresh calculation, counts cycling over the tray's outcomes).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "core/NumberText.h"
#include "trays/TrayCalculation.h"
#include "trays/TrayTexts.h"

namespace {

using tubewise::stats::CiMethod;
using tubewise::trays::Design;
using tubewise::trays::TrayInput;

// Every outcome of the 97-well tray (2450 of them) and of the 51-well tray, at F = 1 and 10.
std::vector<TrayInput> Inputs() {
    std::vector<TrayInput> out;
    for (const double f : {1.0, 10.0}) {
        for (int large = 0; large <= 49; ++large) {
            for (int small = 0; small <= 48; ++small)
                out.push_back({Design::Tray97, double(large), double(small), {}, f});
        }
        for (int k = 0; k <= 51; ++k) out.push_back({Design::Tray51, double(k), 0, {}, f});
    }
    return out;
}

// What a window shows for one tray: the statistics, the figure's text and the chart's curve.
void BM_TrayWithCurve(benchmark::State& state) {
    const auto inputs = Inputs();
    const CiMethod method = state.range(0) == 0 ? CiMethod::Jarvis : CiMethod::LikelihoodRatio;
    const tubewise::NumberLocale dot{"."};
    std::size_t i = 0;
    for (auto _ : state) {
        const auto r = tubewise::trays::ComputeTray(inputs[i], {method, 0.95});
        benchmark::DoNotOptimize(tubewise::trays::ReportFigureText(r, dot));
        benchmark::DoNotOptimize(tubewise::trays::LikelihoodCurve(r));
        i = (i + 1) % inputs.size();
    }
}
BENCHMARK(BM_TrayWithCurve)->Arg(0)->Arg(1)->ArgNames({"lr"})->Unit(benchmark::kMicrosecond);

// One batch line: the statistics and the figure's text, no curve. Times 100,000 gives a batch.
void BM_TrayBatchLine(benchmark::State& state) {
    const auto inputs = Inputs();
    const CiMethod method = state.range(0) == 0 ? CiMethod::Jarvis : CiMethod::LikelihoodRatio;
    const tubewise::NumberLocale dot{"."};
    std::size_t i = 0;
    for (auto _ : state) {
        const auto r = tubewise::trays::ComputeTray(inputs[i], {method, 0.95});
        benchmark::DoNotOptimize(tubewise::trays::ReportFigureText(r, dot));
        i = (i + 1) % inputs.size();
    }
    // Seconds per 100,000 lines: time per line times 100,000.
    state.counters["batch_100k_s"] = benchmark::Counter(
        1e-5, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_TrayBatchLine)->Arg(0)->Arg(1)->ArgNames({"lr"})->Unit(benchmark::kMicrosecond);

// A whole batch of 100,000 tray lines, one after another on one thread.
void BM_TrayBatch100k(benchmark::State& state) {
    const auto inputs = Inputs();
    const tubewise::NumberLocale dot{"."};
    for (auto _ : state) {
        for (std::size_t line = 0; line < 100000; ++line) {
            const auto r = tubewise::trays::ComputeTray(inputs[line % inputs.size()],
                                                        {CiMethod::Jarvis, 0.95});
            benchmark::DoNotOptimize(tubewise::trays::ReportFigureText(r, dot));
        }
    }
}
BENCHMARK(BM_TrayBatch100k)->Unit(benchmark::kMillisecond);

// A 96-well plate of 12 tenfold dilutions, and 64 groups, with the curve.
void BM_PlateWithCurve(benchmark::State& state) {
    TrayInput input{Design::Groups, 0, 0, {}, 1};
    const int groups = static_cast<int>(state.range(0));
    for (int g = 0; g < groups; ++g) {
        const double volume = groups == 12 ? std::pow(10.0, -g) : std::pow(10.0, -g / 16.0);
        const double positives = groups == 12 ? std::max(0, 8 - g) : (g * 5) % 9;
        input.groups.push_back({volume, positives, 8 - positives});
    }
    for (auto _ : state) {
        const auto r = tubewise::trays::ComputeTray(input, {CiMethod::LikelihoodRatio, 0.95});
        benchmark::DoNotOptimize(tubewise::trays::LikelihoodCurve(r));
    }
}
BENCHMARK(BM_PlateWithCurve)->Arg(12)->Arg(64)->ArgNames({"groups"})->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
