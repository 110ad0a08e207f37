// Composition of the results window's texts from the calculation state.
#include "results/ResultTexts.h"

#include "core/EstimateMpn.h"
#include "core/Texts.h"

namespace tubewise {

namespace {

constexpr int kShownPlaces = 3;

// A figure at the top of the search range is a lower bound: signed form and the "<" mark.
std::string MpnFigure(double value, bool atTopOfRange, const NumberLocale& locale) {
    const double rounded = RoundHalfEven(value, kShownPlaces);
    if (atTopOfRange) return text::Tr(text::kLowerBound, FormatSigned(rounded));
    return FormatGeneral(rounded, locale);
}

}  // namespace

ResultTexts ComposeResultTexts(const Module1& state, const NumberLocale& locale) {
    ResultTexts texts;
    texts.probabilityHeading = text::TrCount(text::kProbabilityHeading, state.DilutionCount);
    texts.densityPerMlHeading = text::Tr(text::kDensityPerMlHeading);
    texts.densityPer100MlHeading = text::Tr(text::kDensityPer100MlHeading);
    texts.thomasHeading = texts.densityPer100MlHeading;

    texts.likelihood = FormatGeneral(state.MaxLikelihood, locale);

    const bool atTop = state.MpnPerMl > kTopOfSearchRange;
    texts.mpnPerMl = MpnFigure(state.MpnPerMl, atTop, locale);
    texts.mpnPer100Ml = MpnFigure(state.MpnPerMl * 100, atTop, locale);
    texts.poissonAdvice = text::Tr(atTop ? text::kPoissonAdviceRed : text::kPoissonAdviceGreen);
    texts.poissonAdviceColour = atTop ? kAdviceRed : kAdviceGreen;

    if (state.ThomasDefined == kTrue) {
        texts.thomas = FormatGeneral(RoundHalfEven(state.ThomasMpn, kShownPlaces), locale);
        texts.thomasAdvice = text::Tr(text::kThomasAdviceGreen);
        texts.thomasAdviceColour = kAdviceGreen;
    } else {
        texts.thomas = text::Tr(text::kThomasUndefined);
        texts.thomasAdvice = text::Tr(text::kThomasAdviceRed);
        texts.thomasAdviceColour = kAdviceRed;
    }
    return texts;
}

}  // namespace tubewise
