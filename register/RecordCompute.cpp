// From a record's inputs to its results through Calculate, exactly as the command line
// computes a typed series, so that `verify` can compute every stored result again.
#include "register/RecordCompute.h"

#include <cmath>

#include "core/Calculation.h"

namespace tubewise::reg {

std::variant<RecordResults, ComputeRefusal> ComputeResults(const RecordInputs& inputs) {
    if (inputs.design != Design::Tubes)
        return ComputeRefusal{"Tray not supported",
                              "this version of Tubewise cannot compute a " +
                                  std::string(DesignName(inputs.design)) + " tray yet",
                              0};
    if (inputs.rows.empty() || inputs.rows.size() > static_cast<std::size_t>(kGridRows))
        return ComputeRefusal{"Rows", "give 1 to 5 rows VOLUME:POSITIVE:NEGATIVE", 0};

    GridTexts grid;
    for (std::size_t i = 0; i < inputs.rows.size(); ++i) grid[i] = inputs.rows[i];
    CalculationOptions options;
    // Only the figures are kept; the search without its curve gives them bit for bit.
    options.wantCurve = false;
    options.statistics = stats::StatisticsOptions{inputs.ciMethod, inputs.ciLevel};
    const Calculation calc = Calculate(grid, static_cast<int>(inputs.rows.size()),
                                       NumberLocale{inputs.decimalSeparator}, options);
    if (calc.refusal)
        return ComputeRefusal{calc.refusal->title, calc.refusal->prompt, calc.refusalRow};
    if (!calc.showResults())
        return ComputeRefusal{"Calculation", "the series cannot be computed", 0};
    if (!calc.statistics || calc.statistics->check.fault != stats::SeriesFault::None) {
        const stats::SeriesCheck check =
            calc.statistics ? calc.statistics->check : stats::SeriesCheck{};
        return ComputeRefusal{"Statistics", std::string(stats::SeriesFaultText(check.fault)),
                              check.dilution};
    }

    const stats::MpnStatistics& s = *calc.statistics;
    RecordResults r;
    r.dilutions = calc.dilutions;
    r.gridMpnPerMl = calc.search.mpnPerMl;
    r.gridMpnPer100Ml = calc.search.mpnPerMl * 100;
    r.gridLowerBound = calc.lowerBound;
    r.maxLikelihood = calc.search.maxLikelihood;
    const bool thomasDefined = calc.thomas.end == ThomasEnd::Defined;
    if (thomasDefined) r.thomasPer100Ml = calc.thomas.mpnPer100Ml;
    r.mleKind = s.mle.kind;
    if (s.mle.kind != stats::MleKind::Infinite) r.mlePerMl = s.mle.perMl;
    r.biasAdjustedPerMl = s.biasAdjustedPerMl;
    r.ciLowPerMl = s.limits.lowPerMl;
    if (std::isfinite(s.limits.highPerMl)) r.ciHighPerMl = s.limits.highPerMl;
    r.rarityIndex = s.rarityIndex;
    r.improbable = s.improbable;
    r.gridAdvice = calc.lowerBound ? Advice::Red : Advice::Green;
    r.thomasAdvice = thomasDefined ? Advice::Green : Advice::Red;
    return r;
}

}  // namespace tubewise::reg
