// A site's figures over a period with its conformity to a limit: what the command line, the
// site window and the site report show alike.
#pragma once

#include <optional>
#include <span>
#include <vector>

#include "site/Conformity.h"
#include "site/SitePeriod.h"
#include "site/SiteStatistics.h"

namespace tubewise::site {

struct SiteSummaryOptions {
    Period period = DateRange{};
    NonDetectRule nonDetects = NonDetectRule::AtDetectionLimit;
    std::optional<double> limitPer100Ml;                      // finite and above 0
    LimitStatistic statistic = LimitStatistic::SingleSample;  // the statistic held to the limit
    DecisionRule rule = DecisionRule::SimpleAcceptance;
};

struct SiteSummary {
    std::vector<SiteSample> samples;  // those of the period, in time order
    // The period's figures. With a limit, `aboveLimit` counts the samples whose exact MLE is
    // above it (every tube positive counts as above; a non-detect never does), whatever figure
    // the non-detects are counted at.
    SiteStatistics statistics;
    std::optional<Conformity> conformity;  // with a limit only
};

SiteSummary SummariseSite(std::span<const SiteSample> samples, const SiteSummaryOptions& options);

}  // namespace tubewise::site
