// Thomas' formula on series set directly in the state, and what each fault leaves behind.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "core/ComputeThomas.h"

namespace tubewise {
namespace {

struct Row {
    double volume;
    Int16 positive;
    Int16 negative;
};

Module1 WithSeries(const std::vector<Row>& rows) {
    Module1 s;
    const int n = static_cast<int>(rows.size());
    s.DilutionCount = static_cast<Int16>(n);
    s.SampleVolume.Redim(n);
    s.PositiveTubes.Redim(n);
    s.NegativeTubes.Redim(n);
    for (int j = 1; j <= n; ++j) {
        s.SampleVolume(j) = rows[static_cast<std::size_t>(j - 1)].volume;
        s.PositiveTubes(j) = rows[static_cast<std::size_t>(j - 1)].positive;
        s.NegativeTubes(j) = rows[static_cast<std::size_t>(j - 1)].negative;
    }
    s.ThomasMpn = -123;  // what an earlier calculation left; must survive every non-result
    s.ThomasDefined = kTrue;
    return s;
}

struct Case {
    const char* name;
    std::vector<Row> rows;
    ThomasEnd end;
    double mpn;  // expected ThomasMpn when Defined
};

// Test names carry the row's name; the value itself need not be printed.
void PrintTo(const Case& row, std::ostream* os) {
    *os << row.name;
}

class Thomas : public testing::TestWithParam<Case> {};

TEST_P(Thomas, EstimateOrVerdict) {
    const Case& c = GetParam();
    Module1 s = WithSeries(c.rows);
    EXPECT_EQ(ComputeThomas(s), c.end);
    if (c.end == ThomasEnd::Defined) {
        EXPECT_EQ(s.ThomasDefined, kTrue);
        EXPECT_NEAR(s.ThomasMpn, c.mpn, 1e-9 * (1 + std::fabs(c.mpn)));
    } else {
        EXPECT_EQ(s.ThomasDefined, kFalse);
        EXPECT_EQ(s.ThomasMpn, -123);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Series, Thomas,
    testing::Values(
        // 800 / sqrt(2.5 mL x 55.5 mL)
        Case{"FiveThreeZero",
             {{10, 5, 0}, {1, 3, 2}, {0.1, 0, 5}},
             ThomasEnd::Defined,
             800 / std::sqrt(138.75)},
        Case{"OneDilution", {{1, 3, 2}}, ThomasEnd::Defined, 300 / std::sqrt(10.0)},
        Case{"AllNegative", {{10, 0, 5}, {1, 0, 5}, {0.1, 0, 5}}, ThomasEnd::Defined, 0},
        Case{"AllPositive", {{10, 5, 0}, {1, 5, 0}, {0.1, 5, 0}}, ThomasEnd::Undefined, 0},
        Case{"ZeroVolumeOnly", {{0, 2, 3}}, ThomasEnd::Undefined, 0},
        Case{"NegativeVolumeOnly", {{-1, 0, 3}}, ThomasEnd::Undefined, 0},
        Case{
            "ThreeHundredTwentySeven", {{1, 327, 1}}, ThomasEnd::Defined, 32700 / std::sqrt(328.0)},
        Case{"ThreeHundredTwentyEight", {{1, 300, 1}, {0.1, 28, 1}}, ThomasEnd::Fault, 0},
        Case{"SumBeyondSixteenBits", {{1, 32767, 1}, {1, 1, 1}}, ThomasEnd::Fault, 0},
        // V- = 1 mL, V = -1 mL: the root of a negative product.
        Case{"NegativeProductUnderTheRoot", {{1, 0, 1}, {-2, 1, 0}}, ThomasEnd::Fault, 0},
        // V = 0 with V- > 0: division by zero.
        Case{"ZeroDenominator", {{1, 0, 1}, {-1, 1, 0}}, ThomasEnd::Fault, 0},
        Case{"Overflow", {{1e300, 0, 5}}, ThomasEnd::Fault, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ThomasSums, HoldTheWholeSeriesAfterwards) {
    Module1 s = WithSeries({{10, 5, 0}, {1, 3, 2}, {0.1, 0, 5}});
    ComputeThomas(s);
    EXPECT_EQ(s.PositiveTotal, 8);
    EXPECT_DOUBLE_EQ(s.NegativeVolume, 2.5);
    EXPECT_DOUBLE_EQ(s.PositiveVolume, 53.0);
    EXPECT_DOUBLE_EQ(s.TotalVolume, 55.5);
    EXPECT_DOUBLE_EQ(s.ThomasDenominator, std::sqrt(138.75));
    EXPECT_EQ(s.PositiveTotalPrev, s.PositiveTotal);
    EXPECT_EQ(s.NegativeVolumePrev, s.NegativeVolume);
    EXPECT_EQ(s.PositiveVolumePrev, s.PositiveVolume);
}

TEST(ThomasSums, ZeroSeriesAfterAFailedValidationIsUndefined) {
    Module1 s = WithSeries({{0, 0, 0}, {0, 0, 0}});
    EXPECT_EQ(ComputeThomas(s), ThomasEnd::Undefined);
    EXPECT_EQ(s.ThomasMpn, -123);
}

TEST(ThomasSums, SeriesShorterThanTheCountIsAFaultNotACrash) {
    // The count was confirmed but no calculation has sized the arrays yet.
    Module1 s = WithSeries({{1, 3, 2}});
    s.DilutionCount = 3;
    EXPECT_EQ(ComputeThomas(s), ThomasEnd::Fault);
    EXPECT_EQ(s.ThomasDefined, kFalse);
    EXPECT_EQ(s.ThomasMpn, -123);
}

}  // namespace
}  // namespace tubewise
