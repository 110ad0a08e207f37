// The one place where a record's inputs become its results, through the program's calculation.
#pragma once

#include <string>
#include <variant>

#include "register/Record.h"

namespace tubewise::reg {

// Why inputs have no results: the texts of the message the windows would show for them, and
// the grid row to blame (0: no single row).
struct ComputeRefusal {
    std::string title;
    std::string prompt;
    int row = 0;
};

// The results of `inputs`, or why there are none (a series the grid refuses, a search that
// cannot finish, a design this program cannot compute yet).
std::variant<RecordResults, ComputeRefusal> ComputeResults(const RecordInputs& inputs);

}  // namespace tubewise::reg
