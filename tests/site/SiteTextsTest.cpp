// The site's one-line texts: which lines appear, in which order, with figures to four
// significant figures and the marks for what is undefined or open.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/Texts.h"
#include "site/SiteTexts.h"
#include "tests/site/SiteFixtures.h"

namespace tubewise::site {
namespace {

using testing::Measured;
using testing::NonDetect;

bool Contains(const std::string& line, const std::string& part) {
    return line.find(part) != std::string::npos;
}

TEST(SiteTexts, FiguresToFourSignificantFigures) {
    const NumberLocale dot;
    EXPECT_EQ(FigureText(1609.4, dot), "1609");
    EXPECT_EQ(FigureText(0.123456, dot), "0.1235");
    EXPECT_EQ(FigureText(56.5685, NumberLocale{","}), "56,57");
    EXPECT_EQ(FigureText(INFINITY, dot), text::Tr(text::kOpenLimit));
    EXPECT_EQ(FigureText(std::nullopt, dot), text::Tr(text::kStatisticUndefined));
}

TEST(SiteTexts, StatisticsLinesThenLimitThenNotes) {
    const std::vector<SiteSample> samples{NonDetect(2)};
    const SiteStatistics s = ComputeSiteStatistics(samples, {{}, 1.0});
    const std::vector<std::string> lines = StatisticsLines(s, {});
    // Count, GM, P90, P95, median, minimum, maximum, limit, above, two notes.
    ASSERT_EQ(lines.size(), 11u);
    EXPECT_EQ(lines[0], text::Tr(text::kSiteCount, "1"));
    EXPECT_EQ(lines[1], text::Tr(text::kSiteGeometricMean, "2"));
    EXPECT_TRUE(Contains(lines[2], text::Tr(text::kStatisticUndefined)));
    EXPECT_TRUE(Contains(lines[3], text::Tr(text::kStatisticUndefined)));
    EXPECT_EQ(lines[8], text::Tr(text::kSiteAboveLimit, "1"));
    EXPECT_EQ(lines[9], text::Tr(text::kNoteNonDetectsAtLimit, "1"));
    EXPECT_EQ(lines[10], text::Tr(text::kNotePercentilesNeedTwo));
    // Without a limit there is no limit line and no count above it.
    EXPECT_EQ(StatisticsLines(ComputeSiteStatistics(samples), {}).size(), 9u);
}

TEST(SiteTexts, ConformityNamesItsVerdictAndRule) {
    const SiteSample sample = Measured(100);
    const std::vector<std::string> simple = ConformityLines(JudgeSample(sample, 150, {}), {});
    ASSERT_EQ(simple.size(), 5u);
    EXPECT_EQ(simple[2], text::Tr(text::kVerdictComplies));
    EXPECT_EQ(simple[3], text::Tr(text::kRuleSimpleAcceptance));
    EXPECT_EQ(simple[4], text::Tr(text::kSiteEstimate, "100"));

    const std::vector<std::string> guarded =
        ConformityLines(JudgeSample(sample, 150, {DecisionRule::Guarded}), {});
    ASSERT_EQ(guarded.size(), 6u);
    EXPECT_EQ(guarded[2], text::Tr(text::kVerdictInconclusive));
    EXPECT_EQ(guarded[3], text::Tr(text::kRuleGuarded));
    EXPECT_EQ(guarded[5], text::Tr(text::kSiteLimitsCompared, "50 - 200"));
}

}  // namespace
}  // namespace tubewise::site
