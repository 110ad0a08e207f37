// Composition of a tray or plate result's texts, report, copied line and chart.
#include "results/TrayStatistics.h"

#include <cmath>
#include <string_view>

#include "core/Texts.h"
#include "trays/TrayTexts.h"

namespace tubewise {

namespace {

std::string Replaced(std::string text, std::string_view marker, std::string_view by) {
    const auto at = text.find(marker);
    if (at != std::string::npos) text.replace(at, marker.size(), by);
    return text;
}

std::string Whole(double x) {
    return std::to_string(static_cast<long long>(x));
}

// The mark of a bound and the figure per mL behind it.
std::string PerMlText(const trays::TrayResult& r, const NumberLocale& locale) {
    const std::string figure = FormatSignificant(r.reportPer100Ml / 100, kMpnFigures, locale);
    switch (r.bound) {
        case trays::TrayBound::Below:
            return text::kLessThanMark + figure;
        case trays::TrayBound::Above:
            return text::kMoreThanMark + figure;
        case trays::TrayBound::None:
            break;
    }
    return FormatSignificant(r.mlePerMl, kMpnFigures, locale);
}

// "< 1.0" -> "<1.0": a spreadsheet reads the mark and the figure as one cell.
std::string Unspaced(std::string figure) {
    if (figure.size() > 2 && (figure[0] == '<' || figure[0] == '>') && figure[1] == ' ')
        figure.erase(1, 1);
    return figure;
}

}  // namespace

StatisticsTexts ComposeTrayStatisticsTexts(const trays::TrayResult& r, const NumberLocale& locale) {
    StatisticsTexts t;
    t.method = MethodText(r.statistics.method);
    t.level = LevelText(r.statistics.level);
    if (!r.check.ok()) {
        t.refusal = trays::RefusalText(r.check);
        t.verdictColour = kAdviceRed;
        return t;
    }
    const double f = r.dilutionFactor;
    t.exactPer100Ml = trays::ReportFigureText(r, locale);
    t.exactPerMl = PerMlText(r, locale);
    t.adjustedPer100Ml = r.biasAdjustedPer100Ml
                             ? trays::FigureText(*r.biasAdjustedPer100Ml, f, locale)
                             : text::Tr(text::kStatisticUndefined);
    t.lowerPer100Ml = trays::FigureText(r.lowLimitPer100Ml, f, locale);
    t.upperPer100Ml = trays::FigureText(r.highLimitPer100Ml, f, locale);
    t.rarity = FormatSignificant(r.rarityIndex, kRarityFigures, locale);
    t.improbable = r.improbable;
    if (r.improbable) t.warning = text::Tr(text::kImprobableWarning);
    t.verdict = Replaced(text::Tr(text::kTrayVerdict, trays::DesignName(r.design)), "%2",
                         trays::DilutionFactorText(f, locale));
    t.verdictColour = kAdviceGreen;
    return t;
}

std::string TraySeriesCell(const trays::TrayInput& in, const NumberLocale& locale) {
    std::string cell;
    switch (in.design) {
        case trays::Design::Tray51:
            cell = "tray51:" + Whole(in.positives);
            break;
        case trays::Design::Tray97:
            cell = "tray97:" + Whole(in.positives) + ':' + Whole(in.smallPositives);
            break;
        case trays::Design::Groups:
            cell = "groups";
            for (const trays::GroupEntry& g : in.groups)
                cell += ' ' + FormatGeneral(g.volumeMl, locale) + ':' + Whole(g.positives) + ':' +
                        Whole(g.negatives);
            break;
    }
    return cell + " F=" + FormatGeneral(in.dilutionFactor, locale);
}

SampleReport ComposeTrayReport(const trays::TrayInput& in, const StatisticsTexts& exact,
                               const ReportHeader& header, const NumberLocale& locale) {
    // The tube report without its series: its title, header and chart heading stay.
    SampleReport r = ComposeSampleReport(Calculation{}, exact, header, locale);
    r.seriesRows.clear();
    r.sections = {{text::Tr(text::kTrayDesignHeading),
                   {{"", trays::DesignName(in.design), {}},
                    {"", trays::CountsText(in, locale), {}},
                    {"", trays::DilutionFactorText(in.dilutionFactor, locale), {}}}},
                  ExactSection(exact)};
    return r;
}

std::string CopiedTrayResult(const trays::TrayInput& in, const trays::TrayResult& r,
                             const StatisticsTexts& exact, const std::string& sample,
                             const NumberLocale& locale) {
    const bool ok = !exact.refusal;
    const bool open = std::isinf(r.highLimitPer100Ml);
    return CopiedLines(
        {sample, TraySeriesCell(in, locale), "", ok ? Unspaced(exact.exactPer100Ml) : "",
         ok ? exact.lowerPer100Ml : "", ok && !open ? exact.upperPer100Ml : "",
         std::string(stats::CiMethodName(r.statistics.method)),
         FormatGeneral(r.statistics.level, NumberLocale{}), ok ? exact.rarity : "", ""});
}

CurveChart DescribeTrayChart(const trays::TrayResult& r, const NumberLocale& locale) {
    CurveChart c;
    for (const trays::CurvePoint& point : trays::LikelihoodCurve(r)) {
        c.densities.push_back(point.densityPer100Ml);
        c.heights.push_back(point.relativeLikelihood);
    }
    if (r.check.ok() && r.bound == trays::TrayBound::None) c.marked = r.mlePer100Ml;
    c.title = Replaced(text::Tr(text::kTrayChartTitle, trays::DesignName(r.design)), "%2",
                       r.check.ok() ? trays::ReportFigureText(r, locale) : std::string());
    c.densityAxisTitle = text::Tr(text::kTrayChartDensityAxis);
    c.heightAxisTitle = text::Tr(text::kTrayChartHeightAxis);
    return c;
}

}  // namespace tubewise
