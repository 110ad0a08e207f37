// Building a site's sample from its series, and the value each kind of sample counts at.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "site/SiteSample.h"

namespace tubewise::site {
namespace {

using stats::Dilution;

// 10, 1 and 0.1 mL, five tubes each, with the given positives.
std::vector<Dilution> FiveTube(int a, int b, int c) {
    return {{10, 5, a}, {1, 5, b}, {0.1, 5, c}};
}

TEST(BuildSiteSample, KeepsWhenAndWhichSample) {
    const SampleTime at = MakeSampleTime(2024, 5, 1, 8, 30);
    const BuiltSample built = BuildSiteSample(at, 42, "Well 7", FiveTube(5, 3, 0));
    ASSERT_EQ(built.check.fault, stats::SeriesFault::None);
    EXPECT_EQ(built.sample.sampledAt, at);
    EXPECT_EQ(built.sample.recordNumber, 42);
    EXPECT_EQ(built.sample.sampleId, "Well 7");
    EXPECT_EQ(DayOf(at), MakeSampleDay(2024, 5, 1));
}

TEST(BuildSiteSample, FiguresOfEachKind) {
    // One positive tube in 0.1 mL beside 55.4 mL of negative sample: the score equation
    // 0.1 / (exp(0.1 l) - 1) = 55.4 gives l = ln(1 + 0.1 / 55.4) / 0.1 per mL (1.8 per 100 mL
    // in the published five-tube tables).
    const double detection = 100 * std::log(1 + 0.1 / 55.4) / 0.1;
    // 5-5-4: 1609 per 100 mL, the figure printed as "> 1600" for 5-5-5.
    const double highest = 1609;
    struct Row {
        const char* name;
        std::vector<Dilution> series;
        SampleKind kind;
        double mle;
    };
    const Row rows[] = {
        {"5-3-0 measured", FiveTube(5, 3, 0), SampleKind::Finite, 79.0},
        {"0-0-0 every tube negative", FiveTube(0, 0, 0), SampleKind::AllNegative, 0},
        {"5-5-5 every tube positive", FiveTube(5, 5, 5), SampleKind::AllPositive, INFINITY},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const BuiltSample built = BuildSiteSample({}, 1, "", row.series);
        ASSERT_EQ(built.check.fault, stats::SeriesFault::None);
        const SiteSample& s = built.sample;
        EXPECT_EQ(s.kind, row.kind);
        if (std::isinf(row.mle))
            EXPECT_TRUE(std::isinf(s.mlePer100Ml));
        else
            EXPECT_NEAR(s.mlePer100Ml, row.mle, 0.5);
        // The design's figures do not depend on which tubes turned positive.
        EXPECT_NEAR(s.detectionLimitPer100Ml, detection, 1e-9);
        EXPECT_NEAR(s.highestFinitePer100Ml, highest, 0.5);
        EXPECT_LE(s.ciLowPer100Ml, s.mlePer100Ml);
        EXPECT_GE(s.ciHighPer100Ml, s.mlePer100Ml);
    }
}

TEST(BuildSiteSample, OpenUpperLimitOnlyWhereEveryTubeIsPositive) {
    EXPECT_TRUE(std::isinf(BuildSiteSample({}, 1, "", FiveTube(5, 5, 5)).sample.ciHighPer100Ml));
    EXPECT_TRUE(std::isfinite(BuildSiteSample({}, 1, "", FiveTube(5, 5, 4)).sample.ciHighPer100Ml));
    EXPECT_EQ(BuildSiteSample({}, 1, "", FiveTube(0, 0, 0)).sample.ciLowPer100Ml, 0);
}

TEST(BuildSiteSample, DetectionLimitUsesTheSmallestVolumeWhereverItStands) {
    // The same design listed smallest first gives the same figures.
    const std::vector<Dilution> reversed{{0.1, 5, 0}, {1, 5, 0}, {10, 5, 0}};
    const SiteSample a = BuildSiteSample({}, 1, "", reversed).sample;
    const SiteSample b = BuildSiteSample({}, 1, "", FiveTube(0, 0, 0)).sample;
    EXPECT_DOUBLE_EQ(a.detectionLimitPer100Ml, b.detectionLimitPer100Ml);
    EXPECT_DOUBLE_EQ(a.highestFinitePer100Ml, b.highestFinitePer100Ml);
}

TEST(BuildSiteSample, RefusedSeriesGivesItsFault) {
    const std::vector<Dilution> negativeCount{{10, 5, -1}};
    const BuiltSample built = BuildSiteSample({}, 1, "x", negativeCount);
    EXPECT_EQ(built.check.fault, stats::SeriesFault::NegativeCount);
    EXPECT_EQ(built.check.dilution, 1);
    EXPECT_TRUE(built.sample.sampleId.empty());
}

TEST(CountedValue, EachKindCountsAtItsOwnFigure) {
    SiteSample s;
    s.mlePer100Ml = 79;
    s.detectionLimitPer100Ml = 1.8;
    s.highestFinitePer100Ml = 1609;
    s.kind = SampleKind::Finite;
    EXPECT_EQ(CountedValuePer100Ml(s, NonDetectRule::AtHalfDetectionLimit), 79);
    s.kind = SampleKind::AllNegative;
    s.mlePer100Ml = 0;
    EXPECT_EQ(CountedValuePer100Ml(s, NonDetectRule::AtDetectionLimit), 1.8);
    EXPECT_EQ(CountedValuePer100Ml(s, NonDetectRule::AtHalfDetectionLimit), 0.9);
    s.kind = SampleKind::AllPositive;
    s.mlePer100Ml = INFINITY;
    EXPECT_EQ(CountedValuePer100Ml(s, NonDetectRule::AtHalfDetectionLimit), 1609);
}

}  // namespace
}  // namespace tubewise::site
