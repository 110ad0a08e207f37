// Samples with chosen figures, for the site's tests.
#pragma once

#include <cmath>
#include <limits>

#include "site/SiteSample.h"

namespace tubewise::site::testing {

inline SiteSample Measured(double per100Ml, SampleTime at = MakeSampleTime(2024, 1, 1),
                           std::int64_t record = 0) {
    SiteSample s;
    s.sampledAt = at;
    s.recordNumber = record;
    s.kind = SampleKind::Finite;
    s.mlePer100Ml = per100Ml;
    s.detectionLimitPer100Ml = 2;
    s.highestFinitePer100Ml = 1600;
    s.ciLowPer100Ml = per100Ml / 2;
    s.ciHighPer100Ml = per100Ml * 2;
    return s;
}

inline SiteSample NonDetect(double detectionLimit, SampleTime at = MakeSampleTime(2024, 1, 1)) {
    SiteSample s = Measured(0, at);
    s.kind = SampleKind::AllNegative;
    s.detectionLimitPer100Ml = detectionLimit;
    s.ciLowPer100Ml = 0;
    s.ciHighPer100Ml = detectionLimit * 3;
    return s;
}

inline SiteSample AllPositive(double highestFinite, SampleTime at = MakeSampleTime(2024, 1, 1)) {
    SiteSample s = Measured(0, at);
    s.kind = SampleKind::AllPositive;
    s.mlePer100Ml = std::numeric_limits<double>::infinity();
    s.highestFinitePer100Ml = highestFinite;
    s.ciLowPer100Ml = highestFinite / 2;
    s.ciHighPer100Ml = std::numeric_limits<double>::infinity();
    return s;
}

}  // namespace tubewise::site::testing
