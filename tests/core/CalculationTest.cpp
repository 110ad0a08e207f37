// The one calculation: what the windows keep, discard and are told for each ending, and the
// same figures whichever road a series comes by.
#include <gtest/gtest.h>

#include <vector>

#include "core/Calculation.h"
#include "tests/support/ExpectedTexts.h"

namespace tubewise {
namespace {

struct Row {
    const char* volume;
    const char* positive;
    const char* negative;
};

class CalculationTest : public ::testing::Test {
  protected:
    // As the calculate button runs it: a failed search discarded, the state written from the
    // value, the refusal told.
    Calculation Run(std::initializer_list<Row> rows) {
        GridTexts grid;
        int i = 0;
        for (const Row& row : rows) grid[i++] = {row.volume, row.positive, row.negative};
        state.DilutionCount = static_cast<Int16>(rows.size());
        CalculationOptions options;
        options.failedSearch = FailedSearch::Discard;
        Calculation calc = Calculate(grid, state.DilutionCount, NumberLocale{"."}, options);
        StoreCalculation(state, calc);
        if (calc.refusal) told.push_back(*calc.refusal);
        return calc;
    }

    bool CurveIsEmpty() const {
        if (state.LikelihoodGrid.UpperBound() != kCurveSize) return false;
        if (state.LambdaGrid.UpperBound() != kCurveSize) return false;
        for (int i = 1; i <= kCurveSize; ++i)
            if (state.LikelihoodGrid(i) != 0 || state.LambdaGrid(i) != 0) return false;
        return true;
    }

    // A finished calculation whose figures a later failure must not disturb.
    void CalculateWorkedExample() {
        ASSERT_TRUE(Run({{"10", "5", "0"}, {"1", "3", "2"}, {"0.1", "0", "5"}}).showResults());
        told.clear();
    }

