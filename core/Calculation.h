// One calculation, the one road from a dilution series to every figure the program reports:
// validation of the grid's texts, the likelihood search, Thomas' formula and, on request, the
// exact statistics. Plain data in and out; the windows, the command line and the batch each
// apply their own policy to the value.
#pragma once

#include <optional>

#include "core/ComputeThomas.h"
#include "core/EstimateMpn.h"
#include "core/GridTexts.h"
#include "core/Messages.h"
#include "core/Module1.h"
#include "core/NumberText.h"
#include "core/Series.h"
#include "core/ValidateGrid.h"
#include "core/stats/MpnStatistics.h"

namespace tubewise {

// What becomes of a search that ends on a fault after the grid passed validation.
enum class FailedSearch {
    Keep,     // its figures and curve stay, for diagnosis (the command line reports them)
    Discard,  // it counts as not run: the state is left as a refused grid leaves it
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
    SearchResult search;  // as the state holds it: a discarded search is not valid
    bool searchDiscarded = false;
    ThomasResult thomas;  // on the series as the search left it loaded
    // The prompt and title the analyst is shown when the calculation is refused (a faulty
    // row, or a search that cannot finish), and the grid row to blame (0: no single row).
    std::optional<Message> refusal;
    int refusalRow = 0;
    bool lowerBound = false;  // the search's answer understates the density
    std::optional<stats::MpnStatistics> statistics;

    // The grid was valid and the search finished: the results are to be shown.
    bool showResults() const { return search.end == SearchEnd::Completed && search.gridValid; }
    bool searchFault() const { return search.end == SearchEnd::Fault && !searchDiscarded; }
};

// From the grid's texts: rows 1..dilutions, judged and converted by the number rules.
Calculation Calculate(const GridTexts& grid, int dilutions, const NumberLocale& locale,
                      const CalculationOptions& options = {});

// From a series typed already (every cell converted), judged by the same range rules.
Calculation Calculate(const Series& series, const CalculationOptions& options = {});

// Writes the calculation into the state the windows show, as the calculate button leaves
// it: the search's arrays and figures (only GridValid false after a refused grid or a
// discarded search, MaxLikelihood and MpnPerMl then kept), the Thomas fields, and
// MpnPer100Ml whenever GridValid ends true. DilutionCount must be the calculation's.
void StoreCalculation(Module1& state, const Calculation& calc);

// The statistics of a loaded series: the exact MLE, limits and rarity, or the reason there
// are none (a cell that did not convert, a negative count, a series the model cannot take).
stats::MpnStatistics StatisticsOf(const SeriesLoad& load, const stats::StatisticsOptions& options);

}  // namespace tubewise
