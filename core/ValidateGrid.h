// Grid validation: rows 1..DilutionCount must hold three numeric cells; the first faulty row
// is refused with the prompt the analyst is shown. A calculation then also refuses figures the
// model cannot take: tube counts below zero, and no sample in a row with tubes.
#pragma once

#include <optional>

#include "core/GridTexts.h"
#include "core/Messages.h"
#include "core/NumberText.h"
#include "core/Series.h"

namespace tubewise {

// A cell of a grid row.
enum class GridColumn { None, Volume, Positive, Negative };

// The verdict on the grid's open rows.
struct GridCheck {
    bool valid = false;
    // 1-based number of the faulty row; 0 when the grid is valid, -1 when a count outside
    // 1..kGridRows leaves no grid to judge (no message then).
    int row = 0;
    std::optional<Message> message;  // prompt and the wrong-input title for a faulty row
    // The cell to mend, where a figure out of range is to blame (the analyst is taken there);
    // None for an empty or non-numeric cell.
    GridColumn column = GridColumn::None;
};

GridCheck CheckGrid(const GridTexts& grid, int count, const NumberLocale& locale);

// The ranges of a loaded series: the first row with a count below zero, or with tubes but a
// volume not above zero or below 1e-300 mL, is refused naming that row and cell. A row without
// tubes passes.
GridCheck CheckRanges(const SeriesLoad& load);

}  // namespace tubewise
