// The site chart's description.
#include "site/SiteChart.h"

#include <algorithm>
#include <cmath>

#include "core/Texts.h"
#include "site/SitePeriod.h"

namespace tubewise::site {

SiteChartDescription DescribeSiteChart(std::span<const SiteSample> samples,
                                       const SiteChartOptions& options) {
    SiteChartDescription d;
    d.title = text::Tr(text::kSiteChartTitle, options.siteName);
    d.valueAxisTitle = text::Tr(text::kExactPer100Ml);
    d.timeAxisTitle = text::Tr(text::kDateCaption);
    d.measuredCaption = text::Tr(text::kSiteChartMeasured);
    d.nonDetectCaption = text::Tr(text::kSiteChartNonDetect);
    d.flaggedCaption = text::Tr(text::kSiteChartFlagged);
    d.limitCaption = text::Tr(text::kSiteChartLimit);
    d.rollingCaption = text::Tr(text::kSiteChartRolling, std::to_string(options.rollingDays));
    d.limitPer100Ml = options.limitPer100Ml;

    double low = INFINITY;
    double high = 0;
    const std::vector<SiteSample> ordered = InTimeOrder(samples);
    for (const SiteSample& s : ordered) {
        const double v = CountedValuePer100Ml(s, options.nonDetects);
        if (!std::isfinite(v) || v <= 0) continue;
        const SiteChartPoint point{s.sampledAt, v, s.recordNumber};
        (s.kind == SampleKind::AllNegative   ? d.nonDetects
         : s.kind == SampleKind::AllPositive ? d.flagged
                                             : d.measured)
            .push_back(point);
        if (high == 0) d.firstTime = s.sampledAt;  // the first point drawn
        d.lastTime = s.sampledAt;
        low = std::min(low, v);
        high = std::max(high, v);
    }
    if (options.limitPer100Ml && *options.limitPer100Ml > 0) {
        low = std::min(low, *options.limitPer100Ml);
        high = std::max(high, *options.limitPer100Ml);
    }
    if (high > 0) {
        d.axisLowPer100Ml = std::pow(10.0, std::floor(std::log10(low)));
        d.axisHighPer100Ml = std::pow(10.0, std::ceil(std::log10(high)));
        if (d.axisHighPer100Ml <= d.axisLowPer100Ml) d.axisHighPer100Ml = d.axisLowPer100Ml * 10;
    }
    // Markers at the ends would be cut in half by the plot's edge.
    const SampleTime::duration margin =
        std::max<SampleTime::duration>(std::chrono::days{1}, (d.lastTime - d.firstTime) / 30);
    d.firstTime -= margin;
    d.lastTime += margin;
    if (options.rollingDays >= 1)
        d.rolling = RollingGeometricMean(ordered, options.rollingDays, options.nonDetects);
    return d;
}

}  // namespace tubewise::site
