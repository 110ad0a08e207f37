// Cost of the statistics of one sample: exact MLE, bias adjustment, both limits, rarity index.
#include <benchmark/benchmark.h>

#include <vector>

#include "core/stats/MpnStatistics.h"

namespace {

using tubewise::stats::CiMethod;
using tubewise::stats::Dilution;

// Patterns of the worked example's design (five tubes at 10, 1, 0.1 mL), cycled so that the
// solver does not see the same numbers every time.
std::vector<std::vector<Dilution>> Samples() {
    std::vector<std::vector<Dilution>> out;
    for (int a = 0; a <= 5; ++a) {
        for (int b = 0; b <= 5; ++b) {
            for (int c = 0; c <= 5; ++c) out.push_back({{10, 5, a}, {1, 5, b}, {0.1, 5, c}});
        }
    }
    return out;
}

// Everything a sample reports with one method: MLE, adjustment, limits, rarity.
void BM_StatisticsOneMethod(benchmark::State& state) {
    const auto samples = Samples();
    const CiMethod method = state.range(0) == 0 ? CiMethod::Jarvis : CiMethod::LikelihoodRatio;
    std::size_t i = 0;
    for (auto _ : state) {
        const auto r = tubewise::stats::ComputeStatistics(samples[i], {method, 0.95});
        benchmark::DoNotOptimize(r);
        i = (i + 1) % samples.size();
    }
}
BENCHMARK(BM_StatisticsOneMethod)->Arg(0)->Arg(1)->ArgNames({"lr"});

// The full set a sample reports in both forms: MLE, adjustment, both limits, rarity index.
void BM_StatisticsBothLimits(benchmark::State& state) {
    const auto samples = Samples();
    std::size_t i = 0;
    for (auto _ : state) {
        const auto& s = samples[i];
        const auto mle = tubewise::stats::ExactMle(s);
        benchmark::DoNotOptimize(tubewise::stats::BiasAdjustedMle(s, mle));
        benchmark::DoNotOptimize(tubewise::stats::ComputeLimits(s, mle, {CiMethod::Jarvis, 0.95}));
        benchmark::DoNotOptimize(
            tubewise::stats::ComputeLimits(s, mle, {CiMethod::LikelihoodRatio, 0.95}));
        benchmark::DoNotOptimize(tubewise::stats::RarityIndex(s, mle));
        i = (i + 1) % samples.size();
    }
}
BENCHMARK(BM_StatisticsBothLimits);

// Five dilutions of unequal tubes, the largest series the command line accepts.
void BM_StatisticsFiveDilutions(benchmark::State& state) {
    const std::vector<Dilution> s{
        {10, 10, 10}, {1, 10, 8}, {0.1, 9, 3}, {0.01, 8, 1}, {0.001, 7, 0}};
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            tubewise::stats::ComputeStatistics(s, {CiMethod::LikelihoodRatio, 0.95}));
    }
}
BENCHMARK(BM_StatisticsFiveDilutions);

}  // namespace

BENCHMARK_MAIN();
