// Composition of the results window's texts from the calculation state.
#include "results/ResultTexts.h"

#include <cmath>

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

std::string LikelihoodText(const Module1& state, const NumberLocale& locale) {
    // Below the smallest double the box shows the likelihood's own size, from its logarithm, in
    // the same exponent form as any small likelihood ("8.70962111757E-603"), never a "0" beside an
    // estimate: an analyst reads it as the tiny probability of one exact outcome among very many
    // tubes that it is, and "< 4.94E-324" would only state a limit of the arithmetic.
    if (state.LikelihoodUnderflow == kTrue)
        return FormatGeneralFromLog10(state.MaxLogLikelihood / std::log(10.0), locale);
    return FormatGeneral(state.MaxLikelihood, locale);
}

ResultTexts ComposeResultTexts(const Module1& state, const NumberLocale& locale) {
    ResultTexts texts;
    texts.probabilityHeading = text::TrCount(text::kProbabilityHeading, state.DilutionCount);
    texts.densityPerMlHeading = text::Tr(text::kDensityPerMlHeading);
    texts.densityPer100MlHeading = text::Tr(text::kDensityPer100MlHeading);
    texts.thomasHeading = texts.densityPer100MlHeading;

    texts.likelihood = LikelihoodText(state, locale);

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
