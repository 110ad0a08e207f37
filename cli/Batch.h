// Batch runs of the command line: many samples from a CSV file, one result line each.
#pragma once

#include <QString>

#include "core/stats/MpnStatistics.h"

namespace tubewise::cli {

// Exit statuses of a batch run: 0 every line evaluated; 2 (kExitBadInput) the run finished but
// some lines could not be evaluated; 64 (kExitUsage) the output is the input file; 66 the input
// could not be read; 73 (kExitCannotCreate) the output could not be written; 128 + signal
// number when interrupted.
inline constexpr int kExitNoInput = 66;

// Reads samples from `inputPath` (any readable file, pipe or terminal; "-" is standard input)
// and writes their result lines to the OutputTarget `outputPath` (standard output when empty
// or "-"). An output that is the input file itself is refused before anything is written. An
// output file appears only complete: it is written under a temporary name and renamed at the
// end, and an interrupt (SIGINT, SIGTERM, SIGHUP) stops the run and removes the temporary
// file; the status is then 128 + the signal's number. Bad records are reported on standard
// error with the line they start on, progress too when it is a terminal.
int RunBatch(const QString& inputPath, const QString& outputPath,
             const stats::StatisticsOptions& options);

}  // namespace tubewise::cli
