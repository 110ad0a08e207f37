// Building a site's sample from its dilution series.
#include "site/SiteSample.h"

#include <limits>
#include <utility>
#include <vector>

namespace tubewise::site {

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

// The dilution with the smallest volume among those that have tubes (the later one of equal
// volumes, which gives the same MLE).
stats::Dilution* SmallestVolume(std::vector<stats::Dilution>& series) {
    stats::Dilution* smallest = nullptr;
    for (stats::Dilution& d : series)
        if (d.tubes > 0 && (!smallest || d.volumeMl <= smallest->volumeMl)) smallest = &d;
    return smallest;
}

double MlePer100Ml(const std::vector<stats::Dilution>& series) {
    const stats::Mle mle = stats::ExactMle(series);
    return mle.kind == stats::MleKind::Infinite ? kInfinity : mle.perMl * 100;
}

}  // namespace

SampleDay MakeSampleDay(int year, unsigned month, unsigned day) {
    return SampleDay{std::chrono::year{year} / std::chrono::month{month} / std::chrono::day{day}};
}

SampleTime MakeSampleTime(int year, unsigned month, unsigned day, int hour, int minute) {
    return SampleTime{MakeSampleDay(year, month, day)} + std::chrono::hours{hour} +
           std::chrono::minutes{minute};
}

SampleDay DayOf(SampleTime time) {
    return std::chrono::floor<std::chrono::days>(time);
}

BuiltSample BuildSiteSample(SampleTime sampledAt, std::int64_t recordNumber, std::string sampleId,
                            std::span<const stats::Dilution> series,
                            const stats::StatisticsOptions& options) {
    BuiltSample built;
    const stats::MpnStatistics s = stats::ComputeStatistics(series, options);
    built.check = s.check;
    if (s.check.fault != stats::SeriesFault::None) return built;

    SiteSample& sample = built.sample;
    sample.sampledAt = sampledAt;
    sample.recordNumber = recordNumber;
    sample.sampleId = std::move(sampleId);
    switch (s.mle.kind) {
        case stats::MleKind::Zero:
            sample.kind = SampleKind::AllNegative;
            sample.mlePer100Ml = 0;
            break;
        case stats::MleKind::Finite:
            sample.kind = SampleKind::Finite;
            sample.mlePer100Ml = s.mle.perMl * 100;
            break;
        case stats::MleKind::Infinite:
            sample.kind = SampleKind::AllPositive;
            sample.mlePer100Ml = kInfinity;
            break;
    }
    sample.ciLowPer100Ml = s.limits.lowPerMl * 100;
    sample.ciHighPer100Ml = s.limits.highPerMl * 100;

    // A series of one tube has no pattern between none and all: its detection limit is then
    // without bound and its highest finite value 0.
    std::vector<stats::Dilution> design(series.begin(), series.end());
    for (stats::Dilution& d : design) d.positives = 0;
    ++SmallestVolume(design)->positives;
    sample.detectionLimitPer100Ml = MlePer100Ml(design);

    for (stats::Dilution& d : design) d.positives = d.tubes;
    --SmallestVolume(design)->positives;
    sample.highestFinitePer100Ml = MlePer100Ml(design);
    return built;
}

double CountedValuePer100Ml(const SiteSample& sample, NonDetectRule rule) {
    switch (sample.kind) {
        case SampleKind::AllNegative:
            return rule == NonDetectRule::AtHalfDetectionLimit ? sample.detectionLimitPer100Ml / 2
                                                               : sample.detectionLimitPer100Ml;
        case SampleKind::AllPositive:
            return sample.highestFinitePer100Ml;
        case SampleKind::Finite:
            break;
    }
    return sample.mlePer100Ml;
}

}  // namespace tubewise::site
