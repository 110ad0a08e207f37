// Register records as CSV lines: RFC 4180, with texts a spreadsheet could run as formulas
// written as text, as the batch writes its ids.
#pragma once

#include <string>

#include "register/Record.h"

namespace tubewise::reg {

std::string ExportHeader();
// One version as a CSV line without its line end; `superseded` when a later version exists.
std::string ExportLine(const RecordVersion& version, bool superseded, double holdingLimitHours);

}  // namespace tubewise::reg
