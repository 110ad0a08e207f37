// The batch run's evaluation: the one calculation for every sample, on several threads.
#pragma once

#include <atomic>
#include <span>

#include "cli/BatchCsv.h"
#include "core/stats/MpnStatistics.h"

namespace tubewise::cli {

// Every figure of one sample: the grid search, Thomas' formula and the statistics.
BatchRecord EvaluateSample(const BatchSample& sample, const stats::StatisticsOptions& options);

// Evaluates samples[i] into out[i] on `threads` threads (the caller's thread is one of them),
// counting finished samples in `done`. Once `stop` is set no new sample is started; the
// function returns false when it stopped before the end.
bool EvaluateSamples(std::span<const BatchSample> samples, std::span<BatchRecord> out,
                     const stats::StatisticsOptions& options, int threads, std::atomic<int>& done,
                     const std::atomic<bool>& stop);

}  // namespace tubewise::cli
