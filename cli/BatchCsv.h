// The batch run's CSV: sample lines read into typed series, and result records written in one
// column table from which the header and every line come.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/CsvText.h"
#include "core/EstimateMpn.h"
#include "core/Series.h"
#include "core/stats/MpnStatistics.h"
#include "trays/TrayDesign.h"

namespace tubewise::cli {

// One input line holding a sample: an id, then volume (mL per tube), tubes and positive tubes
// for each of 1 to 64 dilutions; or an id and a tray: tray51,K or tray97,L,S, each optionally
// followed by the dilution factor F.
struct BatchSample {
    int line = 0;  // 1-based line number in the input
    std::string id;
    int dilutions = 0;
    Series series;  // volume, positive and negative tubes of each dilution (1 to 5)
    // A tray, or a series of more than 5 dilutions as custom groups: computed by the trays
    // library, with no grid search.
    std::optional<trays::TrayInput> tray;
    std::string error;  // why the line cannot be evaluated; empty when it can
};

// The most bytes one record of the input may hold (its line ends not counted).
inline constexpr std::size_t kMaxRecordBytes = 64 * 1024;

// One record of the input: its bytes without the line end, and the line it starts on.
struct CsvRecord {
    std::string text;
    int line = 0;                // 1-based physical line
    bool tooLong = false;        // over kMaxRecordBytes: `text` holds only its first bytes
    bool unclosedQuote = false;  // the input ended inside a quoted field
};

// Cuts the input into records, reading it in blocks: CR, LF and CRLF each end a line; a field
// that begins with a double quote (after blanks) may hold commas and line ends, and "" inside it
// is one quote; a quote anywhere else is an ordinary character. A record whose first character
// is '#' is a comment and ends with its line. A byte-order mark at the very start is skipped.
class CsvRecordReader {
  public:
    // Fills up to `size` bytes of `buffer`; returns how many, 0 at the end of the input, or a
    // negative number when the input cannot be read.
    using ReadFunction = std::function<long(char* buffer, std::size_t size)>;

    explicit CsvRecordReader(ReadFunction read);
    // The next record; nullopt at the end of the input, or when reading failed (Failed()).
    std::optional<CsvRecord> Next();
    bool Failed() const { return failed_; }

  private:
    bool Fill();

    ReadFunction read_;
    std::vector<char> buffer_;
    std::size_t begin_ = 0;
    std::size_t end_ = 0;
    bool ended_ = false;
    bool failed_ = false;
    bool started_ = false;
    bool afterCr_ = false;  // the last byte taken was a CR: an LF next ends no further line
    int line_ = 1;
};

// Reads records one after another: blank records, comments and a first record whose first field
// is "id" hold no sample (nullopt); every other record gives a sample, possibly one with an
// error.
class BatchLineReader {
  public:
    std::optional<BatchSample> Read(std::string_view text, int line);
    std::optional<BatchSample> Read(const CsvRecord& record);

  private:
    bool seenContent_ = false;
};

// Every figure of one sample, or why it has none.
struct BatchRecord {
    int line = 0;
    std::string id;
    int dilutions = 0;
    std::string error;  // non-empty: nothing below was computed
    bool gridSearched = true;  // false for a tray or a long series: the grid columns stay empty
    SearchEnd searchEnd = SearchEnd::Fault;
    double maxLikelihood = 0;
    double mpnPerMl = 0;
    bool lowerBound = false;  // the search's answer understates the density
    bool thomasDefined = false;
    double thomasPer100Ml = 0;
    stats::MpnStatistics statistics;  // per mL of the original sample (a tray's after F)
};

// The CSV header and one record as a CSV line, both without the line end.
std::string BatchHeader();
std::string FormatRecord(const BatchRecord& record);

// Fields of one CSV record: commas separate; a field beginning with a double quote (after
// blanks) is quoted up to the next lone quote and may hold commas, line ends and "" for one
// quote; elsewhere a quote is an ordinary character.
std::vector<std::string> SplitCsvLine(std::string_view line);
// The CSV field writers, shared with the register's export.
using tubewise::CsvField;
using tubewise::CsvTextField;

}  // namespace tubewise::cli
