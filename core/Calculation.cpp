// One calculation from the grid's texts or a typed series to the value every caller reads.
#include "core/Calculation.h"

#include <vector>

#include "core/Texts.h"

namespace tubewise {

namespace {

// The search proper and everything after it, once the grid is judged.
Calculation Finish(Calculation calc, const SeriesLoad& load, const CalculationOptions& options) {
    if (options.statistics) calc.statistics = StatisticsOf(load, *options.statistics);
    if (calc.check.valid) {
        SearchOptions search;
        search.wantCurve = options.wantCurve;
        // The exact estimate, computed for the statistics anyway, tells the search where to look.
        if (calc.statistics && calc.statistics->check.fault == stats::SeriesFault::None)
            search.exactMle = calc.statistics->mle;
        calc.search = SearchLikelihood(load, search);
        if (calc.search.end == SearchEnd::Fault && options.failedSearch == FailedSearch::Discard) {
            // A half-finished curve or zero figures must never pass for a result.
            const SearchStop stop = calc.search.stop;
            calc.search = SearchResult{};
            calc.search.end = SearchEnd::Fault;
            calc.search.stop = stop;
            calc.searchDiscarded = true;
        }
    } else {
        calc.search.end = calc.check.row < 0 ? SearchEnd::Fault : SearchEnd::InvalidGrid;
        calc.searchDiscarded = calc.check.row < 0;
    }
    if (calc.check.message) {
        calc.refusal = calc.check.message;
        calc.refusalRow = calc.check.row;
    } else if (calc.search.end == SearchEnd::Fault) {
        calc.refusal =
            Message{text::Tr(text::kUncomputablePrompt), text::Tr(text::kWrongInputTitle)};
        calc.refusalRow = calc.search.stop.row;
    }
    // The formula sees the series exactly as the state holds it after the search: all zeros
    // when nothing was loaded.
    Series loaded = calc.search.loaded.series;
    loaded.count = calc.dilutions;
    calc.thomas = ComputeThomas(loaded);
    calc.lowerBound = calc.search.gridValid && SearchAnswerIsLowerBound(calc.search);
    return calc;
}

}  // namespace

Calculation Calculate(const GridTexts& grid, int dilutions, const NumberLocale& locale,
                      const CalculationOptions& options) {
    Calculation calc;
    calc.dilutions = dilutions;
    calc.check = CheckGrid(grid, dilutions, locale);
    // Each cell is converted once, before any likelihood is formed.
    SeriesLoad load;
    load.series.count = dilutions;
    if (calc.check.valid) {
        load = LoadSeries(grid, dilutions, locale);
        calc.check = CheckRanges(load);
    }
    return Finish(std::move(calc), load, options);
}

Calculation Calculate(const Series& series, const CalculationOptions& options) {
    Calculation calc;
    calc.dilutions = series.count;
    calc.check = CheckRanges(Loaded(series));
    return Finish(std::move(calc), Loaded(series), options);
}

void StoreCalculation(Module1& state, const Calculation& calc) {
    StoreSearch(state, calc.search);
    StoreThomas(state, calc.thomas);
    if (state.GridValid == kTrue) state.MpnPer100Ml = state.MpnPerMl * 100;
}

stats::MpnStatistics StatisticsOf(const SeriesLoad& load, const stats::StatisticsOptions& options) {
    stats::MpnStatistics out;
    out.method = options.method;
    out.level = options.level;
    const Series& s = load.series;
    if (s.count < 1 || s.count > kGridRows) {
        out.check = {stats::SeriesFault::NoDilutions, 0};
        return out;
    }
    std::vector<stats::Dilution> series;
    for (int row = 1; row <= s.count; ++row) {
        if (row == load.failedRow()) {
            out.check = {stats::SeriesFault::CellNotConvertible, row};
            return out;
        }
        const SeriesRow& r = s.rows[static_cast<std::size_t>(row - 1)];
        if (r.positive < 0 || r.negative < 0) {
            out.check = {stats::SeriesFault::NegativeCount, row};
            return out;
        }
        series.push_back({r.volume, r.positive + r.negative, r.positive});
    }
    return stats::ComputeStatistics(series, options);
}

}  // namespace tubewise
