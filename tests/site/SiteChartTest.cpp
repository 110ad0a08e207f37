// The site chart as data: which points go where, the axes' extent and the lines.
#include <gtest/gtest.h>

#include <vector>

#include "site/SiteChart.h"
#include "tests/site/SiteFixtures.h"

namespace tubewise::site {
namespace {

using testing::AllPositive;
using testing::Measured;
using testing::NonDetect;

TEST(SiteChart, SamplesAreMarkedByKindAtTheValueTheyCountAt) {
    const std::vector<SiteSample> samples{
        Measured(35, MakeSampleTime(2024, 3, 2), 2),
        NonDetect(1.8, MakeSampleTime(2024, 3, 1)),
        AllPositive(1609, MakeSampleTime(2024, 3, 3)),
        Measured(240, MakeSampleTime(2024, 3, 4), 4),
        NonDetect(INFINITY, MakeSampleTime(2024, 3, 5)),  // no detection limit: not drawn
    };
    const SiteChartDescription d = DescribeSiteChart(
        samples, {"Well 7", NonDetectRule::AtHalfDetectionLimit, std::nullopt, 3});
    ASSERT_EQ(d.measured.size(), 2u);
    EXPECT_EQ(d.measured[0].per100Ml, 35);
    EXPECT_EQ(d.measured[1].recordNumber, 4);
    ASSERT_EQ(d.nonDetects.size(), 1u);
    EXPECT_DOUBLE_EQ(d.nonDetects[0].per100Ml, 0.9);
    ASSERT_EQ(d.flagged.size(), 1u);
    EXPECT_EQ(d.flagged[0].per100Ml, 1609);
    // 0.9 to 1609 lies within 0.1 to 10000.
    EXPECT_DOUBLE_EQ(d.axisLowPer100Ml, 0.1);
    EXPECT_DOUBLE_EQ(d.axisHighPer100Ml, 10000);
    // Three days of samples: a day's margin either side.
    EXPECT_EQ(d.firstTime, MakeSampleTime(2024, 2, 29));
    EXPECT_EQ(d.lastTime, MakeSampleTime(2024, 3, 5));
    EXPECT_FALSE(d.limitPer100Ml);
    ASSERT_EQ(d.rolling.size(), 4u);
    // 2 to 4 March at half the detection limit: (35 * 1609 * 240)^(1/3).
    EXPECT_NEAR(d.rolling[3].geometricMeanPer100Ml, std::cbrt(35.0 * 1609 * 240), 1e-9);
    EXPECT_NE(d.title.find("Well 7"), std::string::npos);
    EXPECT_NE(d.rollingCaption.find('3'), std::string::npos);
}

TEST(SiteChart, ValueAxisHoldsTheLimitInWholeDecades) {
    const std::vector<SiteSample> samples{Measured(20, MakeSampleTime(2024, 1, 1))};
    struct Row {
        std::optional<double> limit;
        double low, high;
    };
    for (const Row& row : {Row{std::nullopt, 10, 100}, Row{500, 10, 1000}, Row{2, 1, 100},
                           Row{10, 10, 100}, Row{100, 10, 100}}) {
        SCOPED_TRACE(row.limit.value_or(0));
        const SiteChartDescription d =
            DescribeSiteChart(samples, {"", NonDetectRule::AtDetectionLimit, row.limit, 30});
        EXPECT_DOUBLE_EQ(d.axisLowPer100Ml, row.low);
        EXPECT_DOUBLE_EQ(d.axisHighPer100Ml, row.high);
        EXPECT_EQ(d.limitPer100Ml, row.limit);
    }
    // A single value on a decade still gets a decade to stand in; a single day a day each side.
    const std::vector<SiteSample> hundred{Measured(100, MakeSampleTime(2024, 1, 1))};
    const SiteChartDescription d = DescribeSiteChart(hundred, {});
    EXPECT_DOUBLE_EQ(d.axisLowPer100Ml, 100);
    EXPECT_DOUBLE_EQ(d.axisHighPer100Ml, 1000);
    EXPECT_EQ(d.firstTime, MakeSampleTime(2023, 12, 31));
    EXPECT_EQ(d.lastTime, MakeSampleTime(2024, 1, 2));
    EXPECT_TRUE(DescribeSiteChart(hundred, {"", {}, std::nullopt, 0}).rolling.empty());
    // Sixty days of samples: two days' margin either side.
    const std::vector<SiteSample> season{Measured(10, MakeSampleTime(2024, 6, 1)),
                                         Measured(10, MakeSampleTime(2024, 7, 31))};
    const SiteChartDescription wide = DescribeSiteChart(season, {});
    EXPECT_EQ(wide.firstTime, MakeSampleTime(2024, 5, 30));
    EXPECT_EQ(wide.lastTime, MakeSampleTime(2024, 8, 2));
}

}  // namespace
}  // namespace tubewise::site
