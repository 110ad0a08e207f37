// The site's figures, verdicts and notes as one-line texts in the run's language, for the site
// window and the site report alike.
#pragma once

#include <string>
#include <vector>

#include "core/NumberText.h"
#include "site/Conformity.h"
#include "site/SiteStatistics.h"

namespace tubewise::site {

std::string StatisticName(LimitStatistic statistic);
std::string VerdictText(Verdict verdict);
std::string RuleText(DecisionRule rule);
std::string NoteText(const Note& note);

// A figure per 100 mL to four significant figures (as the statistics window gives an MPN);
// the undefined mark when empty, the open mark when infinite.
std::string FigureText(const std::optional<double>& per100Ml, const NumberLocale& locale);

// Count, geometric mean, 90th and 95th percentiles, median, minimum, maximum, then the limit
// and the count above it when a limit was given, then the notes.
std::vector<std::string> StatisticsLines(const SiteStatistics& statistics,
                                         const NumberLocale& locale);

// The statistic, the limit, the verdict, its decision rule, the estimate and (guarded) the
// limits it compared, then the notes.
std::vector<std::string> ConformityLines(const Conformity& conformity, const NumberLocale& locale);

}  // namespace tubewise::site
