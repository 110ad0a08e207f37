// The one calculation: what the windows keep, discard and are told for each ending, and the
// same figures whichever road a series comes by.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
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
    // As the calculate button runs it: a failed search discarded, the refusal told.
    Calculation Run(std::initializer_list<Row> rows) {
        GridTexts grid;
        int i = 0;
        for (const Row& row : rows) grid[i++] = {row.volume, row.positive, row.negative};
        CalculationOptions options;
        options.failedSearch = FailedSearch::Discard;
        Calculation calc =
            Calculate(grid, static_cast<int>(rows.size()), NumberLocale{"."}, options);
        if (calc.refusal) told.push_back(*calc.refusal);
        return calc;
    }

    std::vector<Message> told;
};

TEST_F(CalculationTest, RefusedGridShowsNothing) {
    const Calculation calc = Run({{"10", "", "0"}});
    EXPECT_FALSE(calc.showResults());
    EXPECT_EQ(calc.search.end, SearchEnd::InvalidGrid);
    EXPECT_EQ(calc.refusalRow, 1);
    ASSERT_EQ(told.size(), 1u);
    EXPECT_EQ(told[0].prompt, expected::kEmptyCells);
    EXPECT_FALSE(calc.gridValid());
    EXPECT_FALSE(calc.search.curve);
    EXPECT_EQ(calc.series().count(), 0);
    EXPECT_EQ(calc.mpnPer100Ml(), 0.0);
}

// A search that cannot finish is reported and counts as not run, so a half-finished curve or
// zero figures never pass for a result.
struct FaultRow {
    const char* name;
    Row row;
};

void PrintTo(const FaultRow& row, std::ostream* os) {
    *os << row.name;
}

class SearchFault : public CalculationTest, public ::testing::WithParamInterface<FaultRow> {};

