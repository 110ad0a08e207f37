// One whole calculation on the calculation state, without windows: the search, the Thomas
// formula, and what to do when the search cannot finish. The calculate button and the command
// line both run it.
#pragma once

#include "core/ComputeThomas.h"
#include "core/EstimateMpn.h"
#include "core/GridTexts.h"
#include "core/Messages.h"
#include "core/Module1.h"
#include "core/NumberText.h"

namespace tubewise {

struct CalculationEnd {
    SearchEnd search = SearchEnd::InvalidGrid;
    ThomasEnd thomas = ThomasEnd::Undefined;
    // The grid was valid and the search finished: the results are to be shown.
    bool showResults = false;
};

// EstimateMpn then ComputeThomas, both always run. When the search ends on a fault after the
// grid passed validation (a count outside 16 bits, a floating-point fault), its half-finished
// curve and figures are not a result: the state is put back as a failed validation leaves it
// (arrays re-created empty, GridValid false, MaxLikelihood and MpnPerMl as before the call)
// and the analyst is told through `tell` with kUncomputablePrompt / kWrongInputTitle. A
// Thomas fault leaves ThomasDefined false, so the figure shows as undefined. MpnPer100Ml is
// set only when the results are to be shown.
CalculationEnd Calculate(Module1& state, const GridTexts& grid, const NumberLocale& locale,
                         const MessageSink& tell);

}  // namespace tubewise
