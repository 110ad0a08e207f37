// Grid validation: rows 1..DilutionCount must hold three numeric cells; the first faulty row
// is refused with the prompt the analyst is shown.
#pragma once

#include <optional>

#include "core/GridTexts.h"
#include "core/Messages.h"
#include "core/Module1.h"
#include "core/NumberText.h"

namespace tubewise {

// The verdict on the grid's open rows.
struct GridCheck {
    bool valid = false;
    // 1-based number of the faulty row; 0 when the grid is valid, -1 when a count outside
    // 1..kGridRows leaves no grid to judge (no message then).
    int row = 0;
    std::optional<Message> message;  // prompt and the wrong-input title for a faulty row
};

GridCheck CheckGrid(const GridTexts& grid, int count, const NumberLocale& locale);

// The check on the calculation state: sets state.GridValid and sends the message, if any.
// Returns GridCheck::row.
int ValidateGrid(Module1& state, const GridTexts& grid, const NumberLocale& locale,
                 const MessageSink& tell);

}  // namespace tubewise
