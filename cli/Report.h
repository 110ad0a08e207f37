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

}  // namespace tubewise::cli
