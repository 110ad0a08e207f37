// Verdicts against a limit under both decision rules, at the boundary and for site statistics.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "site/Conformity.h"
#include "tests/site/SiteFixtures.h"

namespace tubewise::site {
namespace {

using testing::AllPositive;
using testing::Measured;
using testing::NonDetect;

bool HasNote(const Conformity& c, NoteKind kind) {
    return std::any_of(c.notes.begin(), c.notes.end(),
                       [&](const Note& n) { return n.kind == kind; });
}

constexpr Verdict kYes = Verdict::Complies;
constexpr Verdict kNo = Verdict::DoesNotComply;
constexpr Verdict kOpen = Verdict::Inconclusive;

TEST(JudgeSample, BothRulesAtTheBoundary) {
    // Estimate 100 per 100 mL, confidence limits 50 and 200.
    const SiteSample sample = Measured(100);
    struct Row {
        const char* name;
        DecisionRule rule;
        double limit;
        Verdict verdict;
    };
    const Row rows[] = {
        {"simple: estimate equal to the limit", DecisionRule::SimpleAcceptance, 100, kYes},
        {"simple: estimate just above", DecisionRule::SimpleAcceptance, 99.99, kNo},
        {"simple: estimate just below", DecisionRule::SimpleAcceptance, 100.01, kYes},
        {"guarded: upper limit equal", DecisionRule::Guarded, 200, kOpen},
        {"guarded: upper limit just below", DecisionRule::Guarded, 200.01, kYes},
        {"guarded: upper limit just above", DecisionRule::Guarded, 199.99, kOpen},
        {"guarded: estimate equal, inside the limits", DecisionRule::Guarded, 100, kOpen},
        {"guarded: lower limit equal", DecisionRule::Guarded, 50, kOpen},
        {"guarded: lower limit just above", DecisionRule::Guarded, 49.99, kNo},
        {"guarded: lower limit just below", DecisionRule::Guarded, 50.01, kOpen},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const Conformity c = JudgeSample(sample, row.limit, {row.rule});
        EXPECT_EQ(c.verdict, row.verdict);
        EXPECT_EQ(c.rule, row.rule);
        EXPECT_EQ(c.estimatePer100Ml, 100);
        EXPECT_EQ(c.lowPer100Ml, 50);
        EXPECT_EQ(c.highPer100Ml, 200);
    }
}

TEST(JudgeSample, EveryTubePositiveNeverComplies) {
    // Highest finite value 1600, lower confidence limit 800, no upper limit.
    const SiteSample sample = AllPositive(1600);
    struct Row {
        DecisionRule rule;
        double limit;
        Verdict verdict;
    };
    const Row rows[] = {
        {DecisionRule::SimpleAcceptance, 1000, kNo}, {DecisionRule::SimpleAcceptance, 2000, kOpen},
        {DecisionRule::Guarded, 700, kNo},           {DecisionRule::Guarded, 1000, kOpen},
        {DecisionRule::Guarded, 1e9, kOpen},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.limit);
        const Conformity c = JudgeSample(sample, row.limit, {row.rule});
        EXPECT_EQ(c.verdict, row.verdict);
        EXPECT_TRUE(HasNote(c, NoteKind::AllPositiveAtHighestFinite));
    }
    EXPECT_TRUE(HasNote(JudgeSample(sample, 2000, {}), NoteKind::EstimateIsLowerBound));
}

TEST(JudgeSample, NonDetectCountsByTheUsersChoice) {
    // Detection limit 2: at the limit it exceeds 1.5, at half of it (1) it does not.
    const SiteSample sample = NonDetect(2);
    const Conformity atLimit = JudgeSample(sample, 1.5, {});
    EXPECT_EQ(atLimit.verdict, kNo);
    EXPECT_TRUE(HasNote(atLimit, NoteKind::NonDetectsAtDetectionLimit));
    const Conformity atHalf = JudgeSample(
        sample, 1.5, {DecisionRule::SimpleAcceptance, NonDetectRule::AtHalfDetectionLimit});
    EXPECT_EQ(atHalf.verdict, kYes);
    EXPECT_TRUE(HasNote(atHalf, NoteKind::NonDetectsAtHalfDetectionLimit));
}

TEST(JudgeSample, SeriesWithoutDetectionLimitGetsNoVerdict) {
    for (DecisionRule rule : {DecisionRule::SimpleAcceptance, DecisionRule::Guarded}) {
        const Conformity c = JudgeSample(NonDetect(INFINITY), 100, {rule});
        EXPECT_EQ(c.verdict, kOpen);
        EXPECT_FALSE(c.estimatePer100Ml);
        EXPECT_TRUE(HasNote(c, NoteKind::NotCountable));
    }
}

LimitProfile Profile(LimitStatistic statistic, double value) {
    return {"test", statistic, value, DateRange{}};
}

TEST(JudgeSite, GeometricMeanUnderBothRules) {
    // log10 values 1, 2, 3: GM 100, s = 1; t(0.975, 2) = 4.302653 (published table), so the
    // limits are 10^(2 -+ 4.302653 / sqrt 3) = 0.327991 and 30488.6.
    const std::vector<SiteSample> samples{Measured(10), Measured(100), Measured(1000)};
    const Conformity guarded =
        JudgeSite(samples, Profile(LimitStatistic::GeometricMean, 100), {DecisionRule::Guarded});
    ASSERT_TRUE(guarded.lowPer100Ml && guarded.highPer100Ml);
    EXPECT_NEAR(*guarded.lowPer100Ml, 0.327991, 1e-5);
    EXPECT_NEAR(*guarded.highPer100Ml, 30488.6, 0.1);
    EXPECT_EQ(guarded.verdict, kOpen);
    EXPECT_TRUE(HasNote(guarded, NoteKind::MeanLimitsFromStudentT));
    EXPECT_EQ(
        JudgeSite(samples, Profile(LimitStatistic::GeometricMean, 30489), {DecisionRule::Guarded})
            .verdict,
        kYes);
    EXPECT_EQ(
        JudgeSite(samples, Profile(LimitStatistic::GeometricMean, 0.3279), {DecisionRule::Guarded})
            .verdict,
        kNo);

    struct Row {
        double limit;
        Verdict verdict;
    };
    for (const Row& row : {Row{100, kYes}, Row{99.999, kNo}, Row{100.001, kYes}}) {
        SCOPED_TRACE(row.limit);
        const Conformity simple =
            JudgeSite(samples, Profile(LimitStatistic::GeometricMean, row.limit), {});
        EXPECT_EQ(simple.verdict, row.verdict);
        EXPECT_NEAR(simple.estimatePer100Ml.value(), 100, 1e-9);
        EXPECT_FALSE(simple.highPer100Ml);
    }
}

TEST(JudgeSite, GeometricMeanLimitsFollowStudentsT) {
    // Eleven samples, log10 values 1.5 and 2.5 alternating with one 2: mu = 2,
    // s = sqrt(10 * 0.25 / 10) = 0.5; t(0.975, 10) = 2.228139, half-width 0.335895.
    std::vector<SiteSample> samples{Measured(100)};
    for (int i = 0; i < 5; ++i) {
        samples.push_back(Measured(std::pow(10, 1.5)));
        samples.push_back(Measured(std::pow(10, 2.5)));
    }
    const Conformity c =
        JudgeSite(samples, Profile(LimitStatistic::GeometricMean, 1), {DecisionRule::Guarded});
    EXPECT_NEAR(std::log10(c.highPer100Ml.value()), 2 + 0.335895, 1e-5);
    EXPECT_NEAR(std::log10(c.lowPer100Ml.value()), 2 - 0.335895, 1e-5);
    // At 90 % each side is one-sided 95 %: t(0.95, 10) = 1.812461.
    const Conformity at90 =
        JudgeSite(samples, Profile(LimitStatistic::GeometricMean, 1),
                  {DecisionRule::Guarded, NonDetectRule::AtDetectionLimit, 0.90});
    EXPECT_NEAR(std::log10(at90.highPer100Ml.value()), 2 + 1.812461 * 0.5 / std::sqrt(11.0), 1e-5);
}

TEST(JudgeSite, PercentileLimitsAreNearThePublishedToleranceFactor) {
    // Ten samples, log10 values 1.5 and 2.5: mu = 2, s = sqrt(10 * 0.25 / 9). The exact
    // one-sided factor for the 90th percentile at 95 % confidence and ten samples is 2.355
    // (published tolerance-factor tables); the approximation comes within 2 %.
    std::vector<SiteSample> samples;
    for (int i = 0; i < 5; ++i) {
        samples.push_back(Measured(std::pow(10, 1.5)));
        samples.push_back(Measured(std::pow(10, 2.5)));
    }
    const double s = std::sqrt(10 * 0.25 / 9);
    const Conformity c = JudgeSite(samples, Profile(LimitStatistic::Percentile90, 400),
                                   {DecisionRule::Guarded, NonDetectRule::AtDetectionLimit, 0.90});
    const double k = (std::log10(c.highPer100Ml.value()) - 2) / s;
    EXPECT_NEAR(k, 2.355, 2.355 * 0.02);
    EXPECT_NEAR(c.estimatePer100Ml.value(), std::pow(10, 2 + 1.282 * s), 1e-9);
    EXPECT_LT(c.lowPer100Ml.value(), c.estimatePer100Ml.value());
    EXPECT_TRUE(HasNote(c, NoteKind::PercentileLimitsFromTolerance));
    // The estimate (474) is above 400, but the interval (about 233 to 1670) holds the limit.
    EXPECT_EQ(c.verdict, kOpen);
    EXPECT_EQ(JudgeSite(samples, Profile(LimitStatistic::Percentile90, 400), {}).verdict, kNo);
    EXPECT_EQ(JudgeSite(samples, Profile(LimitStatistic::Percentile90, 480), {}).verdict, kYes);
}

TEST(JudgeSite, TooFewSamplesNeverGiveAVerdictThatNeedsTheirSpread) {
    const std::vector<SiteSample> one{Measured(10)};
    for (LimitStatistic statistic : {LimitStatistic::Percentile90, LimitStatistic::Percentile95}) {
        const Conformity c = JudgeSite(one, Profile(statistic, 1000), {});
        EXPECT_EQ(c.verdict, kOpen);
        EXPECT_FALSE(c.estimatePer100Ml);
        EXPECT_TRUE(HasNote(c, NoteKind::PercentilesNeedTwoSamples));
    }
    const Conformity mean =
        JudgeSite(one, Profile(LimitStatistic::GeometricMean, 1000), {DecisionRule::Guarded});
    EXPECT_EQ(mean.verdict, kOpen);
    EXPECT_TRUE(HasNote(mean, NoteKind::TooFewForConfidenceLimits));
    // Two samples at 95 %: the tolerance approximation has no root.
    const std::vector<SiteSample> two{Measured(10), Measured(20)};
    const Conformity p95 =
        JudgeSite(two, Profile(LimitStatistic::Percentile95, 1e6), {DecisionRule::Guarded});
    EXPECT_EQ(p95.verdict, kOpen);
    EXPECT_TRUE(HasNote(p95, NoteKind::TooFewForConfidenceLimits));

    // Limits at a level of 100 % would be the whole axis.
    const std::vector<SiteSample> three{Measured(10), Measured(20), Measured(40)};
    const Conformity certain = JudgeSite(three, Profile(LimitStatistic::GeometricMean, 1e9),
                                         {DecisionRule::Guarded, {}, 1.0});
    EXPECT_EQ(certain.verdict, kOpen);
    EXPECT_FALSE(certain.highPer100Ml);

    const Conformity none = JudgeSite({}, Profile(LimitStatistic::SingleSample, 10), {});
    EXPECT_EQ(none.verdict, kOpen);
    EXPECT_TRUE(HasNote(none, NoteKind::NoSamples));
}

TEST(JudgeSite, FlaggedSamplesKeepAStatisticFromComplying) {
    const std::vector<SiteSample> samples{Measured(10), AllPositive(20)};
    const Conformity c = JudgeSite(samples, Profile(LimitStatistic::GeometricMean, 1000), {});
    EXPECT_EQ(c.verdict, kOpen);
    EXPECT_TRUE(HasNote(c, NoteKind::EstimateIsLowerBound));
    EXPECT_TRUE(HasNote(c, NoteKind::AllPositiveAtHighestFinite));
    EXPECT_EQ(JudgeSite(samples, Profile(LimitStatistic::GeometricMean, 10), {}).verdict, kNo);
}

TEST(JudgeSite, SingleSampleLimitHoldsEverySampleOfThePeriod) {
    // Each sample's limits are half and twice its value.
    struct Row {
        const char* name;
        std::vector<double> values;
        DecisionRule rule;
        Verdict verdict;
    };
    const Row rows[] = {
        {"all at or below", {10, 100, 50}, DecisionRule::SimpleAcceptance, kYes},
        {"one above", {10, 101, 50}, DecisionRule::SimpleAcceptance, kNo},
        {"guarded: every upper limit below", {10, 49, 20}, DecisionRule::Guarded, kYes},
        {"guarded: one interval holds the limit", {10, 60, 20}, DecisionRule::Guarded, kOpen},
        {"guarded: one lower limit above", {10, 60, 201}, DecisionRule::Guarded, kNo},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        std::vector<SiteSample> samples;
        for (double v : row.values) samples.push_back(Measured(v));
        const Conformity c =
            JudgeSite(samples, Profile(LimitStatistic::SingleSample, 100), {row.rule});
        EXPECT_EQ(c.verdict, row.verdict);
        EXPECT_EQ(c.samples, 3);
        EXPECT_EQ(c.estimatePer100Ml, *std::max_element(row.values.begin(), row.values.end()));
        EXPECT_EQ(HasNote(c, NoteKind::EachSampleOwnLimits), row.rule == DecisionRule::Guarded);
    }
}

TEST(JudgeSite, OnlyTheProfilesPeriodCounts) {
    const std::vector<SiteSample> samples{
        Measured(5000, MakeSampleTime(2024, 1, 1), 1),
        Measured(10, MakeSampleTime(2024, 2, 1), 2),
        Measured(20, MakeSampleTime(2024, 2, 2), 3),
    };
    LimitProfile profile = Profile(LimitStatistic::SingleSample, 100);
    profile.period = LastSamples{2};
    EXPECT_EQ(JudgeSite(samples, profile, {}).verdict, kYes);
    profile.period = RollingDays{31, std::nullopt};  // 3 January to 2 February
    EXPECT_EQ(JudgeSite(samples, profile, {}).verdict, kYes);
    profile.period = RollingDays{33, std::nullopt};
    EXPECT_EQ(JudgeSite(samples, profile, {}).verdict, kNo);
}

}  // namespace
}  // namespace tubewise::site
