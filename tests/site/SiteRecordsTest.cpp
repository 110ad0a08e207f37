// Register records as a site's samples, the period's summary, and the site report's content:
// which records count and how, which samples a limit counts above, and what the report says.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "core/Texts.h"
#include "register/Record.h"
#include "site/SampleConformity.h"
#include "site/SiteRecords.h"
#include "site/SiteReport.h"
#include "site/SiteSummary.h"
#include "site/SiteTexts.h"
#include "tests/site/SiteFixtures.h"

namespace tubewise::site {
namespace {

reg::RecordVersion Record(std::int64_t number, std::string site, std::string sampledAt,
                          std::vector<GridRowTexts> rows, std::string separator = ".") {
    reg::RecordVersion v;
    v.record = number;
    v.sampleId = "S" + std::to_string(number);
    v.site = std::move(site);
    v.sampledAt = std::move(sampledAt);
    v.inputs.rows = std::move(rows);
    v.inputs.decimalSeparator = std::move(separator);
    return v;
}

TEST(SiteRecords, WhichRecordsCountAndAtWhat) {
    reg::RecordVersion tray = Record(5, "Well", "2026-03-05 10:00", {});
    tray.inputs.design = reg::Design::Tray51;
    tray.inputs.trayCounts = "12";
    const std::vector<reg::RecordVersion> versions = {
        // 10 tubes of 0,1 mL typed with a decimal comma, 5 positive: 1000 ln 2 per 100 mL.
        Record(1, "Well", "2026-03-01 08:30", {{"0,1", "5", "5"}}, ","),
        Record(2, "Well", "", {{"10", "5", "5"}}),                   // not dated
        Record(3, "Other", "2026-03-02 08:00", {{"10", "5", "5"}}),  // another site
        Record(4, "Well", "2026-03-03 08:00", {{"10", "-1", "5"}}),  // refused
        tray,                                                        // not computable here
        Record(6, "Well", "2026-03-06", {{"10", "0", "10"}}),        // a non-detect, at midnight
    };
    const SiteRecords r = SiteSamplesOf(versions, "Well");
    ASSERT_EQ(r.samples.size(), 2u);
    EXPECT_EQ(r.notDated, 1);
    EXPECT_EQ(r.notComputable, 2);
    EXPECT_EQ(r.samples[0].recordNumber, 1);
    EXPECT_EQ(r.samples[0].sampleId, "S1");
    EXPECT_EQ(r.samples[0].sampledAt, MakeSampleTime(2026, 3, 1, 8, 30));
    EXPECT_NEAR(r.samples[0].mlePer100Ml, 1000 * std::log(2.0), 1e-6);
    EXPECT_EQ(r.samples[1].kind, SampleKind::AllNegative);
    EXPECT_EQ(r.samples[1].sampledAt, MakeSampleTime(2026, 3, 6));
    EXPECT_NEAR(r.samples[1].detectionLimitPer100Ml, -10 * std::log(0.9), 1e-6);

    EXPECT_EQ(SitesOf(versions), (std::vector<std::string>{"Other", "Well"}));
}

TEST(SiteSummary, AboveTheLimitByEachSamplesOwnEstimate) {
    using testing::AllPositive;
    using testing::Measured;
    using testing::NonDetect;
    // The non-detect counts at 40 and the all-positive sample at 30, both on the wrong side of
    // a limit of 35 for what their estimates say: 0 and without bound.
    const std::vector<SiteSample> samples = {
        Measured(10, MakeSampleTime(2026, 1, 1)), NonDetect(40, MakeSampleTime(2026, 1, 2)),
        AllPositive(30, MakeSampleTime(2026, 1, 3)), Measured(50, MakeSampleTime(2026, 2, 1))};
    struct Case {
        Period period;
        std::optional<double> limit;
        int count;
        std::optional<int> above;
    };
    const Case cases[] = {
        {DateRange{}, 35.0, 4, 2},
        {DateRange{MakeSampleDay(2026, 1, 1), MakeSampleDay(2026, 1, 31)}, 35.0, 3, 1},
        {LastSamples{1}, 35.0, 1, 1},
        {DateRange{}, std::nullopt, 4, std::nullopt},
    };
    for (const Case& c : cases) {
        SiteSummaryOptions options;
        options.period = c.period;
        options.limitPer100Ml = c.limit;
        const SiteSummary s = SummariseSite(samples, options);
        EXPECT_EQ(s.statistics.count, c.count);
        EXPECT_EQ(s.statistics.aboveLimit, c.above);
        EXPECT_EQ(s.conformity.has_value(), c.limit.has_value());
        EXPECT_EQ(s.samples.size(), static_cast<std::size_t>(c.count));
    }
}

TEST(SiteReport, HeaderFiguresVerdictAndNotesOnce) {
    using testing::Measured;
    using testing::NonDetect;
    const std::vector<SiteSample> samples = {Measured(10, MakeSampleTime(2026, 1, 1)),
                                             NonDetect(2, MakeSampleTime(2026, 1, 2)),
                                             Measured(500, MakeSampleTime(2026, 1, 3))};
    SiteSummaryOptions options;
    options.limitPer100Ml = 100;
    options.rule = DecisionRule::Guarded;  // 500's lower limit, 250, is above 100
    const SiteSummary summary = SummariseSite(samples, options);
    const SampleReport r = ComposeSiteReport({"Well 3", "2026-01-01", "", ""}, summary, {});

    ASSERT_EQ(r.header.size(), 3u);  // no date given: none printed
    EXPECT_EQ(r.header[0].value, "Well 3");
    EXPECT_EQ(r.header[1].value, "2026-01-01");
    EXPECT_EQ(r.header[2].value, text::Tr(text::kSiteLastSample));
    EXPECT_TRUE(r.seriesRows.empty());

    ASSERT_EQ(r.sections.size(), 3u);  // figures, conformity, notes
    const ReportLine& count = r.sections[0].lines.front();
    EXPECT_EQ(count.value, "3");
    EXPECT_FALSE(count.caption.empty());
    const std::vector<ReportLine>& statement = r.sections[1].lines;
    const auto verdict = std::find_if(statement.begin(), statement.end(), [](const ReportLine& l) {
        return l.value == VerdictText(Verdict::DoesNotComply);
    });
    ASSERT_NE(verdict, statement.end());
    EXPECT_EQ(verdict->colour, kAdviceRed);
    // The non-detect's note is the statistics' and the verdict's: given once, the verdict's
    // own note (each sample by its limits) after it.
    const std::vector<ReportLine>& notes = r.sections[2].lines;
    ASSERT_EQ(notes.size(), 2u);
    EXPECT_EQ(notes[0].value, "1");
    EXPECT_EQ(notes[1].value, NoteText({NoteKind::EachSampleOwnLimits, 0}));
}

// 5-3-0 at 10, 1, 0.1 mL: exact MLE 79.24 per 100 mL, Jarvis 95 % limits 25.4 to 248.
TEST(SampleConformity, VerdictRuleAndPlaceOnTheReport) {
    Series series;
    series.rows = {{10, 5, 0}, {1, 3, 2}, {0.1, 0, 5}};
    const Calculation calc = Calculate(series);
    struct Case {
        double limit;
        DecisionRule rule;
        Verdict verdict;
        std::optional<Colour> colour;
    };
    const Case cases[] = {
        {100, DecisionRule::SimpleAcceptance, Verdict::Complies, kAdviceGreen},
        {50, DecisionRule::SimpleAcceptance, Verdict::DoesNotComply, kAdviceRed},
        {100, DecisionRule::Guarded, Verdict::Inconclusive, std::nullopt},  // 248 above it
        {300, DecisionRule::Guarded, Verdict::Complies, kAdviceGreen},
        {20, DecisionRule::Guarded, Verdict::DoesNotComply, kAdviceRed},  // 25.4 above it
    };
    for (const Case& c : cases) {
        const ReportLine line = SampleConformityLine(calc, {}, c.limit, c.rule, {});
        EXPECT_EQ(line.value, VerdictText(c.verdict) + "\n" + RuleText(c.rule)) << c.limit;
        EXPECT_EQ(line.colour, c.colour) << c.limit;
        EXPECT_NE(line.caption.find(FigureText(c.limit, {})), std::string::npos);
    }

    SampleReport report;
    report.sections = {{text::Tr(text::kGridHeading), {{"a", "1", {}}}},
                       {text::Tr(text::kExactHeading), {{"b", "2", {}}}},
                       {text::Tr(text::kThomasHeading), {{"c", "3", {}}}}};
    const ReportLine line = SampleConformityLine(calc, {}, 100, DecisionRule::SimpleAcceptance, {});
    AddSampleConformity(report, line);
    EXPECT_EQ(report.sections[0].lines.size(), 1u);
    ASSERT_EQ(report.sections[1].lines.size(), 2u);
    EXPECT_EQ(report.sections[1].lines[1].value, line.value);
    EXPECT_EQ(report.sections[2].lines.size(), 1u);
}

}  // namespace
}  // namespace tubewise::site