TEST_P(SearchFault, IsReportedOnceAndLeavesNoHalfFinishedSearch) {
    const Calculation calc = Run({{"1", "3", "2"}, GetParam().row});

    EXPECT_EQ(calc.search.end, SearchEnd::Fault);
    EXPECT_FALSE(calc.showResults());
    EXPECT_FALSE(calc.searchFault());
    EXPECT_TRUE(calc.searchDiscarded);
    ASSERT_EQ(told.size(), 1u);
    EXPECT_EQ(told[0].prompt, expected::kUncomputable);
    EXPECT_EQ(told[0].title, expected::kWrongInput);
    EXPECT_FALSE(calc.gridValid());
    EXPECT_FALSE(calc.search.curve);
    EXPECT_EQ(calc.search.maxLikelihood, 0.0);
    EXPECT_EQ(calc.series().count(), 0);
    // The emptied series gives the formula no negative volume: undefined.
    EXPECT_EQ(calc.thomas.end, ThomasEnd::Undefined);
    EXPECT_FALSE(calc.thomas.defined());
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
    // 100 x 328 positive tubes does not fit in 16 bits.
    const Calculation calc = Run({{"1", "328", "10"}});
    EXPECT_TRUE(calc.showResults());
    EXPECT_EQ(calc.thomas.end, ThomasEnd::Fault);
    EXPECT_FALSE(calc.thomas.defined());
    EXPECT_TRUE(told.empty());
    EXPECT_GT(calc.search.mpnPerMl, 3.0);
    EXPECT_LT(calc.search.mpnPerMl, 4.0);
    EXPECT_EQ(calc.mpnPer100Ml(), calc.search.mpnPerMl * 100);
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
    EXPECT_TRUE(calc.gridValid());
    EXPECT_TRUE(calc.search.curve);
    ASSERT_EQ(calc.series().count(), 2);
    EXPECT_EQ(calc.series().rows[1].volume, 1e308);
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
    const Calculation texts = Calculate(row.grid, row.series.count(), NumberLocale{}, options);
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
                 {{{10, 5, 0}, {1, 3, 2}, {0.1, 0, 5}}},
                 {{{"10", "5", "0"}, {"1", "3", "2"}, {"0.1", "0", "5"}}}},
        TypedRow{"AllPositive", {{{100, 5, 0}}}, {{{"100", "5", "0"}}}},
        TypedRow{"AllNegative", {{{1, 0, 3}, {0.1, 0, 3}}}, {{{"1", "0", "3"}, {"0.1", "0", "3"}}}},
        TypedRow{"OddVolumes",
                 {{{2.5, 4, 1}, {0.25, 2, 3}, {0.025, 1, 4}, {0.0025, 0, 5}, {3e-4, 0, 5}}},
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
// on both roads; nothing of a search is formed.
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

class RangeRefusal : public ::testing::TestWithParam<RangeRow> {};

TEST_P(RangeRefusal, NamesTheRowAndCellBeforeAnySearch) {
    const RangeRow& c = GetParam();
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
    EXPECT_FALSE(calc.gridValid());
    EXPECT_FALSE(calc.search.curve);
    EXPECT_EQ(calc.search.mpnPerMl, 0.0);

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

// A series is not bound by the grid: more groups than its five rows (a tray of wells) and
// counts beyond 16 bits are carried whole to the exact statistics, on every road to them.
struct GeneralRow {
    const char* name;
    std::vector<stats::Dilution> dilutions;  // volume, tubes, positives
};

void PrintTo(const GeneralRow& row, std::ostream* os) {
    *os << row.name;
}

std::vector<stats::Dilution> TwelveGroupsOfEightWells() {
    std::vector<stats::Dilution> out;
    const int positives[] = {8, 8, 8, 7, 6, 4, 3, 1, 1, 0, 0, 0};
    double volume = 1;
    for (const int p : positives) {
        out.push_back({volume, 8, p});
        volume /= 2;
    }
    return out;
}

testing::AssertionResult SameStatistics(const stats::MpnStatistics& got,
                                        const stats::MpnStatistics& want) {
    const auto bits = [](double x) { return std::bit_cast<std::uint64_t>(x); };
    if (got.check.fault != want.check.fault || got.check.dilution != want.check.dilution)
        return testing::AssertionFailure() << "check differs";
    if (got.mle.kind != want.mle.kind || bits(got.mle.perMl) != bits(want.mle.perMl))
        return testing::AssertionFailure() << "mle " << got.mle.perMl << " vs " << want.mle.perMl;
    if (bits(got.limits.lowPerMl) != bits(want.limits.lowPerMl) ||
        bits(got.limits.highPerMl) != bits(want.limits.highPerMl))
        return testing::AssertionFailure() << "limits differ";
    if (bits(got.rarityIndex) != bits(want.rarityIndex))
        return testing::AssertionFailure() << "rarity differs";
    return testing::AssertionSuccess();
}

class GeneralSeries : public ::testing::TestWithParam<GeneralRow> {};

TEST_P(GeneralSeries, ReachesTheExactStatisticsUnchanged) {
    const std::vector<stats::Dilution>& dilutions = GetParam().dilutions;
    Series series;
    for (const stats::Dilution& d : dilutions)
        series.rows.push_back({d.volumeMl, d.positives, d.tubes - d.positives});

    const std::vector<stats::Dilution> carried = DilutionsOf(series);
    ASSERT_EQ(carried.size(), dilutions.size());
    for (std::size_t j = 0; j < carried.size(); ++j) {
        EXPECT_EQ(carried[j].volumeMl, dilutions[j].volumeMl) << j;
        EXPECT_EQ(carried[j].tubes, dilutions[j].tubes) << j;
        EXPECT_EQ(carried[j].positives, dilutions[j].positives) << j;
    }

    const stats::StatisticsOptions statistics;
    const stats::MpnStatistics want = stats::ComputeStatistics(dilutions, statistics);
    ASSERT_EQ(want.check.fault, stats::SeriesFault::None);
    ASSERT_EQ(want.mle.kind, stats::MleKind::Finite);
    EXPECT_TRUE(SameStatistics(StatisticsOf(Loaded(series), statistics), want));
    CalculationOptions options;
    options.statistics = statistics;
    const Calculation calc = Calculate(series, options);
    ASSERT_TRUE(calc.statistics);
    EXPECT_TRUE(SameStatistics(*calc.statistics, want));
    if (calc.gridValid()) {
        EXPECT_EQ(calc.series(), series);
        EXPECT_TRUE(SameStatistics(StatisticsOf(calc, statistics), want));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Series, GeneralSeries,
    ::testing::Values(GeneralRow{"TwelveGroupsOfEightWells", TwelveGroupsOfEightWells()},
                      GeneralRow{"MillionTubesInOneGroup", {{1, 1'000'000, 400'000}}},
                      GeneralRow{"TraysBeyondSixteenBits",
                                 {{0.1, 95'000, 50'000}, {0.01, 59'000, 9'000}}}),
    [](const ::testing::TestParamInfo<GeneralRow>& info) { return std::string(info.param.name); });

// The grid keeps its own count rules: 16-bit counts, halves to the even neighbour.
TEST(GeneralSeries, TheGridsCountsStayWithinSixteenBits) {
    const SeriesLoad beyond =
        LoadSeries(GridTexts{{{"1", "3", "2"}, {"1", "40000", "1"}}}, 2, NumberLocale{});
    EXPECT_FALSE(beyond.complete());
    EXPECT_EQ(beyond.failedRow(), 2);
    EXPECT_EQ(beyond.loadedCells, 4);
    EXPECT_EQ(beyond.series.rows[1].positive, 0);

    const SeriesLoad halves = LoadSeries(GridTexts{{{"1", "2.5", "3.5"}}}, 1, NumberLocale{});
    ASSERT_TRUE(halves.complete());
    EXPECT_EQ(halves.series.rows[0], (SeriesRow{1, 2, 4}));
}

// One group of a million tubes goes through the search as well: the grid point next to the
// closed form ln(n / q) / v, found from the log-likelihoods where the products underflow.
TEST(GeneralSeries, MillionTubesAreSearched) {
    const Series series{{{1, 400'000, 600'000}}};
    const Calculation calc = Calculate(series);
    ASSERT_TRUE(calc.showResults());
    EXPECT_TRUE(calc.search.likelihoodUnderflow);
    EXPECT_NEAR(calc.search.mpnPerMl, std::log(1 / 0.6), 0.0005 + 1e-9);
}

}  // namespace
}  // namespace tubewise
