// Takes the count typed in the dialog into the calculation state and opens that many rows
// of the grid.
#pragma once

namespace tubewise {

class Session;

// Reads frmdel's txtdilnum. Empty: tells the analyst, sets CountEntered false and changes
// nothing else. Otherwise stores the count in DilutionCount and opens rows 1..count of
// frmmpn (building the grid window, which closes every row, on first use).
void ApplyDilutionCount(Session& session);

}  // namespace tubewise
