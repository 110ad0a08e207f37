// A site's statistics over its samples, the periods that select them and the rolling geometric
// mean, against figures worked out by hand.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "site/SitePeriod.h"
#include "site/SiteStatistics.h"
#include "tests/site/SiteFixtures.h"

namespace tubewise::site {
namespace {

using testing::AllPositive;
using testing::Measured;
using testing::NonDetect;

bool HasNote(const std::vector<Note>& notes, NoteKind kind, int samples) {
    return std::find(notes.begin(), notes.end(), Note{kind, samples}) != notes.end();
}

TEST(SiteStatistics, WorkedExamples) {
    struct Row {
        const char* name;
        std::vector<double> values;
        double geometricMean, percentile90, percentile95, median, minimum, maximum;
    };
    const Row rows[] = {
        // log10: 1, 2, 3; mu = 2, s = 1. P90 = 10^(2 + 1.282) = 1914.26,
        // P95 = 10^(2 + 1.645) = 4415.70.
        {"decades", {1000, 10, 100}, 100, 1914.26, 4415.70, 100, 10, 1000},
        // log10 20 + k log10 2 for k = 0..3: mu = log10(20 * 2^1.5), GM = 56.5685;
        // s = log10 2 * sqrt(5/3) = 0.388628. P90 = 56.5685 * 10^(1.282 s) = 178.154,
        // P95 = 56.5685 * 10^(1.645 s) = 246.529; median (40 + 80) / 2.
        {"doublings", {160, 20, 80, 40}, 56.5685, 178.154, 246.529, 60, 20, 160},
        // No spread: every percentile is the value itself.
        {"equal", {33, 33, 33}, 33, 33, 33, 33, 33, 33},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        std::vector<SiteSample> samples;
        for (double v : row.values) samples.push_back(Measured(v));
        const SiteStatistics s = ComputeSiteStatistics(samples);
        EXPECT_EQ(s.count, static_cast<int>(row.values.size()));
        const auto near = [](const std::optional<double>& got, double want) {
            ASSERT_TRUE(got.has_value());
            EXPECT_NEAR(*got, want, want * 5e-6);  // six figures
        };
        near(s.geometricMeanPer100Ml, row.geometricMean);
        near(s.percentile90Per100Ml, row.percentile90);
        near(s.percentile95Per100Ml, row.percentile95);
        near(s.medianPer100Ml, row.median);
        near(s.minimumPer100Ml, row.minimum);
        near(s.maximumPer100Ml, row.maximum);
        EXPECT_TRUE(s.notes.empty());
    }
}

TEST(SiteStatistics, OneSampleHasNoSpreadAndNoPercentile) {
    const std::vector<SiteSample> one{Measured(250)};
    const SiteStatistics s = ComputeSiteStatistics(one);
    EXPECT_EQ(s.count, 1);
    EXPECT_DOUBLE_EQ(s.geometricMeanPer100Ml.value(), 250);
    EXPECT_DOUBLE_EQ(s.medianPer100Ml.value(), 250);
    EXPECT_FALSE(s.log10StandardDeviation);
    EXPECT_FALSE(s.percentile90Per100Ml);
    EXPECT_FALSE(s.percentile95Per100Ml);
    EXPECT_TRUE(HasNote(s.notes, NoteKind::PercentilesNeedTwoSamples, 1));
}

TEST(SiteStatistics, NoSampleGivesNoFigure) {
    const SiteStatistics s = ComputeSiteStatistics({}, {NonDetectRule::AtDetectionLimit, 100.0});
    EXPECT_EQ(s.count, 0);
    EXPECT_FALSE(s.geometricMeanPer100Ml);
    EXPECT_FALSE(s.medianPer100Ml);
    EXPECT_FALSE(s.aboveLimit);
    EXPECT_TRUE(HasNote(s.notes, NoteKind::NoSamples, 0));
}

TEST(SiteStatistics, NonDetectsCountAtTheirDetectionLimitOrHalfOfIt) {
    // Two non-detects with a detection limit of 2 beside 200 and 20000.
    const std::vector<SiteSample> samples{NonDetect(2), Measured(200), NonDetect(2),
                                          Measured(20000)};
    // At the limit: log10 values 0.30103 twice, 2.30103, 4.30103: GM = 2 * 10^(6/4) = 63.2456.
    const SiteStatistics atLimit = ComputeSiteStatistics(samples);
    EXPECT_NEAR(atLimit.geometricMeanPer100Ml.value(), 63.2456, 1e-4);
    EXPECT_DOUBLE_EQ(atLimit.minimumPer100Ml.value(), 2);
    EXPECT_DOUBLE_EQ(atLimit.medianPer100Ml.value(), 101);
    EXPECT_EQ(atLimit.nonDetects, 2);
    EXPECT_TRUE(HasNote(atLimit.notes, NoteKind::NonDetectsAtDetectionLimit, 2));
    EXPECT_FALSE(HasNote(atLimit.notes, NoteKind::NonDetectsAtHalfDetectionLimit, 2));

    // At half: 1, 1, 200, 20000: GM = (4e6)^(1/4) = 44.7214.
    const SiteStatistics atHalf =
        ComputeSiteStatistics(samples, {NonDetectRule::AtHalfDetectionLimit, std::nullopt});
    EXPECT_NEAR(atHalf.geometricMeanPer100Ml.value(), 44.7214, 1e-4);
    EXPECT_DOUBLE_EQ(atHalf.minimumPer100Ml.value(), 1);
    EXPECT_DOUBLE_EQ(atHalf.medianPer100Ml.value(), 100.5);
    EXPECT_TRUE(HasNote(atHalf.notes, NoteKind::NonDetectsAtHalfDetectionLimit, 2));
    EXPECT_FALSE(HasNote(atHalf.notes, NoteKind::NonDetectsAtDetectionLimit, 2));
}

TEST(SiteStatistics, EveryTubePositiveCountsAtItsHighestFiniteValueAndIsFlagged) {
    const std::vector<SiteSample> samples{Measured(16), AllPositive(1600)};
    const SiteStatistics s = ComputeSiteStatistics(samples);
    EXPECT_NEAR(s.geometricMeanPer100Ml.value(), 160, 1e-9);  // sqrt(16 * 1600)
    EXPECT_DOUBLE_EQ(s.maximumPer100Ml.value(), 1600);
    EXPECT_EQ(s.flagged, 1);
    EXPECT_TRUE(HasNote(s.notes, NoteKind::AllPositiveAtHighestFinite, 1));
}

TEST(SiteStatistics, CountAboveLimitIsStrict) {
    const std::vector<SiteSample> samples{Measured(99), Measured(100), Measured(101),
                                          Measured(500)};
    const SiteStatistics s =
        ComputeSiteStatistics(samples, {NonDetectRule::AtDetectionLimit, 100.0});
    EXPECT_EQ(s.aboveLimit, 2);
    EXPECT_FALSE(ComputeSiteStatistics(samples).aboveLimit);
}

TEST(SiteStatistics, SeriesWithoutDetectionLimitIsLeftOutAndNoted) {
    SiteSample oneTube = NonDetect(INFINITY);
    const std::vector<SiteSample> samples{Measured(10), oneTube};
    const SiteStatistics s = ComputeSiteStatistics(samples);
    EXPECT_EQ(s.count, 1);
    EXPECT_DOUBLE_EQ(s.geometricMeanPer100Ml.value(), 10);
    EXPECT_TRUE(HasNote(s.notes, NoteKind::NotCountable, 1));
}

// Records 1..6 taken at these times, given out of order.
std::vector<SiteSample> Calendar() {
    return {
        Measured(60, MakeSampleTime(2024, 3, 31, 23, 59), 6),
        Measured(10, MakeSampleTime(2024, 2, 29, 23, 59), 1),
        Measured(20, MakeSampleTime(2024, 3, 1, 0, 0), 2),
        Measured(40, MakeSampleTime(2024, 3, 15, 12, 0), 4),
        Measured(30, MakeSampleTime(2024, 3, 15, 12, 0), 3),
        Measured(50, MakeSampleTime(2024, 3, 16, 0, 0), 5),
    };
}

std::vector<std::int64_t> Records(const std::vector<SiteSample>& samples) {
    std::vector<std::int64_t> records;
    for (const SiteSample& s : samples) records.push_back(s.recordNumber);
    return records;
}

TEST(SelectPeriod, PicksTheSamplesOfThePeriodInTimeOrder) {
    using R = std::vector<std::int64_t>;
    const SampleDay feb29 = MakeSampleDay(2024, 2, 29);
    const SampleDay mar1 = MakeSampleDay(2024, 3, 1);
    const SampleDay mar15 = MakeSampleDay(2024, 3, 15);
    const SampleDay mar16 = MakeSampleDay(2024, 3, 16);
    const SampleDay mar31 = MakeSampleDay(2024, 3, 31);
    struct Row {
        const char* name;
        Period period;
        R records;
    };
    const Row rows[] = {
        {"everything", DateRange{}, {1, 2, 3, 4, 5, 6}},
        {"both ends included to the minute", DateRange{mar1, mar31}, {2, 3, 4, 5, 6}},
        {"one day", DateRange{mar15, mar15}, {3, 4}},
        {"open start", DateRange{std::nullopt, mar1}, {1, 2}},
        {"open end", DateRange{mar16, std::nullopt}, {5, 6}},
        {"first after last", DateRange{mar16, mar15}, {}},
        {"last two", LastSamples{2}, {5, 6}},
        {"last four: equal times by record number", LastSamples{4}, {3, 4, 5, 6}},
        {"more than there are", LastSamples{10}, {1, 2, 3, 4, 5, 6}},
        {"none", LastSamples{0}, {}},
        {"one day ending with the latest", RollingDays{1, std::nullopt}, {6}},
        {"30 days ending 31 March: 2 to 31 March", RollingDays{30, std::nullopt}, {3, 4, 5, 6}},
        {"31 days ending 31 March: all of March", RollingDays{31, std::nullopt}, {2, 3, 4, 5, 6}},
        {"two days ending 16 March", RollingDays{2, mar16}, {3, 4, 5}},
        {"one day ending 29 February", RollingDays{1, feb29}, {1}},
        {"no days", RollingDays{0, mar31}, {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(Records(SelectPeriod(Calendar(), row.period)), row.records);
    }
}

TEST(RollingGeometricMean, EachPointCoversTheDaysEndingOnItsSample) {
    const std::vector<SiteSample> samples{
        Measured(1000, MakeSampleTime(2024, 6, 10, 9, 0), 4),
        Measured(10, MakeSampleTime(2024, 6, 1, 9, 0), 1),
        Measured(1000, MakeSampleTime(2024, 6, 2, 9, 0), 2),
        NonDetect(2, MakeSampleTime(2024, 6, 5, 9, 0)),
    };
    struct Point {
        int day;
        double geometricMean;
        int samples;
    };
    // Three days ending 5 June are 3 to 5 June; five days ending 5 June are 1 to 5 June.
    const std::vector<Point> three{{1, 10, 1}, {2, 100, 2}, {5, 2, 1}, {10, 1000, 1}};
    const std::vector<Point> five{
        {1, 10, 1}, {2, 100, 2}, {5, std::cbrt(20000.0), 3}, {10, 1000, 1}};
    for (const auto& [days, want] : {std::pair{3, three}, std::pair{5, five}}) {
        SCOPED_TRACE(days);
        const std::vector<RollingPoint> got = RollingGeometricMean(samples, days);
        ASSERT_EQ(got.size(), want.size());
        for (std::size_t i = 0; i < got.size(); ++i) {
            EXPECT_EQ(DayOf(got[i].at), MakeSampleDay(2024, 6, want[i].day));
            EXPECT_NEAR(got[i].geometricMeanPer100Ml, want[i].geometricMean, 1e-9);
            EXPECT_EQ(got[i].samples, want[i].samples);
        }
    }
    EXPECT_TRUE(RollingGeometricMean(samples, 0).empty());
    // At half the detection limit the non-detect counts 1.
    EXPECT_NEAR(RollingGeometricMean(samples, 3, NonDetectRule::AtHalfDetectionLimit)[2]
                    .geometricMeanPer100Ml,
                1, 1e-12);
}

}  // namespace
}  // namespace tubewise::site
