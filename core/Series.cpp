// Loading the grid's texts into a dilution series.
#include "core/Series.h"

namespace tubewise {

SeriesLoad LoadSeries(const GridTexts& grid, int count, const NumberLocale& locale) {
    SeriesLoad load;
    load.series.rows.resize(static_cast<std::size_t>(count > 0 ? count : 0));
    for (int j = 0; j < count; ++j) {
        const GridRowTexts& cells = grid[static_cast<std::size_t>(j)];
        SeriesRow& row = load.series.rows[static_cast<std::size_t>(j)];
        const auto volume = TextToFloat(cells.volume, locale);
        if (!volume) return load;
        row.volume = *volume;
        ++load.loadedCells;
        const auto positive = TextToInt16(cells.positive, locale);
        if (!positive) return load;
        row.positive = *positive;
        ++load.loadedCells;
        const auto negative = TextToInt16(cells.negative, locale);
        if (!negative) return load;
        row.negative = *negative;
        ++load.loadedCells;
    }
    return load;
}

SeriesLoad Loaded(const Series& series) {
    return {series, 3 * series.count()};
}

}  // namespace tubewise
