// The likelihood chart of a tray or plate result as plain data: the curve over a log-scaled
// density range that suits the design, the figure to report and the limits to mark, and the
// captions in the run's language.
#pragma once

#include <string>
#include <vector>

#include "core/NumberText.h"
#include "trays/TrayCalculation.h"

namespace tubewise::trays {

struct TrayChartDescription {
    std::vector<CurvePoint> curve;  // log-spaced densities per 100 mL; empty for a refused input
    double markPer100Ml = 0;        // the figure to report (the bound's figure for "<" and ">")
    double lowLimitPer100Ml = 0;
    double highLimitPer100Ml = 0;  // +infinity: open, not marked
    std::string title;
    std::string valueAxisTitle;
    std::string densityAxisTitle;
};

TrayChartDescription DescribeTrayChart(const TrayResult& result, const NumberLocale& locale,
                                       int points = 200);

}  // namespace tubewise::trays
