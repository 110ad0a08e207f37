// The batch run's evaluation: the one calculation for every distinct series, on several threads.
#pragma once

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <span>
#include <unordered_map>

#include "cli/BatchCsv.h"
#include "core/stats/MpnStatistics.h"

namespace tubewise::cli {

// Every figure of one sample: the grid search, Thomas' formula and the statistics.
BatchRecord EvaluateSample(const BatchSample& sample, const stats::StatisticsOptions& options);

// The figures of series already evaluated in this run, for samples with the same volumes,
// tubes and positives (a design of 3 dilutions of 5 tubes has 216 patterns). Holds at most
// `limit` series; a full cache starts afresh, so memory stays bounded whatever the input.
class SeriesCache {
  public:
    explicit SeriesCache(std::size_t limit = 4096) : limit_(limit) {}

    // Every bit of the series that the calculation reads: count, volumes, counts.
    using Key = std::array<std::uint64_t, 1 + 2 * kGridRows>;
    static Key KeyOf(const Series& series);
    struct KeyHash {
        std::size_t operator()(const Key& key) const;
    };

    // The figures of the series (line, id and dilutions are each sample's own), or null.
    const BatchRecord* Find(const Key& key) const;
    void Add(const Key& key, const BatchRecord& figures);
    std::size_t size() const { return figures_.size(); }

  private:
    std::size_t limit_;
    std::unordered_map<Key, BatchRecord, KeyHash> figures_;
};

// Evaluates samples[i] into out[i] on `threads` threads (the caller's thread is one of them),
// counting finished samples in `done`. Samples with the same series share one calculation, and
// with `cache` the figures of earlier calls too. Once `stop` is set no new calculation is
// started; the function returns false when it stopped before the end.
bool EvaluateSamples(std::span<const BatchSample> samples, std::span<BatchRecord> out,
                     const stats::StatisticsOptions& options, int threads, std::atomic<int>& done,
                     const std::atomic<bool>& stop, SeriesCache* cache = nullptr);

}  // namespace tubewise::cli
