// Thomas' formula on series set directly, and the verdict on each fault.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "core/ComputeThomas.h"

namespace tubewise {
namespace {

struct Case {
    const char* name;
    std::vector<SeriesRow> rows;
    ThomasEnd end;
    double mpn;  // expected estimate per 100 mL when Defined
};

// Test names carry the row's name; the value itself need not be printed.
void PrintTo(const Case& row, std::ostream* os) {
    *os << row.name;
}

class Thomas : public testing::TestWithParam<Case> {};

TEST_P(Thomas, EstimateOrVerdict) {
    const Case& c = GetParam();
    const ThomasResult r = ComputeThomas(Series{c.rows});
    EXPECT_EQ(r.end, c.end);
    EXPECT_EQ(r.defined(), c.end == ThomasEnd::Defined);
    if (c.end == ThomasEnd::Defined) {
        EXPECT_NEAR(r.mpnPer100Ml, c.mpn, 1e-9 * (1 + std::fabs(c.mpn)));
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
        Case{"Overflow", {{1e300, 0, 5}}, ThomasEnd::Fault, 0},
        // A series may carry counts the grid cannot; the formula's 16-bit sums still refuse them.
        Case{"PositivesBeyondSixteenBits", {{1, 40000, 1}}, ThomasEnd::Fault, 0},
        Case{"NegativesBeyondSixteenBits", {{1, 0, 40000}}, ThomasEnd::Fault, 0},
        // What a refused grid leaves: no rows, or rows of zeros.
        Case{"NoSeries", {}, ThomasEnd::Undefined, 0},
        Case{"ZeroSeries", {{0, 0, 0}, {0, 0, 0}}, ThomasEnd::Undefined, 0}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tubewise
