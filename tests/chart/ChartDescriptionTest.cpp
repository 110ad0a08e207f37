// Probability chart as data: captions, plotted figures, scaling and where a drawing stops.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "chart/ChartDescription.h"
#include "core/Calculation.h"
#include "core/NumberText.h"
#include "core/Texts.h"
#include "tests/chart/ChartFixtures.h"

namespace tubewise {
namespace {

using testing::Example530;
using testing::EditCurve;
using testing::FailedValidation;
using testing::SearchedCalculation;
using testing::SetAnswerPer100Ml;

const std::string kPersianTail = " توزيع پوآسون براي نمونه آناليز شده ";

// --- Title caption -------------------------------------------------------------------------

struct TitleRow {
    const char* name;
    double mpnPer100Ml;
    const char* figure;  // the title's MPN figure
    const char* opening;
};

class TitleCaption : public ::testing::TestWithParam<TitleRow> {};

TEST_P(TitleCaption, RoundsToTwoPlacesInSignedFormAndMarksLowerBound) {
    const TitleRow& row = GetParam();
    Calculation state = Example530();
    SetAnswerPer100Ml(state, row.mpnPer100Ml);
    const ChartDescription chart = DescribeProbabilityChart(&state);
    EXPECT_EQ(chart.mpnTitleText, row.figure);
    EXPECT_EQ(chart.title, std::string(row.opening) + row.figure + ")" + kPersianTail);
}

INSTANTIATE_TEST_SUITE_P(
    Figures, TitleCaption,
    ::testing::Values(TitleRow{"HalfGoesToEven", 12.125, " 12.12", "(MPN ="},
                      TitleRow{"NoZeroBeforePoint", 0.5, " .5", "(MPN ="},
                      TitleRow{"Zero", 0, " 0", "(MPN ="},
                      TitleRow{"NoTrailingZeros", 23.4, " 23.4", "(MPN ="},
                      TitleRow{"JustAtBoundIsEqual", 999.999999, " 1000", "(MPN ="},
                      TitleRow{"AboveBoundIsLowerBound", 999.9999999999897, " 1000", "(MPN >"},
                      TitleRow{"Thousand", 1000, " 1000", "(MPN >"}),
    [](const auto& info) { return std::string(info.param.name); });

// A chart already drawn takes the captions of the language it is shown in, its figures kept.
TEST(TitleCaption, ChangesLanguageWithTheFiguresKept) {
    Calculation state = Example530();
    SetAnswerPer100Ml(state, 1000);
    ChartDescription chart = DescribeProbabilityChart(&state);
    text::SetTranslator([](const char*, const char* source, int) {
        const std::string s = source;
        if (s == text::kChartTitleAboveRange.source) return std::string("Sample (MPN > %1)");
        return "[" + s + "]";
    });
    CaptionChart(chart);
    text::SetTranslator(nullptr);
    EXPECT_EQ(chart.title, "Sample (MPN > 1000)");
    EXPECT_EQ(chart.valueAxisTitle, "[Probability]");
    EXPECT_EQ(chart.categoryAxisTitle, "[Coliform Density , Number/mL]");
    EXPECT_EQ(chart.mpnTitleText, " 1000");
    CaptionChart(chart);
    EXPECT_EQ(chart.title, DescribeProbabilityChart(&state).title);
}

// --- Complete drawings ---------------------------------------------------------------------

TEST(ChartDescription, Example530DrawsTheWholeChart) {
    Calculation state = Example530();
    const ChartDescription chart = DescribeProbabilityChart(&state);

    EXPECT_EQ(chart.reached, ChartStep::Finished);
    EXPECT_EQ(chart.title, "(MPN = 79.2)" + kPersianTail);
    EXPECT_EQ(chart.valueAxisTitle, "Probability");
    EXPECT_EQ(chart.categoryAxisTitle, "Coliform Density , Number/mL");
    EXPECT_FALSE(chart.scaled);
    EXPECT_FALSE(chart.scaleFactor.has_value());

    ASSERT_EQ(chart.densities.size(), 50u);
    ASSERT_EQ(chart.probabilities.size(), 50u);
    // The accumulated densities drift from multiples of 0.001; rounding brings them back,
    // and the last one, just below 10, shows as 10.
    for (int i = 1; i <= 50; ++i) EXPECT_EQ(chart.densities[i - 1], (2.0 * i) / 10.0) << i;
    // Three significant digits of the likelihood at 0.2, 0.8 and 10 per mL.
    EXPECT_EQ(chart.probabilities[0], 1.75e-3);
    EXPECT_EQ(chart.probabilities[3], 2.26e-2);
    EXPECT_EQ(chart.probabilities[49], 1.39e-11);
}

TEST(ChartDescription, EveryTubePositiveIsALowerBound) {
    Calculation state = SearchedCalculation({{10, 5, 0}, {1, 5, 0}, {0.1, 5, 0}});
    const ChartDescription chart = DescribeProbabilityChart(&state);
    EXPECT_EQ(chart.title.rfind("(MPN > 1000)", 0), 0u) << chart.title;
    EXPECT_EQ(chart.reached, ChartStep::Finished);
}

TEST(ChartDescription, ZeroProbabilityStaysZero) {
    Calculation state = Example530();
    EditCurve(state).likelihood[400] = 0;
    const ChartDescription chart = DescribeProbabilityChart(&state);
    EXPECT_EQ(chart.probabilities[1], 0.0);
}

// --- Scaling of tiny curves ----------------------------------------------------------------

TEST(ChartScale, ReferenceOfExactly1e50IsNotScaled) {
    Calculation state = Example530();
    EditCurve(state).likelihood[50] = 1e-50;
    const ChartDescription chart = DescribeProbabilityChart(&state);
    EXPECT_FALSE(chart.scaled);
    EXPECT_EQ(chart.valueAxisTitle, "Probability");
    EXPECT_EQ(chart.probabilities[3], 2.26e-2);
}

TEST(ChartScale, ReferenceJustBelow1e50ScalesEveryColumn) {
    Calculation state = Example530();
    const double reference = std::nextafter(1e-50, 0.0);
    EditCurve(state).likelihood[50] = reference;
    const ChartDescription chart = DescribeProbabilityChart(&state);

    ASSERT_TRUE(chart.scaled);
    const double factor = 1e50 / reference;
    EXPECT_EQ(*chart.scaleFactor, factor);
    EXPECT_EQ(chart.valueAxisTitle, "Probability / 1. E+100");
    EXPECT_EQ(chart.probabilities[0], 1.75e-3 * factor);
    EXPECT_EQ(chart.probabilities[3], 2.26e-2 * factor);
    EXPECT_EQ(chart.probabilities[49], 1.39e-11 * factor);
    EXPECT_EQ(chart.reached, ChartStep::Finished);
}

TEST(ChartScale, FactorIsNamedInOneDigitExponentForm) {
    // Large counts at a small density: the reference likelihood near 0.05 per mL is tiny
    // but representable.
    Calculation state = SearchedCalculation({{1, 60, 0}});
    ASSERT_LT(state.search.curve->likelihood[50], 1e-50);
    ASSERT_GT(state.search.curve->likelihood[50], 0);
    const ChartDescription chart = DescribeProbabilityChart(&state);
    ASSERT_TRUE(chart.scaled);
    // 10^50 / 1.947e-79 = 5.13e128
    EXPECT_EQ(chart.valueAxisTitle, "Probability / 5. E+128");
}

// --- Where a drawing stops -----------------------------------------------------------------

TEST(ChartFailure, NoCalculationYetStopsBeforeTheData) {
    const ChartDescription chart = DescribeProbabilityChart(nullptr);
    EXPECT_EQ(chart.reached, ChartStep::SeriesDetailSet);
    EXPECT_TRUE(chart.densities.empty());
    EXPECT_TRUE(chart.title.empty());
    EXPECT_TRUE(chart.mpnTitleText.empty());
}

TEST(ChartFailure, FailedValidationGivesAnEmptyChart) {
    Calculation state = FailedValidation();
    const ChartDescription chart = DescribeProbabilityChart(&state);
    EXPECT_EQ(chart.reached, ChartStep::DataBuilt);
    EXPECT_FALSE(chart.has(ChartStep::TitleFormatted));
    EXPECT_TRUE(chart.title.empty());
    EXPECT_TRUE(chart.valueAxisTitle.empty());
    EXPECT_TRUE(chart.categoryAxisTitle.empty());
    EXPECT_TRUE(chart.mpnTitleText.empty());
}

TEST(ChartFailure, SearchEndedBeforeAnyPlottedDensityGivesAnEmptyChart) {
    // A conversion failure at the first load: the grid was valid but only the first
    // candidate exists.
    Calculation state = FailedValidation();
    state.search.gridValid = true;
    EditCurve(state).lambda[1] = 0.001;
    EXPECT_EQ(DescribeProbabilityChart(&state).reached, ChartStep::DataBuilt);
}

TEST(ChartFailure, UnvalidatedCurveIsNotDrawnUnscaled) {
    Calculation state = Example530();
    state.search.gridValid = false;
    EditCurve(state).likelihood[50] = 0;
    EXPECT_EQ(DescribeProbabilityChart(&state).reached, ChartStep::DataBuilt);
}

// A valid series whose reference likelihood underflows, or is so small that the factor
// would overflow, is drawn in full without scaling.
struct UnscalableRow {
    const char* name;
    double reference;
};

class UnscalableValidCurve : public ::testing::TestWithParam<UnscalableRow> {};

TEST_P(UnscalableValidCurve, IsDrawnInFullUnscaled) {
    Calculation state = Example530();
    EditCurve(state).likelihood[50] = GetParam().reference;
    const ChartDescription chart = DescribeProbabilityChart(&state);
    EXPECT_EQ(chart.reached, ChartStep::Finished);
    EXPECT_FALSE(chart.scaled);
    EXPECT_TRUE(chart.scaleSkipped);
    EXPECT_EQ(chart.valueAxisTitle, "Probability");
    EXPECT_EQ(chart.title, "(MPN = 79.2)" + kPersianTail);
    EXPECT_EQ(chart.probabilities[3], 2.26e-2);
}

INSTANTIATE_TEST_SUITE_P(References, UnscalableValidCurve,
                         ::testing::Values(UnscalableRow{"Underflow", 0.0},
                                           UnscalableRow{"FactorOverflows", 1e-300},
                                           UnscalableRow{"Subnormal", 5e-320}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ChartFailure, ValidSeriesWhoseReferenceUnderflowsIsDrawnUnscaled) {
    Calculation state = SearchedCalculation({{1, 300, 0}});
    ASSERT_EQ(state.search.curve->likelihood[50], 0.0);
    const ChartDescription chart = DescribeProbabilityChart(&state);
    EXPECT_EQ(chart.reached, ChartStep::Finished);
    EXPECT_FALSE(chart.scaled);
    EXPECT_EQ(chart.densities.back(), 10.0);
}

// --- Curves that underflowed where their answer lies ---------------------------------------

Calculation AfterSearch(const Series& series) {
    return Calculate(series);
}

struct UnderflowChartRow {
    const char* name;
    Series series;
    int referenceCandidate;  // whose log-likelihood the columns are lifted from
    const char* valueAxisTitle;
};

class UnderflowedCurve : public ::testing::TestWithParam<UnderflowChartRow> {};

TEST_P(UnderflowedCurve, ColumnsComeFromTheLogLikelihoodsAndAreScaled) {
    const UnderflowChartRow& row = GetParam();
    const Calculation state = AfterSearch(row.series);
    ASSERT_TRUE(state.search.likelihoodUnderflow);
    ASSERT_EQ(state.search.curve->likelihood[50], 0.0);
    const ChartDescription chart = DescribeProbabilityChart(&state);
    EXPECT_EQ(chart.reached, ChartStep::Finished);
    ASSERT_TRUE(chart.scaled);
    EXPECT_FALSE(chart.scaleSkipped);
    EXPECT_EQ(chart.valueAxisTitle, row.valueAxisTitle);
    // Both factors lie beyond the range of a double.
    EXPECT_FALSE(chart.scaleFactor.has_value());
    const double reference = LogLikelihoodAt(row.series, state.search.curve->lambda[static_cast<std::size_t>(row.referenceCandidate)]);
    double tallest = 0;
    for (int i = 1; i <= kChartColumns; ++i) {
        const double expected =
            std::exp(LogLikelihoodAt(row.series, state.search.curve->lambda[static_cast<std::size_t>(kChartStride * i)]) - reference +
                     50 * std::log(10.0));
        EXPECT_DOUBLE_EQ(chart.probabilities[static_cast<std::size_t>(i - 1)], expected) << i;
        tallest = std::max(tallest, chart.probabilities[static_cast<std::size_t>(i - 1)]);
    }
    EXPECT_GT(tallest, 1.0);
    EXPECT_EQ(chart.title,
              "(MPN =" + FormatSigned(RoundHalfEven(state.mpnPer100Ml(), 2)) + ")" + kPersianTail);
}

Series OneRow(double volume, int positive, int negative) {
    return Series{{{volume, positive, negative}}};
}

Series TwoRows() {
    return Series{{{10, 300, 300}, {1, 200, 100}}};
}

INSTANTIATE_TEST_SUITE_P(
    Series, UnderflowedCurve,
    ::testing::Values(
        // Candidate 50 lies so far down the flank that 10^50 / L_50 would lift the peak beyond
        // any double: the tallest column (0.6 per mL, candidate 3 * 200) is the reference.
        UnderflowChartRow{"ThousandTubes", OneRow(1, 1000, 1000), 600, "Probability / 2. E+656"},
        UnderflowChartRow{"TwoDilutions", TwoRows(), 50, "Probability / 2. E+501"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tubewise
