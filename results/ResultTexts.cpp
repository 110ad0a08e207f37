// Composition of the results window's texts from the calculation state.
#include "results/ResultTexts.h"

#include "core/EstimateMpn.h"

namespace tubewise {

namespace {

constexpr int kShownPlaces = 3;

// A figure at the top of the search range is a lower bound: signed form and the "<" mark.
std::string MpnFigure(double value, bool atTopOfRange, const NumberLocale& locale) {
    const double rounded = RoundHalfEven(value, kShownPlaces);
    if (atTopOfRange) return FormatSigned(rounded) + result_text::kLowerBoundMark;
    return FormatGeneral(rounded, locale);
}

}  // namespace

const char* ColourName(AdviceColour colour) {
    return colour == AdviceColour::Red ? "red" : "green";
}

ResultTexts ComposeResultTexts(const Module1& state, const NumberLocale& locale) {
    ResultTexts texts;
    texts.probabilityHeading = std::string(result_text::kProbabilityHeadingStart) +
                               FormatSigned(state.DilutionCount) +
                               result_text::kProbabilityHeadingEnd;
    texts.densityPerMlHeading = result_text::kDensityPerMlHeading;
    texts.densityPer100MlHeading = result_text::kDensityPer100MlHeading;
    texts.thomasHeading = result_text::kDensityPer100MlHeading;

    texts.likelihood = FormatGeneral(state.MaxLikelihood, locale);

    const bool atTop = state.MpnPerMl > kTopOfSearchRange;
    texts.mpnPerMl = MpnFigure(state.MpnPerMl, atTop, locale);
    texts.mpnPer100Ml = MpnFigure(state.MpnPerMl * 100, atTop, locale);
    if (atTop) {
        texts.poissonAdvice = result_text::kPoissonAdviceRed;
        texts.poissonAdviceColour = AdviceColour::Red;
    } else {
        texts.poissonAdvice = result_text::kPoissonAdviceGreen;
        texts.poissonAdviceColour = AdviceColour::Green;
    }

    if (state.ThomasDefined == kTrue) {
        texts.thomas = FormatGeneral(RoundHalfEven(state.ThomasMpn, kShownPlaces), locale);
        texts.thomasAdvice = result_text::kThomasAdviceGreen;
        texts.thomasAdviceColour = AdviceColour::Green;
    } else {
        texts.thomas = result_text::kThomasUndefined;
        texts.thomasAdvice = result_text::kThomasAdviceRed;
        texts.thomasAdviceColour = AdviceColour::Red;
    }
    return texts;
}

}  // namespace tubewise
