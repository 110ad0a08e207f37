// The report of one sample as plain data: what the PDF page shows, in reading order, and the
// tab-separated line that is copied for a spreadsheet or a laboratory system.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/Calculation.h"
#include "core/Colour.h"
#include "core/NumberText.h"
#include "core/stats/MpnStatistics.h"
#include "results/ResultTexts.h"
#include "results/StatisticsTexts.h"

namespace tubewise {

// What the analyst adds to the figures; an empty field is left out of the report.
struct ReportHeader {
    std::string sample;
    std::string analyst;
    std::string date;  // as it is to be printed
};

// One line of the report: a caption and its figure side by side, or (caption empty) a text
// across the whole width, such as an advice in its colour.
struct ReportLine {
    std::string caption;
    std::string value;
    std::optional<Colour> colour;
};

struct ReportSection {
    std::string heading;
    std::vector<ReportLine> lines;
};

struct SampleReport {
    // Persian pages read from the right: captions at the right, the series' first column at the
    // right; an English page is their mirror image.
    bool rightToLeft = true;
    std::string title;
    std::vector<ReportLine> header;  // sample, analyst, date as given
    std::string seriesHeading;
    std::vector<std::string> seriesColumns;  // in reading order: number, mL, negative, positive
    std::vector<std::vector<std::string>> seriesRows;
    std::vector<ReportSection> sections;  // results window, exact figures, Thomas
    std::string chartHeading;
};

// The report of a valid calculation: the results window's texts, the exact figures from
// `exact` (composed for the same calculation), the series its search loaded.
SampleReport ComposeSampleReport(const Calculation& calc, const StatisticsTexts& exact,
                                 const ReportHeader& header, const NumberLocale& locale);

// The report's section of the exact figures, or of their refusal.
ReportSection ExactSection(const StatisticsTexts& exact);

// The header line of the copied result's columns (below) and one line of `values` in them.
std::string CopiedLines(const std::vector<std::string>& values);

// The copied result: a header line of ASCII column names and one line of values, separated by
// tabs, each line ending in a newline. Columns: sample, series (the command line's rows
// VOLUME:POSITIVE:NEGATIVE), grid_mpn_per_100ml (">1000" when a lower bound), exact_mpn_per_100ml,
// ci_low_per_100ml, ci_high_per_100ml (empty when open), ci_method (jarvis or lr), ci_level,
// rarity_index, thomas_per_100ml (empty when undefined). Figures as the windows show them.
std::string CopiedResult(const Calculation& calc, const stats::MpnStatistics& statistics,
                         const StatisticsTexts& exact, const std::string& sample,
                         const NumberLocale& locale);

}  // namespace tubewise
