// A tray or plate test as the Poisson model of its groups of wells, scaled to the original
// sample, with the design's bounds and the likelihood curve.
#include "trays/TrayCalculation.h"

#include <algorithm>
#include <cmath>

namespace tubewise::trays {

namespace {

// The group of the largest (or smallest) volume that holds any well.
std::size_t GroupByVolume(const std::vector<stats::Dilution>& groups, bool largest) {
    std::size_t best = groups.size();
    for (std::size_t i = 0; i < groups.size(); ++i) {
        if (groups[i].tubes == 0) continue;
        if (best == groups.size() || (largest ? groups[i].volumeMl > groups[best].volumeMl
                                              : groups[i].volumeMl < groups[best].volumeMl))
            best = i;
    }
    return best;
}

// Exact MLE per mL of the tray's sample of `groups` with every well negative except one of
// group `one`, or every well positive except one of it.
stats::Mle OneWellDifferent(std::vector<stats::Dilution> groups, std::size_t one,
                            bool allPositive) {
    for (std::size_t i = 0; i < groups.size(); ++i) {
        const int others = i == one ? groups[i].tubes - 1 : groups[i].tubes;
        groups[i].positives = allPositive ? others : groups[i].tubes - others;
    }
    return stats::ExactMle(groups);
}

// ln(1 - exp(-x)) for x > 0 without cancellation at either end.
double Log1MinusExpNeg(double x) {
    return x < 0.6931471805599453 ? std::log(-std::expm1(-x)) : std::log1p(-std::exp(-x));
}

// Log-likelihood (without the binomial coefficients) of the groups at `perMl` of the tray's
// sample; 0 is its supremum over the density when every well is negative or every well positive.
double LogLikelihood(const std::vector<stats::Dilution>& groups, double perMl) {
    double sum = 0;
    for (const stats::Dilution& d : groups) {
        const double x = d.volumeMl * perMl;
        if (d.positives > 0) sum += d.positives * Log1MinusExpNeg(x);
        sum -= static_cast<double>(d.tubes - d.positives) * x;
    }
    return sum;
}

}  // namespace

TrayResult ComputeTray(const TrayInput& input, const stats::StatisticsOptions& options) {
    TrayResult r;
    r.design = input.design;
    r.check = CheckTray(input);
    if (!r.check.ok()) return r;
    r.dilutionFactor = input.dilutionFactor;
    r.groups = TrayGroups(input);
    r.statistics = stats::ComputeStatistics(r.groups, options);
    if (r.statistics.check.fault != stats::SeriesFault::None) {
        r.check = {TrayFault::Uncomputable, TrayBox::None, 0};
        return r;
    }

    const double perMlToOriginal = r.dilutionFactor;
    const double per100Ml = 100.0 * perMlToOriginal;
    const stats::MpnStatistics& s = r.statistics;
    r.mlePerMl = s.mle.perMl * perMlToOriginal;
    r.mlePer100Ml = s.mle.perMl * per100Ml;
    if (s.biasAdjustedPerMl) r.biasAdjustedPer100Ml = *s.biasAdjustedPerMl * per100Ml;
    r.lowLimitPer100Ml = s.limits.lowPerMl * per100Ml;
    r.highLimitPer100Ml = s.limits.highPerMl * per100Ml;
    r.rarityIndex = s.rarityIndex;
    r.improbable = s.improbable;

    switch (s.mle.kind) {
        case stats::MleKind::Finite:
            r.reportPer100Ml = r.mlePer100Ml;
            break;
        case stats::MleKind::Zero: {
            // One positive well of the largest volume: the least the design can detect.
            const stats::Mle one = OneWellDifferent(r.groups, GroupByVolume(r.groups, true), false);
            // A design of a single well has no finite figure for one positive well.
            if (one.kind == stats::MleKind::Finite) {
                r.bound = TrayBound::Below;
                r.reportPer100Ml = one.perMl * per100Ml;
            }
            break;
        }
        case stats::MleKind::Infinite: {
            // One well of the smallest volume negative: the highest finite figure.
            const stats::Mle highest =
                OneWellDifferent(r.groups, GroupByVolume(r.groups, false), true);
            r.bound = TrayBound::Above;
            r.reportPer100Ml = highest.perMl * per100Ml;
            break;
        }
    }
    return r;
}

std::vector<CurvePoint> LikelihoodCurve(const TrayResult& result, int points) {
    if (!result.check.ok()) return {};
    points = std::max(points, 2);
    const double per100Ml = 100.0 * result.dilutionFactor;
    const double low = result.lowLimitPer100Ml;
    const double high = result.highLimitPer100Ml;
    // The range spans the limits with room on each side; a side the likelihood never leaves
    // (it only approaches its supremum at 0 or at infinity) gets three decades.
    double from = 0;
    double to = 0;
    double logPeak = 0;
    switch (result.statistics.mle.kind) {
        case stats::MleKind::Finite:
            from = std::min(low, result.mlePer100Ml) / 3;
            to = std::max(high, result.mlePer100Ml) * 3;
            logPeak = LogLikelihood(result.groups, result.statistics.mle.perMl);
            break;
        case stats::MleKind::Zero:
            from = high / 1000;
            to = high * 3;
            break;
        case stats::MleKind::Infinite:
            from = low / 3;
            to = low * 1000;
            break;
    }
    std::vector<CurvePoint> curve;
    curve.reserve(static_cast<std::size_t>(points));
    const double logFrom = std::log(from);
    const double step = (std::log(to) - logFrom) / (points - 1);
    for (int i = 0; i < points; ++i) {
        const double density = i == points - 1 ? to : std::exp(logFrom + step * i);
        const double logRelative = LogLikelihood(result.groups, density / per100Ml) - logPeak;
        curve.push_back({density, std::exp(std::min(0.0, logRelative))});
    }
    return curve;
}

}  // namespace tubewise::trays
