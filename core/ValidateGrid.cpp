// Grid validation: the first row with an empty or non-numeric cell is reported and refused.
#include "core/ValidateGrid.h"

#include "core/Texts.h"

namespace tubewise {

namespace {

// Below this many mL a volume times the first candidate density is no longer a normal double:
// the products lose their digits and the likelihood turns into steps that no longer follow the
// model (4.9e-324 mL gave 9.5 per mL, green, for an estimate beyond 1e300). No sample comes
// near it.
constexpr double kSmallestVolume = 1e-300;

struct OutOfRangeCell {
    GridColumn column = GridColumn::None;
    text::Text prompt{nullptr};
};

// The cell of a row whose figure the model cannot take, if any: a tube count below zero, or no
// sample, or too little to compute with, in tubes that exist. A row without tubes has nothing
// to say and passes.
OutOfRangeCell FindOutOfRange(double volume, double positive, double negative) {
    if (positive < 0) return {GridColumn::Positive, text::kNegativeCountPrompt};
    if (negative < 0) return {GridColumn::Negative, text::kNegativeCountPrompt};
    if (positive == 0 && negative == 0) return {};
    if (!(volume > 0)) return {GridColumn::Volume, text::kVolumeNotPositivePrompt};
    if (volume < kSmallestVolume) return {GridColumn::Volume, text::kVolumeTooSmallPrompt};
    return {};
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
    if (series.count() < 1 || series.count() > kGridRows)
        return {false, -1, std::nullopt, GridColumn::None};
    // A row whose cells did not all convert is left to the search, which cannot finish.
    const int rows = load.complete() ? series.count() : load.failedRow() - 1;
    for (int row = 1; row <= rows; ++row) {
        const SeriesRow& r = series.rows[static_cast<std::size_t>(row - 1)];
        const OutOfRangeCell bad = FindOutOfRange(r.volume, r.positive, r.negative);
        if (bad.column == GridColumn::None) continue;
        return {
            false, row,
            Message{text::Tr(bad.prompt, std::to_string(row)), text::Tr(text::kWrongInputTitle)},
            bad.column};
    }
    return {true, 0, std::nullopt, GridColumn::None};
}

}  // namespace tubewise
