// The tray chart's data: LikelihoodCurve and the figure texts of the result.
#include "trays/TrayChart.h"

#include "core/Texts.h"
#include "trays/TrayTexts.h"

namespace tubewise::trays {

TrayChartDescription DescribeTrayChart(const TrayResult& result, const NumberLocale& locale,
                                       int points) {
    TrayChartDescription d;
    d.curve = LikelihoodCurve(result, points);
    if (d.curve.empty()) return d;
    d.markPer100Ml = result.reportPer100Ml;
    d.lowLimitPer100Ml = result.lowLimitPer100Ml;
    d.highLimitPer100Ml = result.highLimitPer100Ml;
    // Every well positive: "MPN > y", as the tube chart says above its range.
    d.title = result.bound == TrayBound::Above
                  ? text::Tr(text::kChartTitleAboveRange,
                             FigureText(result.reportPer100Ml, result.dilutionFactor, locale))
                  : text::Tr(text::kChartTitle, ReportFigureText(result, locale));
    d.valueAxisTitle = text::Tr(text::kTrayChartValueAxisTitle);
    d.densityAxisTitle = text::Tr(text::kTrayChartDensityAxisTitle);
    return d;
}

}  // namespace tubewise::trays
