// Grid validation: the first row with an empty or non-numeric cell is reported and refused.
#include "core/ValidateGrid.h"

namespace tubewise {

int ValidateGrid(Module1& state, const GridTexts& grid, const NumberLocale& locale,
                 const MessageSink& tell) {
    const int count = state.DilutionCount;
    if (count < 1 || count > kGridRows) {
        state.GridValid = kFalse;
        return -1;
    }
    for (int row = 1; row <= count; ++row) {
        const GridRowTexts& cells = grid[static_cast<std::size_t>(row - 1)];
        if (IsNumeric(cells.volume, locale) && IsNumeric(cells.positive, locale) &&
            IsNumeric(cells.negative, locale)) {
            state.GridValid = kTrue;
            continue;
        }
        // An empty cell outranks one holding something other than a number.
        const bool anyEmpty =
            cells.volume.empty() || cells.positive.empty() || cells.negative.empty();
        if (tell)
            tell(Message{std::string(anyEmpty ? kEmptyCellsPrompt : kNumbersOnlyPrompt),
                         std::string(kWrongInputTitle)});
        state.GridValid = kFalse;
        return row;
    }
    return 0;
}

}  // namespace tubewise
