// The texts of a tray or plate result: the design's name, its counts, and its figures per
// 100 mL as the published tray tables print them. Plain C++, in the run's language.
#pragma once

#include <string>

#include "core/NumberText.h"
#include "trays/TrayCalculation.h"
#include "trays/TrayDesign.h"

namespace tubewise::trays {

// "51-well tray", "97-well tray", "plate / custom groups".
std::string DesignName(Design design);

// The counts as read: "positive wells: 25 of 51"; the 97-well tray's large and small wells;
// the groups as VOLUME:POSITIVE:NEGATIVE. For an input CheckTray accepts.
std::string CountsText(const TrayInput& input, const NumberLocale& locale);

// "dilution factor: 10".
std::string DilutionFactorText(double dilutionFactor, const NumberLocale& locale);

// Decimals of a figure per 100 mL: one, as the tray tables print them for the tray's own
// sample, and one fewer for each tenfold dilution (the figure is never finer than 0.1 MPN per
// 100 mL of what went into the tray): 1 at F = 1, 0 at F = 10, 2 at F = 0.5.
int FigureDecimals(double dilutionFactor);

// A figure per 100 mL of the original sample with those decimals; +infinity (an open upper
// limit) is the catalogue's "unbounded".
std::string FigureText(double per100Ml, double dilutionFactor, const NumberLocale& locale);

// The figure to report: "34.4", "< 1.0" (no positive well), "> 2419.6" (every well positive).
std::string ReportFigureText(const TrayResult& result, const NumberLocale& locale);

}  // namespace tubewise::trays
