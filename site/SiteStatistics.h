// A site's statistics over the samples of a period: count, geometric mean, log-normal
// percentiles, median, extremes and the count above a limit, with notes that say how
// non-detects and samples with every tube positive were counted.
#pragma once

#include <optional>
#include <span>
#include <vector>

#include "site/SiteSample.h"

namespace tubewise::site {

// The factors of the log-normal percentiles 10^(mu + z sigma): the one-sided normal quantiles
// of 0.90 and 0.95 to three decimals, as they are usually printed.
inline constexpr double kPercentile90Factor = 1.282;
inline constexpr double kPercentile95Factor = 1.645;

// Something a figure depends on that the reader must be told, with the samples it concerns.
enum class NoteKind {
    NonDetectsAtDetectionLimit,      // samples: those with every tube negative
    NonDetectsAtHalfDetectionLimit,  // samples: those with every tube negative
    AllPositiveAtHighestFinite,      // samples: those flagged; their true values are higher
    NotCountable,                    // samples left out: a one-tube series, no detection limit
    PercentilesNeedTwoSamples,       // fewer than two samples: no spread, no percentile
    NoSamples,                       // the period holds no sample
    EstimateIsLowerBound,            // flagged samples keep the estimate from showing compliance
    TooFewForConfidenceLimits,       // the statistic's confidence limits cannot be derived
    MeanLimitsFromStudentT,          // the geometric mean's limits: t interval of the log10 mean
    PercentileLimitsFromTolerance,   // a percentile's limits: normal tolerance factors
    EachSampleOwnLimits,             // single-sample limit: each sample by its own limits
};

struct Note {
    NoteKind kind;
    int samples = 0;  // how many samples it concerns, where it concerns some
    bool operator==(const Note&) const = default;
};

struct SiteOptions {
    NonDetectRule nonDetects = NonDetectRule::AtDetectionLimit;
    std::optional<double> limitPer100Ml;  // for the count above it
};

// Figures per 100 mL. Every figure is empty when no sample counts; the percentiles and the
// standard deviation are empty for a single sample (a note says so).
struct SiteStatistics {
    int count = 0;       // samples counted
    int nonDetects = 0;  // of which every tube negative
    int flagged = 0;     // of which every tube positive
    std::optional<double> log10Mean;
    std::optional<double> log10StandardDeviation;  // sample standard deviation (n - 1)
    std::optional<double> geometricMeanPer100Ml;
    std::optional<double> percentile90Per100Ml;
    std::optional<double> percentile95Per100Ml;
    std::optional<double> medianPer100Ml;  // the mean of the two middle values for an even count
    std::optional<double> minimumPer100Ml;
    std::optional<double> maximumPer100Ml;
    std::optional<double> limitPer100Ml;
    std::optional<int> aboveLimit;  // counted values strictly above the limit
    std::vector<Note> notes;
};

SiteStatistics ComputeSiteStatistics(std::span<const SiteSample> samples,
                                     const SiteOptions& options = {});

// One point of the rolling geometric mean: at a sample's time, over the samples taken in the
// `days` calendar days ending that day, up to that time.
struct RollingPoint {
    SampleTime at{};
    double geometricMeanPer100Ml = 0;
    int samples = 0;
};

// One point per countable sample, in time order; empty for days below 1.
std::vector<RollingPoint> RollingGeometricMean(std::span<const SiteSample> samples, int days,
                                               NonDetectRule nonDetects = {});

}  // namespace tubewise::site
