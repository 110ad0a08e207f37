// Grid validation: rows 1..DilutionCount must hold three numeric cells; the first faulty row
// is reported through the message sink and GridValid tells the verdict.
#pragma once

#include "core/GridTexts.h"
#include "core/Messages.h"
#include "core/Module1.h"
#include "core/NumberText.h"

namespace tubewise {

// Sets state.GridValid; on a fault sends one message (prompt, title "ورودي اشتباه").
// Returns the 1-based number of the faulty row, or 0 when the grid is valid.
int ValidateGrid(Module1& state, const GridTexts& grid, const NumberLocale& locale,
                 const MessageSink& tell);

}  // namespace tubewise
