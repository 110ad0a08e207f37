// Conversion of the grid's texts into a dilution series for the statistics.
#include "core/stats/GridSeries.h"

namespace tubewise::stats {

GridSeries SeriesFromGrid(const GridTexts& grid, int count, const NumberLocale& locale) {
    GridSeries out;
    if (count < 1 || count > kGridRows) {
        out.check = {SeriesFault::NoDilutions, 0};
        return out;
    }
    for (int row = 1; row <= count; ++row) {
        const GridRowTexts& cells = grid[static_cast<std::size_t>(row - 1)];
        const auto volume = TextToFloat(cells.volume, locale);
        const auto positive = TextToInt16(cells.positive, locale);
        const auto negative = TextToInt16(cells.negative, locale);
        if (!volume || !positive || !negative) {
            out.series.clear();
            out.check = {SeriesFault::CellNotConvertible, row};
            return out;
        }
        if (*positive < 0 || *negative < 0) {
            out.series.clear();
            out.check = {SeriesFault::NegativeCount, row};
            return out;
        }
        out.series.push_back({*volume, *positive + *negative, *positive});
    }
    out.check = CheckSeries(out.series);
    if (out.check.fault != SeriesFault::None) out.series.clear();
    return out;
}

}  // namespace tubewise::stats
