// Grid validation: the first row with an empty or non-numeric cell is reported and refused.
#include "core/ValidateGrid.h"

#include "core/Texts.h"

namespace tubewise {

GridCheck CheckGrid(const GridTexts& grid, int count, const NumberLocale& locale) {
    if (count < 1 || count > kGridRows) return {false, -1, std::nullopt};
    for (int row = 1; row <= count; ++row) {
        const GridRowTexts& cells = grid[static_cast<std::size_t>(row - 1)];
        if (IsNumeric(cells.volume, locale) && IsNumeric(cells.positive, locale) &&
            IsNumeric(cells.negative, locale))
            continue;
        // An empty cell outranks one holding something other than a number.
        const bool anyEmpty =
            cells.volume.empty() || cells.positive.empty() || cells.negative.empty();
        return {false, row,
                Message{anyEmpty ? text::kEmptyCellsPrompt : text::kNumbersOnlyPrompt,
                        text::kWrongInputTitle}};
    }
    return {true, 0, std::nullopt};
}

int ValidateGrid(Module1& state, const GridTexts& grid, const NumberLocale& locale,
                 const MessageSink& tell) {
    const GridCheck check = CheckGrid(grid, state.DilutionCount, locale);
    state.GridValid = ToFlag(check.valid);
    if (check.message && tell) tell(*check.message);
    return check.row;
}

}  // namespace tubewise
