// The statistics of a site's samples and the rolling geometric mean.
#include "site/SiteStatistics.h"

#include <algorithm>
#include <cmath>

#include "site/SitePeriod.h"

namespace tubewise::site {

namespace {

bool Countable(double value) {
    return std::isfinite(value) && value > 0;
}

double GeometricMean(std::span<const double> values) {
    double sum = 0;
    for (double v : values) sum += std::log10(v);
    return std::pow(10.0, sum / static_cast<double>(values.size()));
}

}  // namespace

SiteStatistics ComputeSiteStatistics(std::span<const SiteSample> samples,
                                     const SiteOptions& options) {
    SiteStatistics r;
    r.limitPer100Ml = options.limitPer100Ml;
    std::vector<double> values;
    int notCountable = 0;
    for (const SiteSample& s : samples) {
        const double v = CountedValuePer100Ml(s, options.nonDetects);
        if (!Countable(v)) {
            ++notCountable;
            continue;
        }
        values.push_back(v);
        if (s.kind == SampleKind::AllNegative) ++r.nonDetects;
        if (s.kind == SampleKind::AllPositive) ++r.flagged;
    }
    r.count = static_cast<int>(values.size());

    if (r.nonDetects > 0)
        r.notes.push_back({options.nonDetects == NonDetectRule::AtHalfDetectionLimit
                               ? NoteKind::NonDetectsAtHalfDetectionLimit
                               : NoteKind::NonDetectsAtDetectionLimit,
                           r.nonDetects});
    if (r.flagged > 0) r.notes.push_back({NoteKind::AllPositiveAtHighestFinite, r.flagged});
    if (notCountable > 0) r.notes.push_back({NoteKind::NotCountable, notCountable});
    if (values.empty()) {
        r.notes.push_back({NoteKind::NoSamples, 0});
        return r;
    }

    const double n = static_cast<double>(values.size());
    double mean = 0;
    for (double v : values) mean += std::log10(v);
    mean /= n;
    r.log10Mean = mean;
    r.geometricMeanPer100Ml = std::pow(10.0, mean);
    if (values.size() >= 2) {
        double squares = 0;
        for (double v : values) squares += (std::log10(v) - mean) * (std::log10(v) - mean);
        const double sd = std::sqrt(squares / (n - 1));
        r.log10StandardDeviation = sd;
        r.percentile90Per100Ml = std::pow(10.0, mean + kPercentile90Factor * sd);
        r.percentile95Per100Ml = std::pow(10.0, mean + kPercentile95Factor * sd);
    } else {
        r.notes.push_back({NoteKind::PercentilesNeedTwoSamples, r.count});
    }

    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    r.medianPer100Ml =
        values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
    r.minimumPer100Ml = values.front();
    r.maximumPer100Ml = values.back();
    if (options.limitPer100Ml) {
        const double limit = *options.limitPer100Ml;
        r.aboveLimit = static_cast<int>(
            std::count_if(values.begin(), values.end(), [&](double v) { return v > limit; }));
    }
    return r;
}

std::vector<RollingPoint> RollingGeometricMean(std::span<const SiteSample> samples, int days,
                                               NonDetectRule nonDetects) {
    std::vector<RollingPoint> points;
    if (days < 1) return points;
    const std::vector<SiteSample> ordered = InTimeOrder(samples);
    std::vector<double> window;
    std::size_t begin = 0;  // first sample whose day may still lie in the window
    for (std::size_t i = 0; i < ordered.size(); ++i) {
        if (!Countable(CountedValuePer100Ml(ordered[i], nonDetects))) continue;
        const SampleDay first = DayOf(ordered[i].sampledAt) - std::chrono::days{days - 1};
        while (DayOf(ordered[begin].sampledAt) < first) ++begin;
        window.clear();
        for (std::size_t j = begin; j <= i; ++j) {
            const double v = CountedValuePer100Ml(ordered[j], nonDetects);
            if (Countable(v)) window.push_back(v);
        }
        points.push_back(
            {ordered[i].sampledAt, GeometricMean(window), static_cast<int>(window.size())});
    }
    return points;
}

}  // namespace tubewise::site
