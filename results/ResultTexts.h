// The texts and advice colours of the results window as a pure function of a calculation,
// shared by the window, the report and the command line.
#pragma once

#include <string>

#include "core/Calculation.h"
#include "core/Colour.h"
#include "core/NumberText.h"
#include "core/Texts.h"

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

// An advice and its colour: green where the figure it speaks of can be trusted, red where the
// analyst is to act on it. Every advice of the windows and the report is chosen this way.
struct Advice {
    std::string text;
    Colour colour = kAdviceGreen;
};
Advice Advise(bool trusted, text::Text whenTrusted, text::Text otherwise);

// The search's answer sits at the top of its range: the results window shows it as a lower
// bound (" 1000  <") with the red advice to dilute further.
bool AtTopOfSearchRange(const SearchResult& search);

// The texts for a calculation whose search ran over a valid grid: the rows, the search's
// likelihood and answer (per 100 mL, the answer times 100) and Thomas' estimate.
ResultTexts ComposeResultTexts(const Calculation& calc, const NumberLocale& locale);

// The likelihood at the estimate in the general form: maxLikelihood, or where it underflowed
// the value 10^(maxLogLikelihood / ln 10) in exponent form beyond the range of a double.
std::string LikelihoodText(const SearchResult& search, const NumberLocale& locale);

}  // namespace tubewise
