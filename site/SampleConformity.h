// One sample's conformity with a limit on its own report: a line that closes the report's
// exact figures when the analyst has chosen a limit.
#pragma once

#include <span>

#include "core/Calculation.h"
#include "core/NumberText.h"
#include "results/SampleReport.h"
#include "site/Conformity.h"

namespace tubewise::site {

// The sample of a valid calculation judged against `limitPer100Ml` under `rule`, with the
// confidence limits of `options` (those the report prints); the line names the limit in its
// caption, and the verdict and the decision rule in its figure, green when the sample
// complies, red when it does not.
ReportLine SampleConformityLine(const Calculation& calc, const stats::StatisticsOptions& options,
                                double limitPer100Ml, DecisionRule rule,
                                const NumberLocale& locale);

// The same for a sample given as its dilutions (volumes in mL of the original sample), as a
// tray or plate test gives it.
ReportLine SampleConformityLine(std::span<const stats::Dilution> series,
                                const stats::StatisticsOptions& options, double limitPer100Ml,
                                DecisionRule rule, const NumberLocale& locale);

// Appends the line to the report's exact figures; a report without them is left as it is.
void AddSampleConformity(SampleReport& report, const ReportLine& line);

}  // namespace tubewise::site
