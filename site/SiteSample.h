// One sample of a site as the site's statistics count it: when it was taken, which record it is,
// and its exact MLE with the figures that stand in for it where the tubes leave it at 0 or
// without bound.
#pragma once

#include <chrono>
#include <cstdint>
#include <span>
#include <string>

#include "core/stats/MpnStatistics.h"

namespace tubewise::site {

// The laboratory's clock time of sampling, to the minute, held without a time zone (the
// register stores what the analyst typed; days are that clock's calendar days).
using SampleTime = std::chrono::sys_time<std::chrono::minutes>;
using SampleDay = std::chrono::sys_days;

// 2024-05-01 08:30 as a SampleTime.
SampleTime MakeSampleTime(int year, unsigned month, unsigned day, int hour = 0, int minute = 0);
SampleDay MakeSampleDay(int year, unsigned month, unsigned day);
SampleDay DayOf(SampleTime time);

enum class SampleKind {
    Finite,       // some tubes positive, some negative
    AllNegative,  // every tube negative: the MLE is 0, a non-detect
    AllPositive,  // every tube positive: the MLE has no finite value
};

struct SiteSample {
    SampleTime sampledAt{};
    std::int64_t recordNumber = 0;
    std::string sampleId;
    SampleKind kind = SampleKind::Finite;
    double mlePer100Ml = 0;  // 0 for AllNegative, +infinity for AllPositive
    // The MPN of the same tubes with one positive tube in the smallest volume and every other
    // tube negative: the least density the series can tell from none.
    double detectionLimitPer100Ml = 0;
    // The MPN of the same tubes with one tube of the smallest volume negative and every other
    // tube positive: the most the series can measure.
    double highestFinitePer100Ml = 0;
    double ciLowPer100Ml = 0;
    double ciHighPer100Ml = 0;  // +infinity for an open upper side (AllPositive)
};

// A sample built from its series, or why its series cannot give one (the sample is then
// empty).
struct BuiltSample {
    stats::SeriesCheck check;
    SiteSample sample;
};

// Every caller builds samples here so that the register, the site window and the command line
// count a series alike. The confidence limits are those of `options`, as the statistics window
// gives them.
BuiltSample BuildSiteSample(SampleTime sampledAt, std::int64_t recordNumber, std::string sampleId,
                            std::span<const stats::Dilution> series,
                            const stats::StatisticsOptions& options = {});

// How a non-detect counts in the site's statistics.
enum class NonDetectRule {
    AtDetectionLimit,      // the default
    AtHalfDetectionLimit,  // the user's choice
};

// The value per 100 mL the sample counts at: its MLE; a non-detect's detection limit (or half
// of it); for every tube positive, its highest finite value (a lower bound of the density).
double CountedValuePer100Ml(const SiteSample& sample, NonDetectRule rule);

}  // namespace tubewise::site
