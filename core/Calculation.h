// One calculation, the one road from a dilution series to every figure the program reports:
// validation of the grid's texts, the likelihood search, Thomas' formula and, on request, the
// exact statistics. Plain data in and out: the value is what every reader takes (the windows,
// the session that keeps the last one, the command line and the batch), each applying its own
// policy to it.
#pragma once

#include <optional>
#include <vector>

#include "core/ComputeThomas.h"
#include "core/EstimateMpn.h"
#include "core/GridTexts.h"
#include "core/Messages.h"
#include "core/NumberText.h"
#include "core/Series.h"
#include "core/ValidateGrid.h"
#include "core/stats/MpnStatistics.h"

namespace tubewise {

// What becomes of a search that ends on a fault after the grid passed validation.
enum class FailedSearch {
    Keep,     // its figures and curve stay, for diagnosis (the command line reports them)
    Discard,  // it counts as not run: its figures and curve are dropped, as a refused grid's
};

struct CalculationOptions {
    FailedSearch failedSearch = FailedSearch::Keep;
    // false where only the figures are wanted (the batch): the search skips the candidates it
    // proves cannot hold the answer (SearchOptions::wantCurve), its figures stay the full
    // search's bit for bit, and search.curve may be empty.
    bool wantCurve = true;
    std::optional<stats::StatisticsOptions> statistics;  // the exact statistics, when wanted
};

struct Calculation {
    int dilutions = 0;
    GridCheck check;      // the grid's verdict; a typed series is valid
    SearchResult search;  // a discarded search is not valid and has no curve
    bool searchDiscarded = false;
    ThomasResult thomas;  // on the series as the search left it loaded: all zeros if none
    // The prompt and title the analyst is shown when the calculation is refused (a faulty
    // row, or a search that cannot finish), and the grid row to blame (0: no single row).
    std::optional<Message> refusal;
    int refusalRow = 0;
    bool lowerBound = false;  // the search's answer understates the density
    std::optional<stats::MpnStatistics> statistics;

    // The grid was valid and the search finished: the results are to be shown.
    bool showResults() const { return search.end == SearchEnd::Completed && search.gridValid; }
    bool searchFault() const { return search.end == SearchEnd::Fault && !searchDiscarded; }
    // The grid passed validation and the search's figures stand (a kept fault too).
    bool gridValid() const { return search.gridValid; }
    // The series as the search loaded it (empty when the grid was refused).
    const Series& series() const { return search.loaded.series; }
    double mpnPer100Ml() const { return search.mpnPerMl * 100; }
};

// From the grid's texts: rows 1..dilutions, judged and converted by the number rules.
Calculation Calculate(const GridTexts& grid, int dilutions, const NumberLocale& locale,
                      const CalculationOptions& options = {});

// From a series typed already (every cell converted), judged by the same range rules.
Calculation Calculate(const Series& series, const CalculationOptions& options = {});

// The statistics of a loaded series: the exact MLE, limits and rarity, or the reason there
// are none (a cell that did not convert, a negative count, a series the model cannot take).
stats::MpnStatistics StatisticsOf(const SeriesLoad& load, const stats::StatisticsOptions& options);

// The statistics of a calculation whose grid was valid, on the series its search loaded; a
// calculation without a valid grid has none (check NoDilutions).
stats::MpnStatistics StatisticsOf(const Calculation& calc, const stats::StatisticsOptions& options);

// A series as the exact statistics take it: tubes and positives per group.
std::vector<stats::Dilution> DilutionsOf(const Series& series);

}  // namespace tubewise
