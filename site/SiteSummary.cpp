// A site's summary over a period: the period's samples, their statistics and the verdict.
#include "site/SiteSummary.h"

#include <algorithm>

namespace tubewise::site {

SiteSummary SummariseSite(std::span<const SiteSample> samples, const SiteSummaryOptions& options) {
    SiteSummary r;
    r.samples = SelectPeriod(samples, options.period);
    r.statistics = ComputeSiteStatistics(r.samples, {options.nonDetects, options.limitPer100Ml});
    if (!options.limitPer100Ml) return r;
    const double limit = *options.limitPer100Ml;
    // The count above the limit answers "which samples exceeded it", a question of each
    // sample's own estimate, not of the figure a non-detect stands in for.
    r.statistics.aboveLimit =
        static_cast<int>(std::count_if(r.samples.begin(), r.samples.end(),
                                       [&](const SiteSample& s) { return s.mlePer100Ml > limit; }));
    LimitProfile profile;
    profile.statistic = options.statistic;
    profile.valuePer100Ml = limit;
    profile.period = DateRange{};  // the samples are those of the period already
    JudgeOptions judge;
    judge.rule = options.rule;
    judge.nonDetects = options.nonDetects;
    r.conformity = JudgeSite(r.samples, profile, judge);
    return r;
}

}  // namespace tubewise::site