    Module1 state;
    std::vector<Message> told;
};

TEST_F(CalculationTest, RefusedGridShowsNothingAndKeepsTheEarlierFigures) {
    CalculateWorkedExample();
    const double per100 = state.MpnPer100Ml;
    const Calculation calc = Run({{"10", "", "0"}});
    EXPECT_FALSE(calc.showResults());
    EXPECT_EQ(calc.search.end, SearchEnd::InvalidGrid);
    EXPECT_EQ(calc.refusalRow, 1);
    ASSERT_EQ(told.size(), 1u);
    EXPECT_EQ(told[0].prompt, expected::kEmptyCells);
    EXPECT_EQ(state.MpnPer100Ml, per100);
    EXPECT_NEAR(state.MpnPerMl, 0.792, 1e-9);
    EXPECT_TRUE(CurveIsEmpty());
}

// A search that cannot finish is reported and leaves the state as a refused grid would, so a
// half-finished curve or zero figures never pass for a result.
struct FaultRow {
    const char* name;
    Row row;
};

void PrintTo(const FaultRow& row, std::ostream* os) {
    *os << row.name;
}

class SearchFault : public CalculationTest, public ::testing::WithParamInterface<FaultRow> {};

TEST_P(SearchFault, IsReportedOnceAndLeavesNoHalfFinishedSearch) {
    CalculateWorkedExample();
    const double thomasBefore = state.ThomasMpn;
    const double per100 = state.MpnPer100Ml;

    const Calculation calc = Run({{"1", "3", "2"}, GetParam().row});

    EXPECT_EQ(calc.search.end, SearchEnd::Fault);
    EXPECT_FALSE(calc.showResults());
    ASSERT_EQ(told.size(), 1u);
    EXPECT_EQ(told[0].prompt, expected::kUncomputable);
    EXPECT_EQ(told[0].title, expected::kWrongInput);
    EXPECT_EQ(state.GridValid, kFalse);
    EXPECT_TRUE(CurveIsEmpty());
    EXPECT_NEAR(state.MpnPerMl, 0.792, 1e-9);
    EXPECT_NEAR(state.MaxLikelihood, 0.0225640617980848, 1e-15);
    EXPECT_EQ(state.MpnPer100Ml, per100);
    // The emptied series gives the formula no negative volume: undefined, old figure kept.
    EXPECT_EQ(state.ThomasDefined, kFalse);
    EXPECT_EQ(state.ThomasMpn, thomasBefore);
    for (int j = 1; j <= 2; ++j) {
        EXPECT_EQ(state.SampleVolume(j), 0);
        EXPECT_EQ(state.PositiveTubes(j), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Faults, SearchFault,
    ::testing::Values(FaultRow{"count_beyond_16_bits", {"1", "40000", "2"}},
                      FaultRow{"negative_count_beyond_16_bits", {"1", "2", "-40000"}},
                      // 1e308 mL x density overflows only at candidate 1798, with part of the
                      // curve formed
                      FaultRow{"overflow_midway_through_the_search", {"1e308", "0", "1"}}),
    [](const ::testing::TestParamInfo<FaultRow>& info) { return std::string(info.param.name); });

TEST_F(CalculationTest, ThomasFaultStillShowsTheSearchResult) {
    CalculateWorkedExample();
    // 100 x 328 positive tubes does not fit in 16 bits.
    const Calculation calc = Run({{"1", "328", "10"}});
    EXPECT_TRUE(calc.showResults());
    EXPECT_EQ(calc.thomas.end, ThomasEnd::Fault);
    EXPECT_EQ(state.ThomasDefined, kFalse);
    EXPECT_TRUE(told.empty());
    EXPECT_GT(state.MpnPerMl, 3.0);
    EXPECT_LT(state.MpnPerMl, 4.0);
}

// The command line keeps a failed search for diagnosis: the figures where it stopped, the
// series as far as it was loaded, and the same refusal the windows show, with the row.
TEST(CalculationKeep, FailedSearchKeepsItsFiguresAndNamesTheRow) {
    GridTexts grid{{{"1", "3", "2"}, {"1e308", "0", "0"}}};
    const Calculation calc = Calculate(grid, 2, NumberLocale{});
    EXPECT_TRUE(calc.searchFault());
    EXPECT_TRUE(calc.search.gridValid);
    EXPECT_GT(calc.search.stop.candidate, 1);
    EXPECT_GT(calc.search.maxLikelihood, 0);
    ASSERT_TRUE(calc.refusal);
    EXPECT_EQ(calc.refusal->prompt, expected::kUncomputable);
    EXPECT_EQ(calc.refusalRow, calc.search.stop.row);

    Module1 state;
    state.DilutionCount = 2;
    StoreCalculation(state, calc);
    EXPECT_EQ(state.GridValid, kTrue);
    EXPECT_EQ(state.MaxLikelihood, calc.search.maxLikelihood);
    EXPECT_EQ(state.SampleVolume(2), 1e308);
}

// A series typed already (the batch) and the same series typed into the grid (the windows, the
// command line) give the same figures, bit for bit, and the statistics on request.
struct TypedRow {
    const char* name;
    Series series;
    GridTexts grid;
};

void PrintTo(const TypedRow& row, std::ostream* os) {
    *os << row.name;
}

class BothRoads : public ::testing::TestWithParam<TypedRow> {};

TEST_P(BothRoads, GiveTheSameFigures) {
    const TypedRow& row = GetParam();
    CalculationOptions options;
    options.statistics = stats::StatisticsOptions{};
    const Calculation typed = Calculate(row.series, options);
    const Calculation texts = Calculate(row.grid, row.series.count, NumberLocale{}, options);
    EXPECT_EQ(typed.search.end, texts.search.end);
    EXPECT_EQ(typed.search.maxLikelihood, texts.search.maxLikelihood);
    EXPECT_EQ(typed.search.mpnPerMl, texts.search.mpnPerMl);
    EXPECT_EQ(typed.lowerBound, texts.lowerBound);
    EXPECT_EQ(typed.thomas.end, texts.thomas.end);
    EXPECT_EQ(typed.thomas.mpnPer100Ml, texts.thomas.mpnPer100Ml);
    ASSERT_TRUE(typed.statistics && texts.statistics);
    EXPECT_EQ(typed.statistics->mle.perMl, texts.statistics->mle.perMl);
    EXPECT_EQ(typed.statistics->limits.highPerMl, texts.statistics->limits.highPerMl);
    ASSERT_TRUE(typed.search.curve && texts.search.curve);
    EXPECT_EQ(typed.search.curve->likelihood, texts.search.curve->likelihood);
}

INSTANTIATE_TEST_SUITE_P(
    Series, BothRoads,
    ::testing::Values(
        TypedRow{"FiveThreeZero",
                 {3, {{{10, 5, 0}, {1, 3, 2}, {0.1, 0, 5}}}},
                 {{{"10", "5", "0"}, {"1", "3", "2"}, {"0.1", "0", "5"}}}},
        TypedRow{"AllPositive", {1, {{{100, 5, 0}}}}, {{{"100", "5", "0"}}}},
        TypedRow{
            "AllNegative", {2, {{{1, 0, 3}, {0.1, 0, 3}}}}, {{{"1", "0", "3"}, {"0.1", "0", "3"}}}},
        TypedRow{"OddVolumes",
                 {5, {{{2.5, 4, 1}, {0.25, 2, 3}, {0.025, 1, 4}, {0.0025, 0, 5}, {3e-4, 0, 5}}}},
                 {{{"2.5", "4", "1"},
                   {"0.25", "2", "3"},
                   {"0.025", "1", "4"},
                   {"0.0025", "0", "5"},
                   {"3e-4", "0", "5"}}}}),
    [](const ::testing::TestParamInfo<TypedRow>& info) { return std::string(info.param.name); });

// The statistics name the first row that cannot form a series, as the grid is read.
TEST(CalculationStatistics, NameTheFirstRowThatCannotFormASeries) {
    CalculationOptions options;
    options.statistics = stats::StatisticsOptions{};
    const Calculation negativeFirst =
        Calculate(GridTexts{{{"1", "-2", "3"}, {"1", "40000", "1"}}}, 2, NumberLocale{}, options);
    ASSERT_TRUE(negativeFirst.statistics);
    EXPECT_EQ(negativeFirst.statistics->check.fault, stats::SeriesFault::NegativeCount);
    EXPECT_EQ(negativeFirst.statistics->check.dilution, 1);
    const Calculation unconvertible =
        Calculate(GridTexts{{{"1", "2", "3"}, {"1", "40000", "1"}}}, 2, NumberLocale{}, options);
    EXPECT_EQ(unconvertible.statistics->check.fault, stats::SeriesFault::CellNotConvertible);
    EXPECT_EQ(unconvertible.statistics->check.dilution, 2);
}

// Figures the model cannot take are refused before the search, naming the row and the cell,
// on both roads; the state is left as a refused grid leaves it.
struct RangeRow {
    const char* name;
    GridTexts grid;
    int dilutions;
    int row;  // 0: accepted
    GridColumn column;
    std::string (*prompt)(int row) = nullptr;  // the refusal's prompt when row > 0
};

void PrintTo(const RangeRow& row, std::ostream* os) {
    *os << row.name;
}

class RangeRefusal : public CalculationTest, public ::testing::WithParamInterface<RangeRow> {};

TEST_P(RangeRefusal, NamesTheRowAndCellBeforeAnySearch) {
    const RangeRow& c = GetParam();
    CalculateWorkedExample();
    state.DilutionCount = static_cast<Int16>(c.dilutions);
    CalculationOptions options;
    options.failedSearch = FailedSearch::Discard;
    const Calculation calc = Calculate(c.grid, c.dilutions, NumberLocale{}, options);
    if (c.row == 0) {
        EXPECT_TRUE(calc.showResults());
        EXPECT_FALSE(calc.refusal);
        return;
    }
    EXPECT_FALSE(calc.showResults());
    EXPECT_EQ(calc.search.end, SearchEnd::InvalidGrid);
    EXPECT_EQ(calc.check.column, c.column);
    EXPECT_EQ(calc.refusalRow, c.row);
    ASSERT_TRUE(calc.refusal);
    EXPECT_EQ(calc.refusal->prompt, c.prompt(c.row));
    EXPECT_EQ(calc.refusal->title, expected::kWrongInput);
    StoreCalculation(state, calc);
    EXPECT_EQ(state.GridValid, kFalse);
    EXPECT_TRUE(CurveIsEmpty());
    EXPECT_NEAR(state.MpnPerMl, 0.792, 1e-9);

    // The same series typed already is refused alike.
    const SeriesLoad load = LoadSeries(c.grid, c.dilutions, NumberLocale{});
    const Calculation typed = Calculate(load.series);
    EXPECT_EQ(typed.refusalRow, c.row);
    EXPECT_EQ(typed.check.column, c.column);
}

INSTANTIATE_TEST_SUITE_P(
    Series, RangeRefusal,
    ::testing::Values(
        RangeRow{"ZeroVolumeWithPositiveTubes",
                 {{{"10", "5", "0"}, {"0", "3", "2"}, {"0.1", "0", "5"}}},
                 3,
                 2,
                 GridColumn::Volume,
                 expected::VolumeNotPositive},
        RangeRow{"NegativeVolume",
                 {{{"-1", "0", "3"}}},
                 1,
                 1,
                 GridColumn::Volume,
                 expected::VolumeNotPositive},
        RangeRow{"NegativePositives",
                 {{{"10", "-1", "5"}, {"1", "3", "2"}}},
                 2,
                 1,
                 GridColumn::Positive,
                 expected::NegativeCount},
        RangeRow{"NegativeNegatives",
                 {{{"1", "3", "2"}, {"1", "3", "-2"}}},
                 2,
                 2,
                 GridColumn::Negative,
                 expected::NegativeCount},
        // Products of a volume this small with the candidates lose their digits; the smallest
        // volume the model still computes with passes.
        RangeRow{"SubnormalVolume",
                 {{{"1", "3", "2"}, {"4.9e-324", "1", "4"}}},
                 2,
                 2,
                 GridColumn::Volume,
                 expected::VolumeTooSmall},
        RangeRow{"VolumeJustBelowTheSmallest",
                 {{{"9.9e-301", "1", "4"}}},
                 1,
                 1,
                 GridColumn::Volume,
                 expected::VolumeTooSmall},
        RangeRow{"SmallestVolume", {{{"1e-300", "1", "4"}}}, 1, 0, GridColumn::None},
        RangeRow{"TinyVolumeWithoutTubesPasses",
                 {{{"1e-320", "0", "0"}, {"1", "3", "2"}}},
                 2,
                 0,
                 GridColumn::None},
        // Halves go to even: -0.5 is a count of 0.
        RangeRow{"MinusHalfIsZero", {{{"1", "3", "-0.5"}}}, 1, 0, GridColumn::None},
        RangeRow{
            "RowWithoutTubesPasses", {{{"0", "0", "0"}, {"1", "3", "2"}}}, 2, 0, GridColumn::None}),
    [](const ::testing::TestParamInfo<RangeRow>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tubewise
