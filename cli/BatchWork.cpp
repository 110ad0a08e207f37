// Batch evaluation: each sample through the one calculation, samples shared among threads.
#include "cli/BatchWork.h"

#include <system_error>
#include <thread>
#include <vector>

#include "core/Calculation.h"

namespace tubewise::cli {

namespace {

void Work(std::span<const BatchSample> samples, std::span<BatchRecord> out,
          const stats::StatisticsOptions& options, std::atomic<int>& next, std::atomic<int>& done,
          const std::atomic<bool>& stop) {
    while (!stop.load(std::memory_order_relaxed)) {
        const int i = next.fetch_add(1);
        if (i >= static_cast<int>(samples.size())) return;
        out[static_cast<std::size_t>(i)] =
            EvaluateSample(samples[static_cast<std::size_t>(i)], options);
        done.fetch_add(1);
    }
}

}  // namespace

BatchRecord EvaluateSample(const BatchSample& sample, const stats::StatisticsOptions& options) {
    BatchRecord r;
    r.line = sample.line;
    r.id = sample.id;
    r.dilutions = sample.dilutions;
    r.error = sample.error;
    if (!r.error.empty()) return r;

    CalculationOptions calculation;  // a search that cannot finish is reported as a fault
    calculation.statistics = options;
    const Calculation calc = Calculate(sample.series, calculation);
    r.searchEnd = calc.search.end;
    if (r.searchEnd == SearchEnd::Completed) {
        r.maxLikelihood = calc.search.maxLikelihood;
        r.mpnPerMl = calc.search.mpnPerMl;
        r.lowerBound = calc.lowerBound;
    }
    r.thomasDefined = calc.thomas.end == ThomasEnd::Defined;
    if (r.thomasDefined) r.thomasPer100Ml = calc.thomas.mpnPer100Ml;

    r.statistics = *calc.statistics;
    if (r.statistics.check.fault != stats::SeriesFault::None)
        r.error = std::string(stats::SeriesFaultText(r.statistics.check.fault));
    return r;
}

bool EvaluateSamples(std::span<const BatchSample> samples, std::span<BatchRecord> out,
                     const stats::StatisticsOptions& options, int threads, std::atomic<int>& done,
                     const std::atomic<bool>& stop) {
    std::atomic<int> next{0};
    std::vector<std::thread> helpers;
    for (int t = 1; t < threads; ++t) {
        try {
            helpers.emplace_back(Work, samples, out, std::cref(options), std::ref(next),
                                 std::ref(done), std::cref(stop));
        } catch (const std::system_error&) {
            break;  // fewer threads only cost time
        }
    }
    Work(samples, out, options, next, done, stop);
    for (std::thread& h : helpers) h.join();
    return next.load() >= static_cast<int>(samples.size()) && !stop.load();
}

}  // namespace tubewise::cli
