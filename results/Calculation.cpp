// One whole calculation on the calculation state: search, Thomas, and the uncomputable case.
#include "results/Calculation.h"

#include "results/ResultTexts.h"

namespace tubewise {

namespace {

// The state exactly as a refused grid leaves it, so that nothing downstream (the results, an
// open chart) can take a half-finished search for an answer.
void DiscardFailedSearch(Module1& state, double maxLikelihoodBefore, double mpnPerMlBefore) {
    RecreateArrays(state);
    state.GridValid = kFalse;
    state.MaxLikelihood = maxLikelihoodBefore;
    state.MpnPerMl = mpnPerMlBefore;
}

}  // namespace

CalculationEnd Calculate(Module1& state, const GridTexts& grid, const NumberLocale& locale,
                         const MessageSink& tell) {
    const double maxLikelihoodBefore = state.MaxLikelihood;
    const double mpnPerMlBefore = state.MpnPerMl;

    CalculationEnd end;
    end.search = EstimateMpn(state, grid, locale, tell);
    if (end.search == SearchEnd::Fault) {
        DiscardFailedSearch(state, maxLikelihoodBefore, mpnPerMlBefore);
        tell(Message{result_text::kUncomputablePrompt, result_text::kWrongInputTitle});
    }
    end.thomas = ComputeThomas(state);

    end.showResults = end.search == SearchEnd::Completed && state.GridValid == kTrue;
    if (end.showResults) state.MpnPer100Ml = state.MpnPerMl * 100;
    return end;
}

}  // namespace tubewise
