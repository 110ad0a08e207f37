// The site's CSV export: its header, its order, its empty cells and its guarded ids.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "site/SiteCsv.h"
#include "tests/site/SiteFixtures.h"

namespace tubewise::site {
namespace {

using testing::AllPositive;
using testing::Measured;
using testing::NonDetect;

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = text.find("\r\n", start);
        EXPECT_NE(end, std::string::npos) << "every line ends with CRLF";
        if (end == std::string::npos) break;
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

TEST(SiteCsv, OneLineASampleInTimeOrder) {
    SiteSample formula = Measured(100, MakeSampleTime(2024, 7, 2, 9, 5), 12);
    formula.sampleId = "=HYPERLINK(\"x\")";
    SiteSample comma = NonDetect(2, MakeSampleTime(2024, 7, 1, 14, 30));
    comma.recordNumber = 11;
    comma.sampleId = "Well 7, north";
    SiteSample flagged = AllPositive(1609, MakeSampleTime(2024, 7, 3, 0, 0));
    flagged.recordNumber = 13;
    flagged.sampleId = "-12";
    const std::vector<SiteSample> samples{formula, flagged, comma};

    const std::vector<std::string> lines =
        Lines(SiteCsv(samples, {NonDetectRule::AtHalfDetectionLimit, 50.0, 30}));
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0],
              "record,sample_id,sampled_at,kind,mle_per_100ml,counted_per_100ml,non_detect,"
              "flagged,detection_limit_per_100ml,highest_finite_per_100ml,ci_low_per_100ml,"
              "ci_high_per_100ml,rolling_geometric_mean_per_100ml,above_limit");
    // Rolling means: 1; sqrt(1 * 100) = 10; cbrt(1 * 100 * 1609) = 54.38995...
    EXPECT_EQ(lines[1],
              "11,\"Well 7, north\",2024-07-01 14:30,all_negative,0,1,true,false,2,1600,0,6,1,"
              "false");
    EXPECT_EQ(lines[2],
              "12,\"'=HYPERLINK(\"\"x\"\")\",2024-07-02 09:05,finite,100,100,false,false,2,1600,50,"
              "200,10,true");
    EXPECT_EQ(lines[3].substr(0, 57), "13,'-12,2024-07-03 00:00,all_positive,,1609,false,true,2,");
    EXPECT_NE(lines[3].find(",804.5,,54.38995"), std::string::npos) << lines[3];
    EXPECT_TRUE(lines[3].ends_with(",true"));
}

TEST(SiteCsv, ANonDetectIsNeverAboveTheLimitWhateverItCountsAt) {
    // Its detection limit, 2, is above a limit of 1.5; its estimate, 0, is not.
    const std::vector<SiteSample> samples{NonDetect(2, MakeSampleTime(2024, 7, 1))};
    const std::vector<std::string> lines =
        Lines(SiteCsv(samples, {NonDetectRule::AtDetectionLimit, 1.5, 30}));
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_TRUE(lines[1].ends_with(",false")) << lines[1];
    EXPECT_NE(lines[1].find("all_negative,0,2,"), std::string::npos) << lines[1];
}

TEST(SiteCsv, EmptyCellsWithoutLimitOrRollingWindow) {
    const std::vector<SiteSample> samples{Measured(10, MakeSampleTime(2024, 1, 1), 1)};
    const std::vector<std::string> lines = Lines(SiteCsv(samples, {{}, std::nullopt, 0}));
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_TRUE(lines[1].ends_with(",5,20,,")) << lines[1];
    EXPECT_EQ(Lines(SiteCsv({})).size(), 1u);
}

}  // namespace
}  // namespace tubewise::site
