// Grid validation: the first row with an empty or non-numeric cell is reported and refused.
#include "core/ValidateGrid.h"

#include "core/Texts.h"

namespace tubewise {

namespace {

// The cell of a row whose figure the model cannot take, if any: a tube count below zero, or no
// sample in tubes that exist. A row without tubes has nothing to say and passes.
GridColumn OutOfRangeCell(double volume, double positive, double negative) {
    if (positive < 0) return GridColumn::Positive;
    if (negative < 0) return GridColumn::Negative;
    if ((positive > 0 || negative > 0) && !(volume > 0)) return GridColumn::Volume;
    return GridColumn::None;
}

GridCheck OutOfRange(int row, GridColumn bad) {
    const text::Text prompt =
        bad == GridColumn::Volume ? text::kVolumeNotPositivePrompt : text::kNegativeCountPrompt;
    return {false, row,
            Message{text::Tr(prompt, std::to_string(row)), text::Tr(text::kWrongInputTitle)}, bad};
}

}  // namespace

GridCheck CheckGrid(const GridTexts& grid, int count, const NumberLocale& locale) {
    if (count < 1 || count > kGridRows) return {false, -1, std::nullopt, GridColumn::None};
    for (int row = 1; row <= count; ++row) {
        const GridRowTexts& cells = grid[static_cast<std::size_t>(row - 1)];
        if (IsNumeric(cells.volume, locale) && IsNumeric(cells.positive, locale) &&
            IsNumeric(cells.negative, locale))
            continue;
        // An empty cell outranks one holding something other than a number.
        const bool anyEmpty =
            cells.volume.empty() || cells.positive.empty() || cells.negative.empty();
        return {false, row,
                Message{text::Tr(anyEmpty ? text::kEmptyCellsPrompt : text::kNumbersOnlyPrompt),
                        text::Tr(text::kWrongInputTitle)},
                GridColumn::None};
    }
    return {true, 0, std::nullopt, GridColumn::None};
}

GridCheck CheckRanges(const SeriesLoad& load) {
    const Series& series = load.series;
    if (series.count < 1 || series.count > kGridRows)
        return {false, -1, std::nullopt, GridColumn::None};
    // A row whose cells did not all convert is left to the search, which cannot finish.
    const int rows = load.complete() ? series.count : load.failedRow() - 1;
    for (int row = 1; row <= rows; ++row) {
        const SeriesRow& r = series.rows[static_cast<std::size_t>(row - 1)];
        const GridColumn bad = OutOfRangeCell(r.volume, r.positive, r.negative);
        if (bad != GridColumn::None) return OutOfRange(row, bad);
    }
    return {true, 0, std::nullopt, GridColumn::None};
}

int ValidateGrid(Module1& state, const GridTexts& grid, const NumberLocale& locale,
                 const MessageSink& tell) {
    const GridCheck check = CheckGrid(grid, state.DilutionCount, locale);
    state.GridValid = ToFlag(check.valid);
    if (check.message && tell) tell(*check.message);
    return check.row;
}

}  // namespace tubewise
