// The statistics window's texts, report and copied line for a tray or plate test, beside
// those of a tube series (StatisticsTexts, SampleReport), and its likelihood chart. Plain C++.
#pragma once

#include <string>

#include "chart/CurveChart.h"
#include "core/NumberText.h"
#include "results/SampleReport.h"
#include "results/StatisticsTexts.h"
#include "trays/TrayCalculation.h"

namespace tubewise {

// The figures per 100 mL of the original sample as the tray tables print them ("< 1.0",
// "> 2419.6"), the limits of the result's method and level, the rarity index; the figure to
// report is always the exact one, named with the design and its dilution factor. A refused
// input has its refusal and no figure.
StatisticsTexts ComposeTrayStatisticsTexts(const trays::TrayResult& result,
                                           const NumberLocale& locale);

// The copied line's `series` cell: the design and its counts, then the dilution factor:
// "tray51:25 F=1", "tray97:49:47 F=10", "groups 10:5:0 1:3:2 F=1".
std::string TraySeriesCell(const trays::TrayInput& input, const NumberLocale& locale);

// The report: the design and its counts instead of the series table, the exact figures; no
// grid or Thomas section.
SampleReport ComposeTrayReport(const trays::TrayInput& input, const StatisticsTexts& exact,
                               const ReportHeader& header, const NumberLocale& locale);

// The copied result in the tube line's columns; the grid and Thomas cells are empty.
std::string CopiedTrayResult(const trays::TrayInput& input, const trays::TrayResult& result,
                             const StatisticsTexts& exact, const std::string& sample,
                             const NumberLocale& locale);

// The likelihood curve on a log scale around the estimate and its limits.
CurveChart DescribeTrayChart(const trays::TrayResult& result, const NumberLocale& locale);

}  // namespace tubewise
