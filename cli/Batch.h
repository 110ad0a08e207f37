// Batch runs of the command line: many samples from a CSV file, one result line each.
#pragma once

#include <QString>

#include "core/stats/MpnStatistics.h"

namespace tubewise::cli {

// Exit statuses of a batch run: 0 every line evaluated; 2 (kExitBadInput) the run finished but
// some lines could not be evaluated; 66 the input could not be read; 73 (kExitCannotCreate)
// the output could not be written; 128 + signal number when interrupted.
inline constexpr int kExitNoInput = 66;

// Reads samples from `inputPath` and writes their result lines to `outputPath` (standard
// output when empty). The output file appears only complete: it is written under a temporary
// name and renamed at the end, and an interrupt (SIGINT, SIGTERM, SIGHUP) stops the run and
// removes the temporary file; the status is then 128 + the signal's number. Bad lines are
// reported on standard error with their line number, progress too when it is a terminal.
int RunBatch(const QString& inputPath, const QString& outputPath,
             const stats::StatisticsOptions& options);

}  // namespace tubewise::cli
