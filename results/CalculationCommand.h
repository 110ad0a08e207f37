// The calculate button's command: one calculation from the grid, then the results window or
// the grid again, and an open chart window brought up to date.
#pragma once

#include "results/Calculation.h"

namespace tubewise {

class Session;
class frmmpn;

// Reads the grid, runs Calculate (its messages go to message boxes over the grid), and when
// the results are to be shown hides the grid and fills and shows frmresult; otherwise the
// grid stays in front with its text untouched and the results window is not touched. In
// every case an open chart window is redrawn and restored from minimised.
CalculationEnd RunCalculation(Session& session);

// Wires the grid's calculate button (Command1) to RunCalculation. The grid window's load
// handler calls it; a second call on the same window changes nothing.
void ConnectCalculateButton(frmmpn& grid);

}  // namespace tubewise
