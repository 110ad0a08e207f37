// The statistics window's texts, the report's data and the copied line, composed from what the
// one calculation gives for typed series.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "core/Calculation.h"
#include "core/Texts.h"
#include "results/SampleReport.h"
#include "results/StatisticsTexts.h"
#include "tests/support/ExpectedTexts.h"

namespace tubewise {
namespace {

constexpr Colour kRed{192, 0, 0};
constexpr Colour kGreen{0, 128, 0};
const NumberLocale kPoint{"."};

struct Row {
    double volume;
    int positive;
    int negative;
};

// The calculation the calculate button makes of these rows.
Calculation StateFor(const std::vector<Row>& rows) {
    Series series;
    for (const Row& r : rows) series.rows.push_back({r.volume, r.positive, r.negative});
    return Calculate(series);
}

StatisticsTexts TextsFor(const Calculation& state, stats::StatisticsOptions options = {}) {
    return ComposeStatisticsTexts(state, std::nullopt, StatisticsOf(state, options), kPoint);
}

TEST(FormatSignificant, RoundsToTheFiguresInTheGeneralForm) {
    const struct {
        double x;
        int figures;
        const char* text;
    } rows[] = {
        {1609.442, 4, "1609"}, {16.09442, 4, "16.09"},    {0.7924272, 4, "0.7924"},
        {25.37086, 3, "25.4"}, {4783.124, 3, "4780"},     {3.101277e-07, 3, "3.1E-07"},
        {0, 3, "0"},           {108644.75, 4, "108600"},  {2.5, 1, "2"},  // an exact half to even
        {3.5, 1, "4"},         {0.00340049, 3, "0.0034"}, {1, 3, "1"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.text);
        EXPECT_EQ(FormatSignificant(r.x, r.figures, kPoint), r.text);
    }
    EXPECT_EQ(FormatSignificant(0.7924272, 4, NumberLocale{","}), "0,7924");
}

// Five tubes at 10, 1 and 0.1 mL unless said otherwise.
struct Case {
    const char* name;
    std::vector<Row> rows;
    const char* exactPer100Ml;
    const char* exactPerMl;
    const char* upper;
    const char* verdict;
    Colour colour;
    bool improbable;
};

void PrintTo(const Case& c, std::ostream* os) {
    *os << c.name;
}

class ExactTexts : public ::testing::TestWithParam<Case> {};

TEST_P(ExactTexts, FiguresVerdictAndWarning) {
    const Case& c = GetParam();
    const Calculation state = StateFor(c.rows);
    const StatisticsTexts t = TextsFor(state);
    ASSERT_FALSE(t.refusal);
    EXPECT_EQ(t.exactPer100Ml, c.exactPer100Ml);
    EXPECT_EQ(t.exactPerMl, c.exactPerMl);
    EXPECT_EQ(t.upperPer100Ml, c.upper);
    EXPECT_EQ(t.verdict, c.verdict);
    EXPECT_EQ(t.verdictColour, c.colour);
    EXPECT_EQ(t.improbable, c.improbable);
    EXPECT_EQ(t.warning, c.improbable ? text::kImprobableWarning.source : "");
}

INSTANTIATE_TEST_SUITE_P(
    Series, ExactTexts,
    ::testing::Values(
        // Beyond the search's 10 per mL: the results window says " 1000  <".
        Case{"five_five_four",
             {{10, 5, 0}, {1, 5, 0}, {0.1, 4, 1}},
             "1609",
             "16.09",
             "4780",
             text::kReportExactCapped.source,
             kRed,
             false},
        // Every tube positive: more than the highest finite MPN, that of 5-5-4.
        Case{"every_tube_positive",
             {{10, 5, 0}, {1, 5, 0}, {0.1, 5, 0}},
             "> 1609",
             "> 16.09",
             text::kOpenLimit.source,
             text::kReportExactCapped.source,
             kRed,
             false},
        // Wastewater: the exact estimate is finite and far beyond the search's range.
        Case{"wastewater",
             {{0.01, 5, 0}, {0.001, 3, 2}, {0.0001, 1, 4}},
             "108600",
             "1086",
             "300000",
             text::kReportExactCapped.source,
             kRed,
             false},
        // The search's 0.001 steps show at four figures below 1 per mL.
        Case{"worked_example",
             {{10, 5, 0}, {1, 3, 2}, {0.1, 0, 5}},
             "79.24",
             "0.7924",
             "248",
             text::kReportExactCoarse.source,
             kRed,
             false},
        // Every tube negative: the search's lowest candidate against an exact 0.
        Case{"every_tube_negative",
             {{10, 0, 5}, {1, 0, 5}, {0.1, 0, 5}},
             "0",
             "0",
             "6.65",
             text::kReportExactCoarse.source,
             kRed,
             false},
        Case{"agrees_with_the_search",
             {{10, 5, 0}, {1, 5, 0}, {0.1, 1, 4}},
             "347.7",
             "3.477",
             "1080",
             text::kReportGridFigure.source,
             kGreen,
             false},
        // Positives only in the smallest volume: a pattern the model makes unlikely.
        Case{"improbable",
             {{10, 0, 5}, {1, 0, 5}, {0.1, 3, 2}},
             "5.42",
             "0.0542",
             "16.8",
             text::kReportAfterRecheck.source,
             kRed,
             true},
        // Improbable although the search agrees with the exact figure: no green "report it".
        Case{"improbable_where_the_search_agrees",
             {{10, 300, 1}, {1, 28, 1}},
             "126.6",
             "1.266",
             "188",
             text::kReportAfterRecheck.source,
             kRed,
             true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ExactTexts, NameTheMethodAndLevelChosen) {
    const StatisticsTexts t = TextsFor(StateFor({{10, 5, 0}, {1, 4, 1}, {0.1, 2, 3}}),
                                       {stats::CiMethod::LikelihoodRatio, kOfferedLevels[2]});
    EXPECT_EQ(t.method, text::kMethodLikelihoodRatio.source);
    EXPECT_EQ(t.level, "99 %");
    EXPECT_EQ(LevelText(0.90), "90 %");
}

TEST(ExactTexts, UndefinedAdjustmentWhereEveryTubeIsPositive) {
    const StatisticsTexts t = TextsFor(StateFor({{10, 3, 0}, {1, 3, 0}}));
    EXPECT_EQ(t.adjustedPer100Ml, text::kStatisticUndefined.source);
    EXPECT_TRUE(t.gridCapped);
}

TEST(ExactTexts, ARefusedCalculationShowsItsReasonAndNoFigure) {
    Calculation state;  // no valid grid, as a refused grid leaves it
    state.dilutions = 2;
    const Message refusal{expected::kEmptyCells, expected::kWrongInput};
    const StatisticsTexts t = ComposeStatisticsTexts(
        state, refusal, StatisticsOf(state, stats::StatisticsOptions{}), kPoint);
    ASSERT_TRUE(t.refusal);
    EXPECT_EQ(*t.refusal, expected::kEmptyCells);
    for (const std::string* figure :
         {&t.exactPer100Ml, &t.exactPerMl, &t.adjustedPer100Ml, &t.lowerPer100Ml, &t.upperPer100Ml,
          &t.rarity, &t.warning, &t.verdict})
        EXPECT_EQ(*figure, "");
    EXPECT_EQ(t.verdictColour, kRed);
}

TEST(ExactTexts, ASeriesTheModelCannotTakeIsRefusedToo) {
    // The grid takes 0 mL; no likelihood can be formed from it.
    const StatisticsTexts t = TextsFor(StateFor({{0, 2, 3}}));
    ASSERT_TRUE(t.refusal);
    EXPECT_EQ(*t.refusal, expected::kUncomputable);
}

TEST(CopiedResult, HeaderAndOneLineOfTheFiguresShown) {
    const Calculation capped = StateFor({{10, 5, 0}, {1, 5, 0}, {0.1, 4, 1}});
    const stats::MpnStatistics s = StatisticsOf(capped, {});
    EXPECT_EQ(CopiedResult(capped, s, TextsFor(capped), "Well\t7", kPoint),
              "sample\tseries\tgrid_mpn_per_100ml\texact_mpn_per_100ml\tci_low_per_100ml\t"
              "ci_high_per_100ml\tci_method\tci_level\trarity_index\tthomas_per_100ml\n"
              "Well 7\t10:5:0 1:5:0 0.1:4:1\t>1000\t1609\t542\t4780\tjarvis\t0.95\t1\t594.267\n");

    const Calculation all = StateFor({{10, 5, 0}, {1, 5, 0}, {0.1, 5, 0}});
    const stats::StatisticsOptions lr{stats::CiMethod::LikelihoodRatio, 0.99};
    const std::string line =
        CopiedResult(all, StatisticsOf(all, lr), TextsFor(all, lr), "", NumberLocale{","});
    const std::string values = line.substr(line.find('\n') + 1);
    // Open upper limit and undefined Thomas are empty cells; the locale's separator is used.
    EXPECT_EQ(values.substr(0, values.find("\t>1000\t>1609\t")), "\t10:5:0 1:5:0 0,1:5:0");
    EXPECT_NE(values.find("\tlr\t0.99\t1\t\n"), std::string::npos) << values;
}

TEST(SampleReport, HoldsTheHeaderSeriesAndSectionsInReadingOrder) {
    const Calculation state = StateFor({{10, 5, 0}, {1, 5, 0}, {0.1, 4, 1}});
    const StatisticsTexts exact = TextsFor(state);
    const SampleReport r =
        ComposeSampleReport(state, exact, {"Well 7", "", "1403/01/01 (2024-03-20)"}, kPoint);
    ASSERT_EQ(r.header.size(), 2u) << "an empty analyst is left out";
    EXPECT_EQ(r.header[0].caption, text::kSampleCaption.source);
    EXPECT_EQ(r.header[0].value, "Well 7");
    EXPECT_EQ(r.header[1].caption, text::kDateCaption.source);
    // The columns in the grid's order: row, mL, negative, positive.
    EXPECT_EQ(r.seriesColumns, (std::vector<std::string>{
                                   text::kSeriesNumber.source, text::kSeriesVolume.source,
                                   text::kSeriesNegative.source, text::kSeriesPositive.source}));
    EXPECT_EQ(r.seriesRows,
              (std::vector<std::vector<std::string>>{
                  {"1", "10", "0", "5"}, {"2", "1", "0", "5"}, {"3", "0.1", "1", "4"}}));
    ASSERT_EQ(r.sections.size(), 3u);
    EXPECT_EQ(r.sections[0].heading, text::kGridHeading.source);
    EXPECT_EQ(r.sections[0].lines[0].value, " 1000  <");
    EXPECT_EQ(r.sections[0].lines[2].colour, kRed);
    EXPECT_EQ(r.sections[1].heading, text::kExactHeading.source);
    EXPECT_EQ(r.sections[1].lines[0].caption, text::kExactPer100Ml.source);
    EXPECT_EQ(r.sections[1].lines[0].value, "1609");
    EXPECT_EQ(r.sections[1].lines.back().value, exact.verdict);
    EXPECT_EQ(r.sections[2].heading, text::kThomasHeading.source);
    EXPECT_EQ(r.sections[2].lines[0].value, "594.267");
}

}  // namespace
}  // namespace tubewise
