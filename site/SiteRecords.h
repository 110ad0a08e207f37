// A site's samples as the register holds them: the latest version of each of the site's
// records, dated by its sampling time and counted at its exact MLE, and the site's figures over
// a period with the conformity to a limit, for the command line, the site window and the site
// report alike.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "register/Record.h"
#include "site/Conformity.h"
#include "site/SitePeriod.h"
#include "site/SiteStatistics.h"

namespace tubewise::site {

struct SiteRecords {
    std::vector<SiteSample> samples;  // in the order of the versions given
    // Records of the site left out: without a sampling time (they cannot be placed in a
    // period), and those whose inputs give no sample (a tray, a series the model refuses).
    int notDated = 0;
    int notComputable = 0;
};

// The sample of one record version, counted with the version's own confidence method and
// level; nullopt when its inputs give none.
std::optional<SiteSample> SampleOfRecord(const reg::RecordVersion& version);

// The versions whose site is exactly `site`, as samples (the caller passes the latest
// versions: a corrected record counts once, as corrected).
SiteRecords SiteSamplesOf(std::span<const reg::RecordVersion> versions, std::string_view site);

// The distinct sites of the versions, sorted; records without a site are left out.
std::vector<std::string> SitesOf(std::span<const reg::RecordVersion> versions);

struct SiteSummaryOptions {
    Period period = DateRange{};
    NonDetectRule nonDetects = NonDetectRule::AtDetectionLimit;
    std::optional<double> limitPer100Ml;  // finite and above 0
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
