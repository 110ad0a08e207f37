// One calculation from the grid's texts or a typed series to the value every caller reads.
#include "core/Calculation.h"

#include <algorithm>
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
    // The formula sees the series exactly as the search left it loaded: all zeros when nothing
    // was loaded.
    Series loaded = calc.search.loaded.series;
    loaded.rows.resize(static_cast<std::size_t>(std::clamp(calc.dilutions, 0, kGridRows)));
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
    if (calc.check.valid) {
        load = LoadSeries(grid, dilutions, locale);
        calc.check = CheckRanges(load);
    }
    return Finish(std::move(calc), load, options);
}

Calculation Calculate(const Series& series, const CalculationOptions& options) {
    Calculation calc;
    calc.dilutions = series.count();
    calc.check = CheckRanges(Loaded(series));
    return Finish(std::move(calc), Loaded(series), options);
}

stats::MpnStatistics StatisticsOf(const SeriesLoad& load, const stats::StatisticsOptions& options) {
    stats::MpnStatistics out;
    out.method = options.method;
    out.level = options.level;
    const Series& s = load.series;
    if (s.count() < 1) {
        out.check = {stats::SeriesFault::NoDilutions, 0};
        return out;
    }
    std::vector<stats::Dilution> series;
    for (int row = 1; row <= s.count(); ++row) {
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

stats::MpnStatistics StatisticsOf(const Calculation& calc, const stats::StatisticsOptions& options) {
    if (!calc.gridValid()) {
        stats::MpnStatistics none;
        none.method = options.method;
        none.level = options.level;
        none.check = {stats::SeriesFault::NoDilutions, 0};
        return none;
    }
    return StatisticsOf(Loaded(calc.series()), options);
}

std::vector<stats::Dilution> DilutionsOf(const Series& series) {
    std::vector<stats::Dilution> out;
    out.reserve(series.rows.size());
    for (const SeriesRow& row : series.rows)
        out.push_back({row.volume, row.positive + row.negative, row.positive});
    return out;
}

}  // namespace tubewise
