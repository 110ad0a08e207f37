// One tray or plate test computed: the exact estimate and its statistics per 100 mL of the
// original sample, the "<" and ">" bounds of the design, and the likelihood curve for a chart.
#pragma once

#include <optional>
#include <vector>

#include "core/stats/MpnStatistics.h"
#include "trays/TrayDesign.h"

namespace tubewise::trays {

// What the figure to report is: the estimate itself, or a bound of the design.
enum class TrayBound {
    None,   // a finite estimate
    Below,  // no positive well: "< x", x the MPN of one positive well (the detection limit)
    Above,  // every well positive: "> y", y the highest finite MPN of the design
};

struct TrayResult {
    TrayCheck check;  // everything below is meaningful only when check.ok()
    Design design = Design::Tray51;
    double dilutionFactor = 1;
    std::vector<stats::Dilution> groups;  // the wells of the tray's own (diluted) sample
    // The statistics of `groups` as the core computes them: per mL of the diluted sample.
    stats::MpnStatistics statistics;

    // Per 100 mL of the original sample (times the dilution factor), the bounds included.
    TrayBound bound = TrayBound::None;
    double reportPer100Ml = 0;  // the estimate, or x / y of the bound
    double mlePer100Ml = 0;     // 0 when no well is positive, +infinity when all are
    double mlePerMl = 0;        // the same per mL of the original sample
    std::optional<double> biasAdjustedPer100Ml;
    double lowLimitPer100Ml = 0;
    double highLimitPer100Ml = 0;  // +infinity: the upper side is open
    double rarityIndex = 1;
    bool improbable = false;
};

// Checks the input and computes everything a window, the command line or the batch shows,
// with the limits of `options`.
TrayResult ComputeTray(const TrayInput& input, const stats::StatisticsOptions& options);

// A point of the likelihood curve: density per 100 mL of the original sample and likelihood
// relative to its largest value (1 at the estimate; the supremum where there is none).
struct CurvePoint {
    double densityPer100Ml = 0;
    double relativeLikelihood = 0;
};

// `points` log-spaced densities (at least 2) around the estimate and its limits, wide enough
// to show the curve fall away on each open side. Empty for a result that was refused.
std::vector<CurvePoint> LikelihoodCurve(const TrayResult& result, int points = 200);

}  // namespace tubewise::trays
