// Composition of the results window's texts from a calculation.
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

Advice Advise(bool trusted, text::Text whenTrusted, text::Text otherwise) {
    return trusted ? Advice{text::Tr(whenTrusted), kAdviceGreen}
                   : Advice{text::Tr(otherwise), kAdviceRed};
}

bool AtTopOfSearchRange(const SearchResult& search) {
    return search.mpnPerMl > kTopOfSearchRange;
}

std::string LikelihoodText(const SearchResult& search, const NumberLocale& locale) {
    // Below the smallest double the box shows the likelihood's own size, from its logarithm, in
    // the same exponent form as any small likelihood ("8.70962111757E-603"), never a "0" beside an
    // estimate: an analyst reads it as the tiny probability of one exact outcome among very many
    // tubes that it is, and "< 4.94E-324" would only state a limit of the arithmetic.
    if (search.likelihoodUnderflow)
        return FormatGeneralFromLog10(search.maxLogLikelihood / std::log(10.0), locale);
    return FormatGeneral(search.maxLikelihood, locale);
}

ResultTexts ComposeResultTexts(const Calculation& calc, const NumberLocale& locale) {
    ResultTexts texts;
    texts.probabilityHeading = text::TrCount(text::kProbabilityHeading, calc.dilutions);
    texts.densityPerMlHeading = text::Tr(text::kDensityPerMlHeading);
    texts.densityPer100MlHeading = text::Tr(text::kDensityPer100MlHeading);
    texts.thomasHeading = texts.densityPer100MlHeading;

    texts.likelihood = LikelihoodText(calc.search, locale);

    const bool atTop = AtTopOfSearchRange(calc.search);
    texts.mpnPerMl = MpnFigure(calc.search.mpnPerMl, atTop, locale);
    texts.mpnPer100Ml = MpnFigure(calc.mpnPer100Ml(), atTop, locale);
    const Advice poisson = Advise(!atTop, text::kPoissonAdviceGreen, text::kPoissonAdviceRed);
    texts.poissonAdvice = poisson.text;
    texts.poissonAdviceColour = poisson.colour;

    const bool thomasDefined = calc.thomas.defined();
    texts.thomas = thomasDefined
                       ? FormatGeneral(RoundHalfEven(calc.thomas.mpnPer100Ml, kShownPlaces), locale)
                       : text::Tr(text::kThomasUndefined);
    const Advice thomas = Advise(thomasDefined, text::kThomasAdviceGreen, text::kThomasAdviceRed);
    texts.thomasAdvice = thomas.text;
    texts.thomasAdviceColour = thomas.colour;
    return texts;
}

}  // namespace tubewise
