// Batch evaluation: sample lines of a CSV file, the full set of figures for each sample (grid
// search, Thomas formula, statistics) on several threads, and the CSV result records.
#pragma once

#include <atomic>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/EstimateMpn.h"
#include "core/GridTexts.h"
#include "core/Module1.h"
#include "core/stats/MpnStatistics.h"

namespace tubewise::stats {

// One input line holding a sample: an id, then volume (mL per tube), tubes and positive tubes
// for each of 1 to 5 dilutions.
struct BatchSample {
    int line = 0;  // 1-based line number in the input
    std::string id;
    int dilutions = 0;
    GridTexts grid;  // the texts the grid would hold: volume, positive and negative tubes
    std::vector<Dilution> series;
    std::string error;  // why the line cannot be evaluated; empty when it can
};

// Reads lines one after another: blank lines, lines starting with '#' and a first line whose
// first field is "id" hold no sample (nullopt); every other line gives a sample, possibly one
// with an error.
class BatchLineReader {
  public:
    std::optional<BatchSample> Read(std::string_view text, int line);

  private:
    bool seenContent_ = false;
};

struct BatchRecord {
    int line = 0;
    std::string id;
    int dilutions = 0;
    std::string error;  // non-empty: nothing below was computed
    SearchEnd searchEnd = SearchEnd::Fault;
    double maxLikelihood = 0;
    double mpnPerMl = 0;
    bool lowerBound = false;  // the search's answer understates the density
    bool thomasDefined = false;
    double thomasPer100Ml = 0;
    MpnStatistics statistics;
};

// Every figure of one sample; `state` is the caller's scratch calculation state.
BatchRecord EvaluateSample(const BatchSample& sample, const StatisticsOptions& options,
                           Module1& state);

// Evaluates samples[i] into out[i] on `threads` threads (the caller's thread is one of them),
// counting finished samples in `done`. Once `stop` is set no new sample is started; the
// function returns false when it stopped before the end.
bool EvaluateSamples(std::span<const BatchSample> samples, std::span<BatchRecord> out,
                     const StatisticsOptions& options, int threads, std::atomic<int>& done,
                     const std::atomic<bool>& stop);

// The CSV header and one record as a CSV line, both without the line end.
std::string BatchHeader();
std::string FormatRecord(const BatchRecord& record);

// Fields of one CSV line: commas separate, double quotes enclose a field holding commas or
// quotes, "" inside quotes is one quote.
std::vector<std::string> SplitCsvLine(std::string_view line);
std::string CsvField(std::string_view text);

// Shortest text that reads back to the same double.
std::string ShortestText(double x);

}  // namespace tubewise::stats
