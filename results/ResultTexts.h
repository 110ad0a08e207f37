// The texts and advice colours of the results window as a pure function of the calculation
// state, shared by the window and the command line.
#pragma once

#include <string>

#include "core/Colour.h"
#include "core/Module1.h"
#include "core/NumberText.h"

namespace tubewise {

// Everything one valid calculation writes into the results window; every field is set, so
// showing a new calculation leaves nothing of the previous one.
struct ResultTexts {
    std::string probabilityHeading;      // lblprob
    std::string densityPerMlHeading;     // lbldens(0)
    std::string densityPer100MlHeading;  // lbldens(1)
    std::string thomasHeading;           // lblthomas
    std::string likelihood;              // txtresult(0)
    std::string mpnPerMl;                // txtresult(1)
    std::string mpnPer100Ml;             // txtresult(2)
    std::string thomas;                  // txtthomas
    std::string poissonAdvice;           // lbltozih(0)
    Colour poissonAdviceColour = kAdviceGreen;
    std::string thomasAdvice;  // lbltozih(1)
    Colour thomasAdviceColour = kAdviceGreen;
};

// The texts for the state after a valid search. Reads DilutionCount, MaxLikelihood, MpnPerMl,
// ThomasMpn, ThomasDefined, LikelihoodUnderflow and MaxLogLikelihood; the per-100-mL figure is
// MpnPerMl * 100.
ResultTexts ComposeResultTexts(const Module1& state, const NumberLocale& locale);

// The likelihood at the estimate in the general form: MaxLikelihood, or where it underflowed
// the value 10^(MaxLogLikelihood / ln 10) in exponent form beyond the range of a double.
std::string LikelihoodText(const Module1& state, const NumberLocale& locale);

}  // namespace tubewise
