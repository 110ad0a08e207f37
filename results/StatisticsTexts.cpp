// Composition of the statistics window's texts from a calculation and its statistics.
#include "results/StatisticsTexts.h"

#include <charconv>
#include <cmath>
#include <vector>

#include "core/Calculation.h"
#include "core/Texts.h"
#include "results/ResultTexts.h"

namespace tubewise {

namespace {

std::string Per100Ml(double perMl, int figures, const NumberLocale& locale) {
    return FormatSignificant(perMl * 100, figures, locale);
}

}  // namespace

std::string FormatSignificant(double x, int figures, const NumberLocale& locale) {
    if (std::isfinite(x) && x != 0) {
        // to_chars expands the exact binary value and breaks exact ties to even.
        char buf[64];
        const auto r = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::scientific,
                                     figures > 1 ? figures - 1 : 0);
        std::from_chars(buf, r.ptr, x);
    }
    return FormatGeneral(x, locale);
}

std::string LevelText(double level) {
    return FormatGeneral(RoundHalfEven(level * 100, 6), NumberLocale{}) + text::kLevelSuffix;
}

std::string MethodText(stats::CiMethod method) {
    return text::Tr(method == stats::CiMethod::Jarvis ? text::kMethodJarvis
                                                      : text::kMethodLikelihoodRatio);
}

double HighestFiniteMpnPerMl(const Series& s) {
    std::vector<stats::Dilution> series = DilutionsOf(s);
    stats::Dilution* smallest = nullptr;
    for (stats::Dilution& d : series)
        if (d.tubes > 0 && d.positives > 0 && (!smallest || d.volumeMl < smallest->volumeMl))
            smallest = &d;
    if (!smallest || stats::CheckSeries(series).fault != stats::SeriesFault::None) return 0;
    --smallest->positives;
    const stats::Mle mle = stats::ExactMle(series);
    return mle.kind == stats::MleKind::Finite ? mle.perMl : 0;
}

StatisticsTexts ComposeStatisticsTexts(const Calculation& calc,
                                       const std::optional<Message>& refusal,
                                       const stats::MpnStatistics& s, const NumberLocale& locale) {
    StatisticsTexts t;
    t.method = MethodText(s.method);
    t.level = LevelText(s.level);
    if (refusal || !calc.gridValid()) {
        t.refusal = refusal ? refusal->prompt : text::Tr(text::kUncomputablePrompt);
    } else if (s.check.fault != stats::SeriesFault::None) {
        // The grid took the series, but the model cannot (every volume 0, no tube at all).
        t.refusal = text::Tr(text::kUncomputablePrompt);
    }
    if (t.refusal) {
        t.verdictColour = kAdviceRed;
        return t;
    }

    switch (s.mle.kind) {
        case stats::MleKind::Zero:
            t.exactPer100Ml = FormatGeneral(0, locale);
            t.exactPerMl = t.exactPer100Ml;
            break;
        case stats::MleKind::Finite:
            t.exactPer100Ml = Per100Ml(s.mle.perMl, kMpnFigures, locale);
            t.exactPerMl = FormatSignificant(s.mle.perMl, kMpnFigures, locale);
            break;
        case stats::MleKind::Infinite: {
            const double highest = HighestFiniteMpnPerMl(calc.series());
            t.exactPer100Ml = text::kMoreThanMark + Per100Ml(highest, kMpnFigures, locale);
            t.exactPerMl = text::kMoreThanMark + FormatSignificant(highest, kMpnFigures, locale);
            break;
        }
    }
    t.adjustedPer100Ml = s.biasAdjustedPerMl ? Per100Ml(*s.biasAdjustedPerMl, kMpnFigures, locale)
                                             : text::Tr(text::kStatisticUndefined);
    t.lowerPer100Ml = Per100Ml(s.limits.lowPerMl, kLimitFigures, locale);
    t.upperPer100Ml = std::isinf(s.limits.highPerMl)
                          ? text::Tr(text::kOpenLimit)
                          : Per100Ml(s.limits.highPerMl, kLimitFigures, locale);
    t.rarity = FormatSignificant(s.rarityIndex, kRarityFigures, locale);
    t.improbable = s.improbable;
    if (s.improbable) t.warning = text::Tr(text::kImprobableWarning);

    // The results window's answer is a lower bound at the top of its range, and always where
    // every tube is positive; otherwise it is reported when it agrees with the exact figure.
    t.gridCapped = AtTopOfSearchRange(calc.search) || s.mle.kind == stats::MleKind::Infinite;
    const bool gridAgrees =
        !t.gridCapped && Per100Ml(calc.search.mpnPerMl, kMpnFigures, locale) == t.exactPer100Ml;
    const Advice verdict =
        Advise(gridAgrees, text::kReportGridFigure,
               t.gridCapped ? text::kReportExactCapped : text::kReportExactCoarse);
    t.verdict = verdict.text;
    t.verdictColour = verdict.colour;
    // A green "report it" beside the rarity warning would contradict it: the figure stands only
    // once the tubes are re-read or the test repeated, said in the warning's colour.
    if (s.improbable) {
        t.verdict = text::Tr(text::kReportAfterRecheck);
        t.verdictColour = kAdviceRed;
    }
    return t;
}

}  // namespace tubewise
