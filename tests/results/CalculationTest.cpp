// A whole calculation on the state: what is kept, discarded and reported for each ending.
#include <gtest/gtest.h>

#include <vector>

#include "results/Calculation.h"
#include "tests/results/ExpectedTexts.h"

namespace tubewise {
namespace {

struct Row {
    const char* volume;
    const char* positive;
    const char* negative;
};

class CalculationTest : public ::testing::Test {
  protected:
    CalculationEnd Run(std::initializer_list<Row> rows) {
        GridTexts grid;
        int i = 0;
        for (const Row& row : rows) grid[i++] = {row.volume, row.positive, row.negative};
        state.DilutionCount = static_cast<Int16>(rows.size());
        return Calculate(state, grid, NumberLocale{"."},
                         [this](const Message& m) { told.push_back(m); });
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
        ASSERT_TRUE(Run({{"10", "5", "0"}, {"1", "3", "2"}, {"0.1", "0", "5"}}).showResults);
        told.clear();
    }

    Module1 state;
    std::vector<Message> told;
};

TEST_F(CalculationTest, RefusedGridShowsNothingAndKeepsTheEarlierFigures) {
    CalculateWorkedExample();
    const double per100 = state.MpnPer100Ml;
    const CalculationEnd end = Run({{"10", "", "0"}});
    EXPECT_FALSE(end.showResults);
    EXPECT_EQ(end.search, SearchEnd::InvalidGrid);
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

    const CalculationEnd end = Run({{"1", "3", "2"}, GetParam().row});

    EXPECT_EQ(end.search, SearchEnd::Fault);
    EXPECT_FALSE(end.showResults);
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
                      // exp(+1000) overflows at the first candidate
                      FaultRow{"negative_volume_overflows_exp", {"-1000000", "1", "1"}},
                      // overflows only at candidate 474, with part of the curve formed
                      FaultRow{"overflow_midway_through_the_search", {"-1500", "0", "1"}}),
    [](const ::testing::TestParamInfo<FaultRow>& info) { return std::string(info.param.name); });

TEST_F(CalculationTest, ThomasFaultStillShowsTheSearchResult) {
    CalculateWorkedExample();
    // 100 x 328 positive tubes does not fit in 16 bits.
    const CalculationEnd end = Run({{"1", "328", "10"}});
    EXPECT_TRUE(end.showResults);
    EXPECT_EQ(end.thomas, ThomasEnd::Fault);
    EXPECT_EQ(state.ThomasDefined, kFalse);
    EXPECT_TRUE(told.empty());
    EXPECT_GT(state.MpnPerMl, 3.0);
    EXPECT_LT(state.MpnPerMl, 4.0);
}

}  // namespace
}  // namespace tubewise
