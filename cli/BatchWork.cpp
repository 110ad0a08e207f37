// Batch evaluation: each distinct series through the one calculation, shared among threads.
#include "cli/BatchWork.h"

#include <bit>
#include <cstdlib>
#include <cstring>
#include <system_error>
#include <thread>
#include <utility>
#include <vector>

#include "core/Calculation.h"
#include "trays/TrayCalculation.h"

namespace tubewise::cli {

namespace {

// TUBEWISE_FULL_SEARCH=1 turns off both shortcuts of the batch: every sample runs its own full
// search over all candidates, as the windows do. The output must be the same byte for byte;
// the tests compare the two.
bool FullSearchForced() {
    static const bool forced = [] {
        const char* value = std::getenv("TUBEWISE_FULL_SEARCH");
        return value && std::strcmp(value, "1") == 0;
    }();
    return forced;
}

// The figures of one series; line, id and dilutions are the sample's own.
BatchRecord EvaluateSeries(const Series& series, const stats::StatisticsOptions& options) {
    BatchRecord r;
    CalculationOptions calculation;  // a search that cannot finish is reported as a fault
    calculation.statistics = options;
    calculation.wantCurve = FullSearchForced();  // the batch writes figures only
    const Calculation calc = Calculate(series, calculation);
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

// The figures of a tray or a long series: the statistics only, per mL of the original sample.
BatchRecord EvaluateTray(const trays::TrayInput& tray, const stats::StatisticsOptions& options) {
    BatchRecord r;
    r.gridSearched = false;
    const trays::TrayResult result = trays::ComputeTray(tray, options);
    if (!result.check.ok()) {
        r.error = trays::RefusalText(result.check);
        return r;
    }
    r.statistics = result.statistics;
    const double f = result.dilutionFactor;
    r.statistics.mle.perMl *= f;
    if (r.statistics.biasAdjustedPerMl) *r.statistics.biasAdjustedPerMl *= f;
    r.statistics.limits.lowPerMl *= f;
    r.statistics.limits.highPerMl *= f;
    return r;
}

BatchRecord WithIdentity(BatchRecord figures, const BatchSample& sample) {
    figures.line = sample.line;
    figures.id = sample.id;
    figures.dilutions = sample.dilutions;
    return figures;
}

// One distinct series of a chunk and the samples that hold it.
struct Work {
    const Series* series = nullptr;
    const trays::TrayInput* tray = nullptr;  // set: a tray or long series, not shared
    int samples = 0;
    BatchRecord figures;
};

void Evaluate(std::span<Work> work, const stats::StatisticsOptions& options, std::atomic<int>& next,
              std::atomic<int>& done, const std::atomic<bool>& stop) {
    while (!stop.load(std::memory_order_relaxed)) {
        const int i = next.fetch_add(1);
        if (i >= static_cast<int>(work.size())) return;
        Work& w = work[static_cast<std::size_t>(i)];
        w.figures = w.tray ? EvaluateTray(*w.tray, options) : EvaluateSeries(*w.series, options);
        done.fetch_add(w.samples);
    }
}

}  // namespace

BatchRecord EvaluateSample(const BatchSample& sample, const stats::StatisticsOptions& options) {
    if (!sample.error.empty()) {
        BatchRecord r;
        r.error = sample.error;
        return WithIdentity(r, sample);
    }
    if (sample.tray) return WithIdentity(EvaluateTray(*sample.tray, options), sample);
    return WithIdentity(EvaluateSeries(sample.series, options), sample);
}

SeriesCache::Key SeriesCache::KeyOf(const Series& series) {
    Key key{};
    key[0] = static_cast<std::uint64_t>(series.count());
    for (int j = 0; j < series.count() && j < kGridRows; ++j) {
        const SeriesRow& row = series.rows[static_cast<std::size_t>(j)];
        key[static_cast<std::size_t>(1 + 2 * j)] = std::bit_cast<std::uint64_t>(row.volume);
        key[static_cast<std::size_t>(2 + 2 * j)] =
            static_cast<std::uint16_t>(row.positive) |
            static_cast<std::uint64_t>(static_cast<std::uint16_t>(row.negative)) << 16;
    }
    return key;
}

std::size_t SeriesCache::KeyHash::operator()(const Key& key) const {
    std::uint64_t h = 0xcbf29ce484222325u;  // FNV-1a over the words, mixed once more
    for (const std::uint64_t word : key) {
        h ^= word;
        h *= 0x100000001b3u;
        h ^= h >> 29;
    }
    return static_cast<std::size_t>(h);
}

const BatchRecord* SeriesCache::Find(const Key& key) const {
    const auto found = figures_.find(key);
    return found == figures_.end() ? nullptr : &found->second;
}

void SeriesCache::Add(const Key& key, const BatchRecord& figures) {
    if (figures_.size() >= limit_) figures_.clear();
    figures_.emplace(key, figures);
}

bool EvaluateSamples(std::span<const BatchSample> samples, std::span<BatchRecord> out,
                     const stats::StatisticsOptions& options, int threads, std::atomic<int>& done,
                     const std::atomic<bool>& stop, SeriesCache* cache) {
    const bool share = !FullSearchForced();
    // The work item each sample takes its figures from; -1 for a bad line or a series the
    // cache holds, whose records are written at once.
    std::vector<int> source(samples.size(), -1);
    std::vector<Work> work;
    std::vector<std::pair<SeriesCache::Key, int>> keys;  // with the work item of each
    std::unordered_map<SeriesCache::Key, int, SeriesCache::KeyHash> index;
    int settled = 0;
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const BatchSample& sample = samples[i];
        if (!sample.error.empty()) {
            out[i] = EvaluateSample(sample, options);
            ++settled;
            continue;
        }
        // The cache's key holds the grid's rows only: trays and long series each go alone.
        if (!share || sample.tray) {
            source[i] = static_cast<int>(work.size());
            work.push_back({&sample.series, sample.tray ? &*sample.tray : nullptr, 1, {}});
            continue;
        }
        const SeriesCache::Key key = SeriesCache::KeyOf(sample.series);
        if (const BatchRecord* known = cache ? cache->Find(key) : nullptr) {
            out[i] = WithIdentity(*known, sample);
            ++settled;
            continue;
        }
        const auto [at, added] = index.try_emplace(key, static_cast<int>(work.size()));
        if (added) {
            keys.emplace_back(key, static_cast<int>(work.size()));
            work.push_back({&sample.series, nullptr, 0, {}});
        }
        ++work[static_cast<std::size_t>(at->second)].samples;
        source[i] = at->second;
    }

    std::atomic<int> next{0};
    std::vector<std::thread> helpers;
    for (int t = 1; t < threads && t < static_cast<int>(work.size()); ++t) {
        try {
            helpers.emplace_back(Evaluate, std::span<Work>(work), std::cref(options),
                                 std::ref(next), std::ref(done), std::cref(stop));
        } catch (const std::system_error&) {
            break;  // fewer threads only cost time
        }
    }
    Evaluate(work, options, next, done, stop);
    for (std::thread& h : helpers) h.join();
    if (next.load() < static_cast<int>(work.size()) || stop.load()) return false;

    for (std::size_t i = 0; i < samples.size(); ++i) {
        if (source[i] >= 0)
            out[i] = WithIdentity(work[static_cast<std::size_t>(source[i])].figures, samples[i]);
    }
    if (cache) {
        for (const auto& [key, w] : keys)
            cache->Add(key, work[static_cast<std::size_t>(w)].figures);
    }
    done.fetch_add(settled);
    return true;
}

}  // namespace tubewise::cli
