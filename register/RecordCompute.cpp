// From a record's inputs to its results through Calculate, exactly as the command line
// computes a typed series, so that `verify` can compute every stored result again.
#include "register/RecordCompute.h"

#include <cmath>

#include "core/Calculation.h"
#include "core/Texts.h"
#include "trays/TrayCalculation.h"

namespace tubewise::reg {

namespace {

// The counts as typed, K or L and S, separated by ':' or ','.
std::optional<trays::TrayInput> TrayInputOf(const RecordInputs& inputs) {
    trays::TrayInput tray;
    tray.design = inputs.design == Design::Tray97 ? trays::Design::Tray97 : trays::Design::Tray51;
    tray.dilutionFactor = inputs.dilutionFactor;
    const std::size_t wanted = tray.design == trays::Design::Tray97 ? 2 : 1;
    std::vector<double> counts;
    std::string_view rest = inputs.trayCounts;
    while (true) {
        const std::size_t cut = rest.find_first_of(":,");
        const auto value = TextToFloat(rest.substr(0, cut), NumberLocale{inputs.decimalSeparator});
        if (!value) return std::nullopt;
        counts.push_back(*value);
        if (cut == std::string_view::npos) break;
        rest.remove_prefix(cut + 1);
    }
    if (counts.size() != wanted) return std::nullopt;
    tray.positives = counts[0];
    if (wanted == 2) tray.smallPositives = counts[1];
    return tray;
}

// A tray has no grid search and no Thomas estimate: those results stay empty, and the advice
// is red only where every well is positive (the figure is a bound: dilute further).
std::variant<RecordResults, ComputeRefusal> ComputeTrayResults(const RecordInputs& inputs) {
    const std::optional<trays::TrayInput> tray = TrayInputOf(inputs);
    if (!tray)
        return ComputeRefusal{"Tray",
                              "give the counts of a " + std::string(DesignName(inputs.design)) +
                                  " as " + (inputs.design == Design::Tray97 ? "L:S" : "K"),
                              0};
    const trays::TrayResult t =
        trays::ComputeTray(*tray, stats::StatisticsOptions{inputs.ciMethod, inputs.ciLevel});
    if (!t.check.ok())
        return ComputeRefusal{text::Tr(text::kWrongInputTitle), trays::RefusalText(t.check), 0};
    const stats::MpnStatistics& s = t.statistics;
    const double f = t.dilutionFactor;
    RecordResults r;
    r.dilutions = static_cast<int>(t.groups.size());
    r.mleKind = s.mle.kind;
    if (s.mle.kind != stats::MleKind::Infinite) r.mlePerMl = s.mle.perMl * f;
    if (s.biasAdjustedPerMl) r.biasAdjustedPerMl = *s.biasAdjustedPerMl * f;
    r.ciLowPerMl = s.limits.lowPerMl * f;
    if (std::isfinite(s.limits.highPerMl)) r.ciHighPerMl = s.limits.highPerMl * f;
    r.rarityIndex = s.rarityIndex;
    r.improbable = s.improbable;
    r.gridAdvice = t.bound == trays::TrayBound::Above ? Advice::Red : Advice::Green;
    r.thomasAdvice = Advice::Red;
    return r;
}

}  // namespace

std::variant<RecordResults, ComputeRefusal> ComputeResults(const RecordInputs& inputs) {
    if (inputs.design != Design::Tubes) return ComputeTrayResults(inputs);
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
