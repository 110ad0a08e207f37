// The results texts composed from hand-made calculations: figures, forms, marks, advice.
#include <gtest/gtest.h>

#include <cmath>

#include "results/ResultTexts.h"
#include "tests/support/Calculations.h"
#include "tests/support/ExpectedTexts.h"

namespace tubewise {
namespace {

// The advice colours as the results window paints them, (red, green, blue).
constexpr Colour kRed{192, 0, 0};
constexpr Colour kGreen{0, 128, 0};

struct StateRow {
    const char* name;
    int dilutions;
    double maxLikelihood;
    double mpnPerMl;
    bool thomasDefined;
    double thomasMpn;
    std::string likelihood;
    std::string perMl;
    std::string per100Ml;
    std::string thomas;
    Colour poisson;
    Colour thomasColour;
};

void PrintTo(const StateRow& row, std::ostream* os) {
    *os << row.name;
}

Calculation StateOf(const StateRow& row) {
    return testing::ShownCalculation(row.dilutions, row.maxLikelihood, row.mpnPerMl,
                                     row.thomasDefined, row.thomasMpn);
}

const NumberLocale kPoint{"."};

class ResultTextsByState : public ::testing::TestWithParam<StateRow> {};

TEST_P(ResultTextsByState, FiguresMarksAndAdvice) {
    const StateRow& row = GetParam();
    const ResultTexts texts = ComposeResultTexts(StateOf(row), kPoint);
    EXPECT_EQ(texts.likelihood, row.likelihood);
    EXPECT_EQ(texts.mpnPerMl, row.perMl);
    EXPECT_EQ(texts.mpnPer100Ml, row.per100Ml);
    EXPECT_EQ(texts.thomas, row.thomas);
    EXPECT_EQ(texts.poissonAdviceColour, row.poisson);
    EXPECT_EQ(texts.poissonAdvice,
              row.poisson == kRed ? expected::kPoissonRed : expected::kPoissonGreen);
    EXPECT_EQ(texts.thomasAdviceColour, row.thomasColour);
    EXPECT_EQ(texts.thomasAdvice,
              row.thomasColour == kRed ? expected::kThomasRed : expected::kThomasGreen);
}

// Figures as the search and the Thomas formula leave them for the named series.
INSTANTIATE_TEST_SUITE_P(
    Rows, ResultTextsByState,
    ::testing::Values(
        StateRow{"worked_example_5_3_0", 3, 0.0225640617980848, 0.7920000000000006, true,
                 800 / std::sqrt(138.75), "0.0225640617980848", "0.792", "79.2", "67.916", kGreen,
                 kGreen},
        // The last candidate is just below 10: rounded it reads 10 and is a lower bound.
        StateRow{"every_tube_positive", 3, 0.100925, 9.999999999999897, false, 67.9, "0.100925",
                 " 10  <", " 1000  <", expected::kUndefined, kRed, kRed},
        StateRow{"every_tube_negative", 3, 0.946, 0.001, true, 0, "0.946", "0.001", "0.1", "0",
                 kGreen, kGreen},
        // The bound is strict: 9.99999 itself is an ordinary figure.
        StateRow{"exactly_at_the_bound", 1, 0.5, 9.99999, true, 1, "0.5", "10", "999.999", "1",
                 kGreen, kGreen},
        // Halves go to the even neighbour (12.3125 and 0.0625 are exact binary halves).
        StateRow{"halves_to_even", 2, 1e-5, 0.5, true, 12.3125, "1E-05", "0.5", "50", "12.312",
                 kGreen, kGreen},
        StateRow{"half_rounds_up_to_even", 2, 0.25, 0.0625, true, 0.0625, "0.25", "0.062", "6.25",
                 "0.062", kGreen, kGreen},
        // A Thomas fault leaves ThomasDefined false and an old ThomasMpn that must not show.
        StateRow{"thomas_fault_keeps_stale_figure_hidden", 1, 2.6e-20, 3.52, false, 94.868,
                 "2.6E-20", "3.52", "352", expected::kUndefined, kGreen, kRed},
        // A search that faulted at the first load leaves zeros.
        StateRow{"zeros", 5, 0, 0, true, 0, "0", "0", "0", "0", kGreen, kGreen}),
    [](const ::testing::TestParamInfo<StateRow>& info) { return std::string(info.param.name); });

TEST(ResultTextsHeadings, CarryTheDilutionCountInTheSignedForm) {
    for (int count = 1; count <= 5; ++count) {
        Calculation state;
        state.dilutions = count;
        const ResultTexts texts = ComposeResultTexts(state, kPoint);
        EXPECT_EQ(texts.probabilityHeading,
                  expected::kHeadStart + " " + std::to_string(count) + expected::kHeadEnd);
        EXPECT_EQ(texts.densityPerMlHeading, expected::kPerMl);
        EXPECT_EQ(texts.densityPer100MlHeading, expected::kPer100Ml);
        EXPECT_EQ(texts.thomasHeading, expected::kPer100Ml);
    }
}

TEST(ResultTextsLocale, GeneralFormUsesTheLocaleSeparatorButLowerBoundsKeepThePoint) {
    const NumberLocale comma{","};
    Calculation state =
        testing::ShownCalculation(3, 0.0225640617980848, 0.7920000000000006, true, 67.9157);
    ResultTexts texts = ComposeResultTexts(state, comma);
    EXPECT_EQ(texts.likelihood, "0,0225640617980848");
    EXPECT_EQ(texts.mpnPerMl, "0,792");
    EXPECT_EQ(texts.mpnPer100Ml, "79,2");
    EXPECT_EQ(texts.thomas, "67,916");

    state.search.mpnPerMl = 10.5;  // any figure above the bound, not only the last candidate
    texts = ComposeResultTexts(state, comma);
    EXPECT_EQ(texts.mpnPerMl, " 10.5  <");
    EXPECT_EQ(texts.mpnPer100Ml, " 1050  <");
}

TEST(ResultTextsUnderflow, LikelihoodBelowTheSmallestDoubleShowsItsSizeNeverZero) {
    // 1000 tubes of 1 mL, half positive: the products are 0 at every candidate.
    Calculation state = testing::ShownCalculation(1, 0, 0.6930000000000005, true, 0);
    state.search.maxLogLikelihood = -1386.2943827851966;
    state.search.likelihoodUnderflow = true;
    ResultTexts texts = ComposeResultTexts(state, kPoint);
    EXPECT_EQ(texts.likelihood, "8.70962111757E-603");
    EXPECT_EQ(texts.mpnPerMl, "0.693");
    EXPECT_EQ(texts.mpnPer100Ml, "69.3");
    EXPECT_EQ(texts.poissonAdviceColour, kGreen);
    EXPECT_EQ(ComposeResultTexts(state, NumberLocale{","}).likelihood, "8,70962111757E-603");
    // Without the flag the double itself is shown, as before.
    state.search.likelihoodUnderflow = false;
    EXPECT_EQ(ComposeResultTexts(state, kPoint).likelihood, "0");
}

TEST(AdviceColours, AreThePackedRedAndGreenByName) {
    EXPECT_EQ(kAdviceRed, kRed);
    EXPECT_EQ(kAdviceRed.Packed(), 192);
    EXPECT_EQ(kAdviceGreen, kGreen);
    EXPECT_EQ(kAdviceGreen.Packed(), 0x8000);
    EXPECT_EQ(Colour::FromPacked(0x8000), kGreen);
    EXPECT_STREQ(ColourName(kRed), "red");
    EXPECT_STREQ(ColourName(kGreen), "green");
    EXPECT_STREQ(ColourName(Colour{1, 2, 3}), "");
}

}  // namespace
}  // namespace tubewise
