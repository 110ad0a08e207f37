// tubewise-cli's run: parse the command line, calculate as the windows do, report through
// the sections.
#pragma once

#include <QStringList>
#include <optional>

#include "cli/Section.h"

namespace tubewise::cli {

// Runs the whole command; returns the exit status.
int Run(int& argc, char** argv);

// The grid texts of ROW arguments VOLUME:POSITIVE:NEGATIVE (1 to kGridRows of them), or
// nullopt with *usageError set.
std::optional<GridTexts> ParseRows(const QStringList& rows, QString* usageError);

// One calculation as the calculate button runs it: the search, then Thomas' formula, then the
// per-100-mL figure when the grid was valid. A refused grid comes back in *refused.
Calculation Calculate(const GridTexts& grid, int dilutions, const NumberLocale& locale,
                      std::optional<InputError>* refused);

}  // namespace tubewise::cli
