// The batch run's CSV: sample lines read into typed series, and result records written in one
// column table from which the header and every line come.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/EstimateMpn.h"
#include "core/Series.h"
#include "core/stats/MpnStatistics.h"

namespace tubewise::cli {

// One input line holding a sample: an id, then volume (mL per tube), tubes and positive tubes
// for each of 1 to 5 dilutions.
struct BatchSample {
    int line = 0;  // 1-based line number in the input
    std::string id;
    int dilutions = 0;
    Series series;      // volume, positive and negative tubes of each dilution
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

// Every figure of one sample, or why it has none.
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
    stats::MpnStatistics statistics;
};

// The CSV header and one record as a CSV line, both without the line end.
std::string BatchHeader();
std::string FormatRecord(const BatchRecord& record);

// Fields of one CSV line: commas separate, double quotes enclose a field holding commas or
// quotes, "" inside quotes is one quote.
std::vector<std::string> SplitCsvLine(std::string_view line);
std::string CsvField(std::string_view text);

}  // namespace tubewise::cli
