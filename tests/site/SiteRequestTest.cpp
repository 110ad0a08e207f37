// The site window's boxes read into a request: each refusal names the box to mend, a profile
// made from the boxes comes back into them unchanged, and the report's header names the days a
// period actually covers.
#include <gtest/gtest.h>

#include <variant>

#include "site/SiteRequest.h"

namespace tubewise::site {
namespace {

SiteRequestTexts Texts(PeriodKind kind, std::string from, std::string to, std::string count,
                       std::string limit = "", std::string rolling = "30") {
    SiteRequestTexts t;
    t.site = "  River A ";
    t.periodKind = kind;
    t.from = std::move(from);
    t.to = std::move(to);
    t.count = std::move(count);
    t.limit = std::move(limit);
    t.rollingDays = std::move(rolling);
    return t;
}

struct RefusalCase {
    const char* name;
    SiteRequestTexts texts;
    SiteField field;
    const char* prompt;
};

TEST(SiteRequest, RefusalsNameTheBoxToMend) {
    SiteRequestTexts noSite = Texts(PeriodKind::DateRange, "", "", "");
    noSite.site = "   ";
    const RefusalCase cases[] = {
        {"no site", noSite, SiteField::Site, text::kSiteNoSitePrompt.source},
        {"day that does not exist", Texts(PeriodKind::DateRange, "2026-02-30", "", ""),
         SiteField::From, text::kSiteDayPrompt.source},
        {"day in another form", Texts(PeriodKind::DateRange, "", "1/3/2026", ""), SiteField::To,
         text::kSiteDayPrompt.source},
        {"range backwards", Texts(PeriodKind::DateRange, "2026-03-02", "2026-03-01", ""),
         SiteField::From, text::kSiteRangeOrderPrompt.source},
        {"no count", Texts(PeriodKind::LastSamples, "", "", ""), SiteField::Count,
         text::kSiteCountPrompt.source},
        {"count of zero", Texts(PeriodKind::LastSamples, "", "", "0"), SiteField::Count,
         text::kSiteCountPrompt.source},
        {"count not whole", Texts(PeriodKind::RollingDays, "", "", "2.5"), SiteField::Count,
         text::kSiteCountPrompt.source},
        {"absurd count", Texts(PeriodKind::RollingDays, "", "", "1e300"), SiteField::Count,
         text::kSiteCountPrompt.source},
        {"rolling window's bad last day", Texts(PeriodKind::RollingDays, "", "2026-13-01", "30"),
         SiteField::To, text::kSiteDayPrompt.source},
        {"limit of zero", Texts(PeriodKind::DateRange, "", "", "", "0"), SiteField::Limit,
         text::kSiteLimitPrompt.source},
        {"limit not a number", Texts(PeriodKind::DateRange, "", "", "", "abc"), SiteField::Limit,
         text::kSiteLimitPrompt.source},
        {"limit beyond a double", Texts(PeriodKind::DateRange, "", "", "", "1e999"),
         SiteField::Limit, text::kSiteLimitPrompt.source},
        {"rolling days empty", Texts(PeriodKind::DateRange, "", "", "", "", ""), SiteField::Rolling,
         text::kSiteRollingPrompt.source},
    };
    for (const RefusalCase& c : cases) {
        SCOPED_TRACE(c.name);
        const auto read = ReadSiteRequest(c.texts, {});
        const auto* fault = std::get_if<SiteFault>(&read);
        ASSERT_NE(fault, nullptr);
        EXPECT_EQ(fault->field, c.field);
        EXPECT_STREQ(fault->prompt.source, c.prompt);
    }
}

TEST(SiteRequest, PeriodsLimitAndRulesAsTyped) {
    // The boxes the period's kind does not read are not judged: a stale day in the from box
    // does not stop the last samples from being shown.
    SiteRequestTexts last = Texts(PeriodKind::LastSamples, "not a day", "", " 12 ", "1\u066B5");
    last.statistic = LimitStatistic::Percentile95;
    last.rule = DecisionRule::Guarded;
    last.nonDetects = NonDetectRule::AtHalfDetectionLimit;
    const auto read = ReadSiteRequest(last, {});
    const auto* r = std::get_if<SiteRequest>(&read);
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(r->site, "River A");
    ASSERT_TRUE(std::holds_alternative<LastSamples>(r->options.period));
    EXPECT_EQ(std::get<LastSamples>(r->options.period).count, 12);
    EXPECT_EQ(r->options.limitPer100Ml, 1.5);  // the Arabic decimal separator
    EXPECT_EQ(r->options.statistic, LimitStatistic::Percentile95);
    EXPECT_EQ(r->options.rule, DecisionRule::Guarded);
    EXPECT_EQ(r->options.nonDetects, NonDetectRule::AtHalfDetectionLimit);
    EXPECT_EQ(r->rollingDays, 30);

    const auto open = ReadSiteRequest(Texts(PeriodKind::DateRange, "", "2026-03-31", "x"), {});
    const auto* range = std::get_if<DateRange>(&std::get<SiteRequest>(open).options.period);
    ASSERT_NE(range, nullptr);
    EXPECT_FALSE(range->first);
    EXPECT_EQ(range->last, MakeSampleDay(2026, 3, 31));
    EXPECT_FALSE(std::get<SiteRequest>(open).options.limitPer100Ml);  // no limit typed
}

TEST(SiteRequest, AProfileComesBackIntoTheBoxesAsItWasMade) {
    const SiteRequestTexts made[] = {
        Texts(PeriodKind::DateRange, "2026-01-01", "2026-12-31", "", "200"),
        Texts(PeriodKind::DateRange, "", "", "", "0.25"),
        Texts(PeriodKind::LastSamples, "", "", "20", "126"),
        Texts(PeriodKind::RollingDays, "", "2026-06-30", "90", "500"),
        Texts(PeriodKind::RollingDays, "", "", "30", "35"),
    };
    for (SiteRequestTexts texts : made) {
        texts.statistic = LimitStatistic::GeometricMean;
        const auto profile = ProfileOfTexts("  Bathing ", texts, {});
        ASSERT_TRUE(std::holds_alternative<LimitProfile>(profile));
        const LimitProfile& p = std::get<LimitProfile>(profile);
        EXPECT_EQ(p.name, "Bathing");
        // Through the settings' text and back into fresh boxes.
        const ReadProfilesResult kept = ReadProfiles(WriteProfiles(std::vector{p}));
        ASSERT_EQ(kept.profiles.size(), 1u);
        const SiteRequestTexts back = WithProfile(SiteRequestTexts{}, kept.profiles[0], {});
        EXPECT_EQ(back.periodKind, texts.periodKind);
        EXPECT_EQ(back.statistic, LimitStatistic::GeometricMean);
        EXPECT_EQ(back.limit, texts.limit);
        if (texts.periodKind == PeriodKind::DateRange) {
            EXPECT_EQ(back.from, texts.from);
        }
        if (texts.periodKind != PeriodKind::LastSamples) {
            EXPECT_EQ(back.to, texts.to);
        }
        if (texts.periodKind != PeriodKind::DateRange) {
            EXPECT_EQ(back.count, texts.count);
        }
    }
    const auto unnamed = ProfileOfTexts(" ", Texts(PeriodKind::DateRange, "", "", "", "1"), {});
    EXPECT_EQ(std::get<SiteFault>(unnamed).field, SiteField::ProfileName);
    const auto noLimit = ProfileOfTexts("A", Texts(PeriodKind::DateRange, "", "", ""), {});
    EXPECT_EQ(std::get<SiteFault>(noLimit).field, SiteField::Limit);
}

TEST(SiteRequest, ASavedProfileReplacesTheOneOfItsName) {
    std::vector<LimitProfile> profiles = {{"A", LimitStatistic::SingleSample, 1, DateRange{}},
                                          {"B", LimitStatistic::SingleSample, 2, DateRange{}}};
    profiles = PutProfile(profiles, {"A", LimitStatistic::Percentile90, 3, LastSamples{5}});
    profiles = PutProfile(profiles, {"C", LimitStatistic::SingleSample, 4, DateRange{}});
    ASSERT_EQ(profiles.size(), 3u);
    EXPECT_EQ(profiles[0].valuePer100Ml, 3);
    EXPECT_EQ(profiles[0].statistic, LimitStatistic::Percentile90);
    EXPECT_EQ(profiles[2].name, "C");
}

TEST(SiteRequest, TheReportHeaderNamesTheDaysThePeriodCovers) {
    SiteSummary summary;
    for (unsigned day : {3u, 17u}) {
        SiteSample s;
        s.sampledAt = MakeSampleTime(2026, 6, day, 9);
        summary.samples.push_back(s);
    }
    SiteRequest request;
    request.site = "River A";
    request.options.period = RollingDays{30, std::nullopt};
    SiteReportHeader h = HeaderOf(request, summary, "today");
    EXPECT_EQ(h.from, "2026-05-19");  // 30 days ending with the latest sample's day
    EXPECT_EQ(h.to, "2026-06-17");
    EXPECT_EQ(h.date, "today");

    request.options.period = LastSamples{2};
    h = HeaderOf(request, summary, "");
    EXPECT_EQ(h.from, "2026-06-03");
    EXPECT_EQ(h.to, "2026-06-17");

    request.options.period = DateRange{std::nullopt, MakeSampleDay(2026, 6, 30)};
    h = HeaderOf(request, summary, "");
    EXPECT_EQ(h.from, "");  // open: the report names the first sample
    EXPECT_EQ(h.to, "2026-06-30");
}

}  // namespace
}  // namespace tubewise::site
