// The site chart drawn off screen: each line and kind of marker shows where it belongs.
#include <gtest/gtest.h>

#include <QImage>
#include <optional>
#include <vector>

#include "site/SiteChartRenderer.h"
#include "tests/site/SiteFixtures.h"

namespace tubewise::site {
namespace {

using testing::Measured;
using testing::NonDetect;

// Rows of the picture where at least `minimum` pixels have the colour (a horizontal line
// paints many in one row).
std::vector<int> RowsWith(const QImage& image, const Colour& colour, int minimum) {
    const QRgb want = qRgb(colour.red, colour.green, colour.blue);
    std::vector<int> rows;
    for (int y = 0; y < image.height(); ++y) {
        int count = 0;
        for (int x = 0; x < image.width(); ++x) count += image.pixel(x, y) == want;
        if (count >= minimum) rows.push_back(y);
    }
    return rows;
}

bool Shows(const QImage& image, const Colour& colour) {
    return !RowsWith(image, colour, 1).empty();
}

std::vector<SiteSample> Samples() {
    return {Measured(20, MakeSampleTime(2024, 4, 1), 1),
            Measured(300, MakeSampleTime(2024, 4, 10), 2),
            Measured(50, MakeSampleTime(2024, 4, 20), 3)};
}

TEST(SiteChartPicture, LimitLineStandsHigherForAHigherLimit) {
    std::optional<int> previous;
    // 10, 100 and 1000 on a 10 to 1000 axis: the line rises a third of the plot each time.
    for (double limit : {10.0, 100.0, 1000.0}) {
        SCOPED_TRACE(limit);
        const SiteChartDescription d =
            DescribeSiteChart(Samples(), {"S", NonDetectRule::AtDetectionLimit, limit, 0});
        const QImage picture = RenderSiteChartPicture(d);
        EXPECT_EQ(picture.size(), kSiteChartPictureSize);
        const std::vector<int> rows = RowsWith(picture, d.limitColour, 300);
        ASSERT_FALSE(rows.empty());
        if (previous) {
            EXPECT_LT(rows.front(), *previous - 50);
        }
        previous = rows.front();
    }
}

TEST(SiteChartPicture, MarkersAndRollingLineShowOnlyWhenThereAreAny) {
    std::vector<SiteSample> samples = Samples();
    SiteChartDescription plain = DescribeSiteChart(samples, {"S", {}, std::nullopt, 0});
    const QImage withoutNonDetects = RenderSiteChartPicture(plain);
    EXPECT_TRUE(Shows(withoutNonDetects, plain.measuredColour));
    EXPECT_FALSE(Shows(withoutNonDetects, plain.nonDetectColour));
    EXPECT_FALSE(Shows(withoutNonDetects, plain.rollingColour));
    EXPECT_FALSE(Shows(withoutNonDetects, plain.limitColour));

    samples.push_back(NonDetect(2, MakeSampleTime(2024, 4, 25)));
    const SiteChartDescription full = DescribeSiteChart(samples, {"S", {}, 100.0, 30});
    const QImage picture = RenderSiteChartPicture(full);
    EXPECT_TRUE(Shows(picture, full.nonDetectColour));
    EXPECT_TRUE(Shows(picture, full.rollingColour));
    EXPECT_TRUE(Shows(picture, full.limitColour));
}

}  // namespace
}  // namespace tubewise::site
