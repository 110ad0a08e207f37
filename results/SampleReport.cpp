// Composition of the report and of the copied line from a calculation and its exact figures.
#include "results/SampleReport.h"

#include <cmath>

#include "core/Texts.h"

namespace tubewise {

namespace {

// Captions of the results window carry layout blanks at their ends; the report aligns itself.
std::string Trimmed(std::string s) {
    const auto first = s.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    const auto last = s.find_last_not_of(' ');
    return s.substr(first, last - first + 1);
}

std::string Volume(const SeriesRow& row, const NumberLocale& locale) {
    return FormatGeneral(row.volume, locale);
}

// A text without the tabs and line breaks that would split the copied line.
std::string OneCell(std::string s) {
    for (char& c : s)
        if (c == '\t' || c == '\n' || c == '\r') c = ' ';
    return s;
}

std::string Joined(const std::vector<std::string>& cells) {
    std::string line;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (i) line += '\t';
        line += OneCell(cells[i]);
    }
    return line + '\n';
}

}  // namespace

ReportSection ExactSection(const StatisticsTexts& exact) {
    ReportSection stats{text::Tr(text::kExactHeading), {}};
    if (exact.refusal) {
        stats.lines.push_back({"", *exact.refusal, kAdviceRed});
    } else {
        stats.lines = {{text::Tr(text::kExactPer100Ml), exact.exactPer100Ml, {}},
                       {text::Tr(text::kExactPerMl), exact.exactPerMl, {}},
                       {text::Tr(text::kAdjustedPer100Ml), exact.adjustedPer100Ml, {}},
                       {text::Tr(text::kMethodCaption), exact.method, {}},
                       {text::Tr(text::kLevelCaption), exact.level, {}},
                       {text::Tr(text::kLowerLimitPer100Ml), exact.lowerPer100Ml, {}},
                       {text::Tr(text::kUpperLimitPer100Ml), exact.upperPer100Ml, {}},
                       {text::Tr(text::kRarityCaption), exact.rarity, {}}};
        if (!exact.warning.empty()) stats.lines.push_back({"", exact.warning, kAdviceRed});
        stats.lines.push_back({"", exact.verdict, exact.verdictColour});
    }
    return stats;
}

SampleReport ComposeSampleReport(const Calculation& calc, const StatisticsTexts& exact,
                                 const ReportHeader& header, const NumberLocale& locale) {
    SampleReport r;
    r.rightToLeft = text::Tr(text::kReportDirection) != "LTR";
    r.title = text::Tr(text::kReportTitle);
    const ReportLine given[] = {{text::Tr(text::kSampleCaption), header.sample, {}},
                                {text::Tr(text::kAnalystCaption), header.analyst, {}},
                                {text::Tr(text::kDateCaption), header.date, {}}};
    for (const ReportLine& line : given)
        if (!Trimmed(line.value).empty()) r.header.push_back(line);

    r.seriesHeading = text::Tr(text::kSeriesHeading);
    // The grid's order, read from its first column: row, mL, negative tubes, positive tubes.
    r.seriesColumns = {text::Tr(text::kSeriesNumber), text::Tr(text::kSeriesVolume),
                       text::Tr(text::kSeriesNegative), text::Tr(text::kSeriesPositive)};
    if (calc.gridValid()) {
        int number = 0;
        for (const SeriesRow& row : calc.series().rows) {
            r.seriesRows.push_back({std::to_string(++number), Volume(row, locale),
                                    std::to_string(row.negative), std::to_string(row.positive)});
        }
    }

    const ResultTexts grid = ComposeResultTexts(calc, locale);
    r.sections.push_back({text::Tr(text::kGridHeading),
                          {{Trimmed(grid.densityPer100MlHeading), grid.mpnPer100Ml, {}},
                           {Trimmed(grid.densityPerMlHeading), grid.mpnPerMl, {}},
                           {"", grid.poissonAdvice, grid.poissonAdviceColour}}});

    r.sections.push_back(ExactSection(exact));

    r.sections.push_back({text::Tr(text::kThomasHeading),
                          {{Trimmed(grid.thomasHeading), grid.thomas, {}},
                           {"", grid.thomasAdvice, grid.thomasAdviceColour}}});
    r.chartHeading = text::Tr(text::kChartHeading);
    return r;
}

std::string CopiedLines(const std::vector<std::string>& values) {
    const std::vector<std::string> columns = {"sample",
                                              "series",
                                              "grid_mpn_per_100ml",
                                              "exact_mpn_per_100ml",
                                              "ci_low_per_100ml",
                                              "ci_high_per_100ml",
                                              "ci_method",
                                              "ci_level",
                                              "rarity_index",
                                              "thomas_per_100ml"};
    return Joined(columns) + Joined(values);
}

std::string CopiedResult(const Calculation& calc, const stats::MpnStatistics& statistics,
                         const StatisticsTexts& exact, const std::string& sample,
                         const NumberLocale& locale) {
    std::string series;
    for (const SeriesRow& row : calc.gridValid() ? calc.series().rows : std::vector<SeriesRow>{}) {
        if (!series.empty()) series += ' ';
        series += Volume(row, locale) + ':' + std::to_string(row.positive) + ':' +
                  std::to_string(row.negative);
    }
    const ResultTexts grid = ComposeResultTexts(calc, locale);
    // The results window writes a lower bound as " 1000  <"; a spreadsheet reads ">1000".
    std::string gridFigure = Trimmed(grid.mpnPer100Ml);
    if (exact.gridCapped && calc.search.mpnPerMl > 0) {
        gridFigure = ">" + FormatGeneral(RoundHalfEven(calc.mpnPer100Ml(), 3), locale);
    }
    std::string exactFigure = exact.exactPer100Ml;
    if (exactFigure.rfind(text::kMoreThanMark, 0) == 0)
        exactFigure = ">" + exactFigure.substr(std::string(text::kMoreThanMark).size());
    const bool open = std::isinf(statistics.limits.highPerMl);
    const bool ok = !exact.refusal;
    const std::vector<std::string> values = {sample,
                                             series,
                                             gridFigure,
                                             ok ? exactFigure : "",
                                             ok ? exact.lowerPer100Ml : "",
                                             ok && !open ? exact.upperPer100Ml : "",
                                             std::string(stats::CiMethodName(statistics.method)),
                                             FormatGeneral(statistics.level, NumberLocale{}),
                                             ok ? exact.rarity : "",
                                             calc.thomas.defined() ? grid.thomas : ""};
    return CopiedLines(values);
}

}  // namespace tubewise
