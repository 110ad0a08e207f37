// A site's samples over time as a chart, described as plain data: points per 100 mL on a log
// axis (non-detects and samples with every tube positive marked apart), the limit as a line
// and the rolling geometric mean as a line. The site window and the site report draw it.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/Colour.h"
#include "site/SiteStatistics.h"

namespace tubewise::site {

struct SiteChartPoint {
    SampleTime at{};
    double per100Ml = 0;  // the value the sample counts at
    std::int64_t recordNumber = 0;
};

struct SiteChartOptions {
    std::string siteName;
    NonDetectRule nonDetects = NonDetectRule::AtDetectionLimit;
    std::optional<double> limitPer100Ml;
    int rollingDays = 30;  // below 1: no rolling line
};

struct SiteChartDescription {
    std::string title;
    std::string valueAxisTitle;
    std::string timeAxisTitle;
    // Captions of the legend, in the run's language.
    std::string measuredCaption;
    std::string nonDetectCaption;
    std::string flaggedCaption;
    std::string limitCaption;
    std::string rollingCaption;
    std::vector<SiteChartPoint> measured;    // some tubes positive, some negative
    std::vector<SiteChartPoint> nonDetects;  // every tube negative, at the chosen figure
    std::vector<SiteChartPoint> flagged;     // every tube positive, at the highest finite value
    std::optional<double> limitPer100Ml;
    std::vector<RollingPoint> rolling;
    // The value axis runs over whole decades that hold every point and the limit; the time
    // axis from the first sample to the last with a margin either side of a thirtieth of that
    // span, at least a day.
    double axisLowPer100Ml = 1;
    double axisHighPer100Ml = 10;
    SampleTime firstTime{};
    SampleTime lastTime{};
    Colour measuredColour{0, 0, 192};
    Colour nonDetectColour{0, 128, 0};
    Colour flaggedColour{192, 0, 0};
    Colour limitColour{255, 128, 0};
    Colour rollingColour{96, 0, 160};
};

// Samples whose series gives no countable value (no detection limit) are left out.
SiteChartDescription DescribeSiteChart(std::span<const SiteSample> samples,
                                       const SiteChartOptions& options);

}  // namespace tubewise::site
