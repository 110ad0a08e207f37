// Grid validation: rows 1..DilutionCount must hold three numeric cells; the first faulty row
// is reported through the message sink and GridValid tells the verdict.
#pragma once

#include <string_view>

#include "core/GridTexts.h"
#include "core/Messages.h"
#include "core/Module1.h"
#include "core/NumberText.h"

namespace tubewise {

// Texts of the wrong-input message box (UTF-8). A full stop or exclamation mark that ends a
// right-to-left sentence is stored first.
inline constexpr std::string_view kWrongInputTitle = "ورودي اشتباه";
inline constexpr std::string_view kEmptyCellsPrompt = "!  خانه هاي خالي را مقدار دهي کنيد ";
inline constexpr std::string_view kNumbersOnlyPrompt = "! فقط عدد وارد شود ";

// Sets state.GridValid; on a fault sends one message (prompt, title "ورودي اشتباه").
// Returns the 1-based number of the faulty row, or 0 when the grid is valid. A DilutionCount
// outside 1..kGridRows leaves no grid to judge: GridValid false, no message, returns -1.
int ValidateGrid(Module1& state, const GridTexts& grid, const NumberLocale& locale,
                 const MessageSink& tell);

}  // namespace tubewise
