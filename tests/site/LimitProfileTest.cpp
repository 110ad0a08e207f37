// The limit profiles' text form: what is written reads back the same, and bad lines are named.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "site/LimitProfile.h"

namespace tubewise::site {
namespace {

bool SamePeriod(const Period& a, const Period& b) {
    if (a.index() != b.index()) return false;
    if (const auto* x = std::get_if<DateRange>(&a)) {
        const auto& y = std::get<DateRange>(b);
        return x->first == y.first && x->last == y.last;
    }
    if (const auto* x = std::get_if<LastSamples>(&a))
        return x->count == std::get<LastSamples>(b).count;
    const auto& x = std::get<RollingDays>(a);
    const auto& y = std::get<RollingDays>(b);
    return x.days == y.days && x.lastDay == y.lastDay;
}

TEST(LimitProfiles, WhatIsWrittenReadsBackTheSame) {
    const std::vector<LimitProfile> profiles{
        {"Bathing, season", LimitStatistic::Percentile95, 500,
         DateRange{MakeSampleDay(2024, 5, 15), MakeSampleDay(2024, 9, 30)}},
        {"open\tends\\here", LimitStatistic::Percentile90, 0.1 + 0.2, DateRange{}},
        {"#1 line\nbreak\r", LimitStatistic::GeometricMean, 126, LastSamples{20}},
        {"چاه ۷", LimitStatistic::SingleSample, 1e-3, RollingDays{30, std::nullopt}},
        {"end fixed", LimitStatistic::SingleSample, 2.5e6,
         RollingDays{90, MakeSampleDay(2023, 12, 31)}},
        {"only start", LimitStatistic::GeometricMean, 200,
         DateRange{MakeSampleDay(2020, 2, 29), std::nullopt}},
    };
    const std::string text = WriteProfiles(profiles);
    const ReadProfilesResult back = ReadProfiles(text);
    EXPECT_TRUE(back.badLines.empty());
    ASSERT_EQ(back.profiles.size(), profiles.size());
    for (std::size_t i = 0; i < profiles.size(); ++i) {
        SCOPED_TRACE(profiles[i].name);
        EXPECT_EQ(back.profiles[i].name, profiles[i].name);
        EXPECT_EQ(back.profiles[i].statistic, profiles[i].statistic);
        EXPECT_EQ(back.profiles[i].valuePer100Ml, profiles[i].valuePer100Ml);
        EXPECT_TRUE(SamePeriod(back.profiles[i].period, profiles[i].period));
    }
    // One line a profile after the header, whatever the names hold.
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 1 + static_cast<long>(profiles.size()));
}

TEST(LimitProfiles, ReadsTheDocumentedForm) {
    const ReadProfilesResult r = ReadProfiles(
        "# kept by hand\r\n"
        "\r\n"
        "River\tgeomean\t126\tdays:30@2024-06-30\r\n"
        "Tap\tsingle\t1\trange:..2024-01-31\n");
    ASSERT_EQ(r.profiles.size(), 2u);
    EXPECT_TRUE(r.badLines.empty());
    EXPECT_EQ(r.profiles[0].name, "River");
    EXPECT_EQ(r.profiles[0].statistic, LimitStatistic::GeometricMean);
    EXPECT_TRUE(SamePeriod(r.profiles[0].period, RollingDays{30, MakeSampleDay(2024, 6, 30)}));
    EXPECT_TRUE(
        SamePeriod(r.profiles[1].period, DateRange{std::nullopt, MakeSampleDay(2024, 1, 31)}));
}

TEST(LimitProfiles, BadLinesAreNamedAndSkipped) {
    const char* bad[] = {
        "\tsingle\t1\tlast:1",               // no name
        "A\tmedian\t1\tlast:1",              // unknown statistic
        "A\tsingle\t0\tlast:1",              // not above 0
        "A\tsingle\t-5\tlast:1",             // negative
        "A\tsingle\tinf\tlast:1",            // not finite
        "A\tsingle\tnan\tlast:1",            // not a number
        "A\tsingle\t12abc\tlast:1",          // trailing text
        "A\tsingle\t1\tlast:0",              // no sample
        "A\tsingle\t1\tdays:0",              // no day
        "A\tsingle\t1\tdays:7@2023-02-29",   // no such day
        "A\tsingle\t1\trange:2024-13-01..",  // no such month
        "A\tsingle\t1\trange:2024-01-01",    // no ".."
        "A\tsingle\t1\tweekly",              // unknown period
        "A\tsingle\t1",                      // a field missing
        "A\tsingle\t1\tlast:1\textra",       // a field too many
        "A\\x\tsingle\t1\tlast:1",           // unknown escape
    };
    for (const char* line : bad) {
        SCOPED_TRACE(line);
        const ReadProfilesResult r = ReadProfiles(std::string("Good\tp90\t400\tlast:10\n") + line +
                                                  "\nAlso\tp95\t1\tlast:2\n");
        EXPECT_EQ(r.badLines, std::vector<int>{2});
        ASSERT_EQ(r.profiles.size(), 2u);
        EXPECT_EQ(r.profiles[1].name, "Also");
    }
}

}  // namespace
}  // namespace tubewise::site
