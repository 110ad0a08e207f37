// The statistics against values printed in the MPN literature, each row citing its source.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "core/stats/MpnStatistics.h"

namespace tubewise::stats {
namespace {

// Rounds to `digits` significant figures, as the tables print their values.
double Significant(double x, int digits) {
    if (x == 0) return 0;
    const double scale = std::pow(10.0, digits - 1 - std::floor(std::log10(std::abs(x))));
    return std::round(x * scale) / scale;
}

double Decimals(double x, int places) {
    const double scale = std::pow(10.0, places);
    return std::round(x * scale) / scale;
}

std::vector<Dilution> Series(std::vector<double> volumes, std::vector<int> tubes,
                             std::vector<int> positives) {
    std::vector<Dilution> s;
    for (std::size_t i = 0; i < volumes.size(); ++i)
        s.push_back({volumes[i], tubes[i], positives[i]});
    return s;
}

std::vector<Dilution> ThreeEach(std::array<double, 3> volumes, int tubes, std::array<int, 3> p) {
    return Series({volumes[0], volumes[1], volumes[2]}, {tubes, tubes, tubes}, {p[0], p[1], p[2]});
}

// 2 * Phi(2) - 1: Jarvis et al. print MPN * exp(+-2 SE); every printed limit of their Tables 1
// and 2 agrees with that multiplier and three of them disagree with 1.96.
const double kTwoSigmaLevel = std::erf(2.0 / std::sqrt(2.0));

// FDA Bacteriological Analytical Manual, Appendix 2 (Blodgett), Table 1: three tubes at
// 0.1, 0.01 and 0.001 g, MPN/g to two significant figures (= MPN/100 mL at 10, 1, 0.1 mL).
struct BamRow {
    std::array<int, 3> positives;
    const char* mpn;
};
constexpr BamRow kBamTable1[] = {
    {{0, 0, 0}, "<3.0"}, {{0, 0, 1}, "3"},   {{0, 1, 0}, "3"},    {{0, 1, 1}, "6.1"},
    {{0, 2, 0}, "6.2"},  {{0, 3, 0}, "9.4"}, {{1, 0, 0}, "3.6"},  {{1, 0, 1}, "7.2"},
    {{1, 0, 2}, "11"},   {{1, 1, 0}, "7.4"}, {{1, 1, 1}, "11"},   {{1, 2, 0}, "11"},
    {{1, 2, 1}, "15"},   {{1, 3, 0}, "16"},  {{2, 0, 0}, "9.2"},  {{2, 0, 1}, "14"},
    {{2, 0, 2}, "20"},   {{2, 1, 0}, "15"},  {{2, 1, 1}, "20"},   {{2, 1, 2}, "27"},
    {{2, 2, 0}, "21"},   {{2, 2, 1}, "28"},  {{2, 2, 2}, "35"},   {{2, 3, 0}, "29"},
    {{2, 3, 1}, "36"},   {{3, 0, 0}, "23"},  {{3, 0, 1}, "38"},   {{3, 0, 2}, "64"},
    {{3, 1, 0}, "43"},   {{3, 1, 1}, "75"},  {{3, 1, 2}, "120"},  {{3, 1, 3}, "160"},
    {{3, 2, 0}, "93"},   {{3, 2, 1}, "150"}, {{3, 2, 2}, "210"},  {{3, 2, 3}, "290"},
    {{3, 3, 0}, "240"},  {{3, 3, 1}, "460"}, {{3, 3, 2}, "1100"}, {{3, 3, 3}, ">1100"},
};

TEST(PublishedMle, BamTable1AllFortyPatterns) {
    for (const BamRow& row : kBamTable1) {
        SCOPED_TRACE(std::to_string(row.positives[0]) + "-" + std::to_string(row.positives[1]) +
                     "-" + std::to_string(row.positives[2]));
        const Mle mle = ExactMle(ThreeEach({10, 1, 0.1}, 3, row.positives));
        const std::string printed = row.mpn;
        if (printed.starts_with("<")) {
            EXPECT_EQ(mle.kind, MleKind::Zero);
        } else if (printed.starts_with(">")) {
            EXPECT_EQ(mle.kind, MleKind::Infinite);
            EXPECT_TRUE(std::isinf(mle.perMl));
        } else {
            ASSERT_EQ(mle.kind, MleKind::Finite);
            EXPECT_DOUBLE_EQ(Significant(mle.perMl * 100, 2), std::stod(printed));
        }
    }
}

struct MleRow {
    const char* source;
    std::vector<double> volumes;
    std::vector<int> tubes;
    std::vector<int> positives;
    double published;  // per the volumes' unit
    int significant;
};

TEST(PublishedMle, TablesAndWorkedExamples) {
    const std::vector<int> three{3, 3, 3};
    const std::vector<int> five{5, 5, 5};
    const std::vector<int> ten{10, 10, 10};
    const std::vector<double> g{0.1, 0.01, 0.001};
    const std::vector<double> ml{10, 1, 0.1};
    const MleRow rows[] = {
        // FDA BAM Appendix 2, Table 2 (five tubes) and Table 3 (ten tubes), MPN/g.
        {"BAM Table 2, 0-0-1", g, five, {0, 0, 1}, 1.8, 2},
        {"BAM Table 2, 1-2-0", g, five, {1, 2, 0}, 6.1, 2},
        {"BAM Table 2, 4-0-2", g, five, {4, 0, 2}, 21, 2},
        {"BAM Table 2, 5-5-4", g, five, {5, 5, 4}, 1600, 2},
        {"BAM Table 3, 0-0-1", g, ten, {0, 0, 1}, 0.9, 2},
        {"BAM Table 3, 3-2-2", g, ten, {3, 2, 2}, 7.5, 2},
        {"BAM Table 3, 8-2-0", g, ten, {8, 2, 0}, 17, 2},
        {"BAM Table 3, 10-10-9", g, ten, {10, 10, 9}, 2300, 2},
        // FDA BAM Appendix 2, Table 5: one dilution of ten 10 mL portions, MPN/100 mL.
        {"BAM Table 5, 1 positive", {0.1}, {10}, {1}, 1.1, 2},
        {"BAM Table 5, 5 positive", {0.1}, {10}, {5}, 6.9, 2},
        {"BAM Table 5, 9 positive", {0.1}, {10}, {9}, 23, 2},
        // APHA Standard Methods 9221, MPN index tables, 10/1/0.1 mL, MPN/mL (index / 100).
        {"APHA 3 tubes, 1-1-1", ml, three, {1, 1, 1}, 0.11, 2},
        {"APHA 3 tubes, 2-1-0", ml, three, {2, 1, 0}, 0.15, 2},
        {"APHA 3 tubes, 3-1-0", ml, three, {3, 1, 0}, 0.43, 2},
        {"APHA 5 tubes, 1-1-1", ml, five, {1, 1, 1}, 0.061, 2},
        {"APHA 5 tubes, 2-1-0", ml, five, {2, 1, 0}, 0.068, 2},
        {"APHA 5 tubes, 3-1-0", ml, five, {3, 1, 0}, 0.11, 2},
        {"APHA 5 tubes, 5-2-0", ml, five, {5, 2, 0}, 0.49, 2},
        // Blodgett (2002), Table 1: two dilutions of five tubes at 1 and 0.1 mL.
        {"Blodgett 2002 Table 1, 1-5", {1, 0.1}, {5, 5}, {1, 5}, 1.29, 3},
        {"Blodgett 2002 Table 1, 2-4", {1, 0.1}, {5, 5}, {2, 4}, 1.48, 3},
        {"Blodgett 2002 Table 1, 3-3", {1, 0.1}, {5, 5}, {3, 3}, 1.75, 3},
        {"Blodgett 2002 Table 1, 4-2", {1, 0.1}, {5, 5}, {4, 2}, 2.21, 3},
        {"Blodgett 2002 Table 1, 5-1", {1, 0.1}, {5, 5}, {5, 1}, 3.48, 3},
        // Haas, Rose & Gerba, Quantitative Microbial Risk Assessment (2nd ed., 2014), ch. 6.
        {"Haas 2014 Example 6.4", ml, five, {5, 3, 0}, 0.792, 3},
        {"Haas 2014 p.178, 6-2-1-0", {10, 1, 0.1, 0.01}, {10, 10, 10, 10}, {6, 2, 1, 0}, 0.1215, 4},
        {"Haas 2014 p.178, 4-3-1-3", {10, 1, 0.1, 0.01}, {10, 10, 10, 10}, {4, 3, 1, 3}, 0.1289, 4},
        {"Haas 2014 Example 6.9, seven dilutions, unequal tubes",
         {0.032, 0.026, 0.021, 0.018, 0.016, 0.011, 0.005},
         {29, 30, 28, 30, 29, 25, 30},
         {7, 4, 3, 4, 2, 2, 2},
         6.949,
         4},
    };
    for (const MleRow& row : rows) {
        SCOPED_TRACE(row.source);
        const Mle mle = ExactMle(Series(row.volumes, row.tubes, row.positives));
        ASSERT_EQ(mle.kind, MleKind::Finite);
        EXPECT_DOUBLE_EQ(Significant(mle.perMl, row.significant), row.published);
    }
}

// Haas (1989), Tables 1 and 2: MLE and the Salama et al. (1978) bias-adjusted estimate per mL
// for five tubes at 10, 1, 0.1 (and 0.01) mL, printed to two decimals.
TEST(PublishedBiasAdjustment, Haas1989Tables1And2) {
    struct Row {
        std::vector<int> positives;
        double mle;
        double adjusted;
    };
    const Row rows[] = {
        {{0, 0, 1}, 0.02, 0.02},      {{0, 1, 0}, 0.02, 0.02},        {{0, 2, 0}, 0.04, 0.03},
        {{1, 1, 1}, 0.06, 0.05},      {{3, 2, 0}, 0.14, 0.12},        {{5, 0, 2}, 0.43, 0.30},
        {{5, 4, 3}, 2.78, 2.05},      {{5, 5, 4}, 16.09, 12.09},      {{0, 0, 1, 0}, 0.02, 0.02},
        {{1, 2, 0, 0}, 0.06, 0.05},   {{3, 1, 1, 0}, 0.14, 0.12},     {{5, 2, 1, 1}, 0.92, 0.80},
        {{5, 5, 4, 4}, 34.54, 23.70}, {{5, 5, 5, 4}, 160.94, 120.93},
    };
    for (const Row& row : rows) {
        std::vector<double> volumes{10, 1, 0.1, 0.01};
        volumes.resize(row.positives.size());
        const auto series =
            Series(volumes, std::vector<int>(row.positives.size(), 5), row.positives);
        const Mle mle = ExactMle(series);
        const auto adjusted = BiasAdjustedMle(series, mle);
        SCOPED_TRACE(::testing::PrintToString(row.positives));
        EXPECT_DOUBLE_EQ(Decimals(mle.perMl, 2), row.mle);
        ASSERT_TRUE(adjusted.has_value());
        EXPECT_DOUBLE_EQ(Decimals(*adjusted, 2), row.adjusted);
    }
}

// Haas (1989), Table 5, printed to four decimals. Its MLE for 4-1-0-0 reads 0.1680 where the
// root of the score equation is 0.16850 (the table's adjusted value for it agrees to four
// decimals), so that one MLE is compared to two decimals.
TEST(PublishedBiasAdjustment, Haas1989Table5) {
    const std::vector<double> volumes{10, 1, 0.1, 0.01};
    const std::vector<int> tubes{5, 5, 5, 5};
    const auto a = Series(volumes, tubes, {4, 1, 0, 0});
    const Mle mleA = ExactMle(a);
    EXPECT_DOUBLE_EQ(Decimals(mleA.perMl, 2), 0.17);
    EXPECT_DOUBLE_EQ(Decimals(BiasAdjustedMle(a, mleA).value(), 4), 0.1405);

    const auto b = Series(volumes, tubes, {3, 0, 0, 0});
    const Mle mleB = ExactMle(b);
    EXPECT_DOUBLE_EQ(Decimals(mleB.perMl, 4), 0.0777);
    EXPECT_DOUBLE_EQ(Decimals(BiasAdjustedMle(b, mleB).value(), 4), 0.0688);
}

// Jarvis, Wilrich & Wilrich (2010), J. Appl. Microbiol. 109:1660, Table 1 (three tubes at
// 1, 0.1, 0.01 g) and Table 2 (50/49/49 tubes at 2, 0.2, 0.02 g): MPN, limits, rarity index.
TEST(PublishedLimits, Jarvis2010Tables1And2) {
    struct Row {
        const char* source;
        std::vector<Dilution> series;
        double mpn, low, high, rarity;
        int rarityDigits;
    };
    const Row rows[] = {
        {"Table 1, 2-2-0", ThreeEach({1, 0.1, 0.01}, 3, {2, 2, 0}), 2.1, 0.71, 6.2, 0.069, 2},
        {"Table 1, 3-1-1", ThreeEach({1, 0.1, 0.01}, 3, {3, 1, 1}), 7.5, 1.9, 30, 0.209, 3},
        {"Table 2, 50-34-7", Series({2, 0.2, 0.02}, {50, 49, 49}, {50, 34, 7}), 6.2, 4.5, 8.6,
         0.746, 3},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.source);
        const MpnStatistics s = ComputeStatistics(row.series, {CiMethod::Jarvis, kTwoSigmaLevel});
        ASSERT_EQ(s.mle.kind, MleKind::Finite);
        EXPECT_DOUBLE_EQ(Significant(s.mle.perMl, 2), row.mpn);
        EXPECT_DOUBLE_EQ(Significant(s.limits.lowPerMl, 2), row.low);
        EXPECT_DOUBLE_EQ(Significant(s.limits.highPerMl, 2), row.high);
        EXPECT_DOUBLE_EQ(Significant(s.rarityIndex, row.rarityDigits), row.rarity);
    }
}

// Jarvis et al. (2010), Table 1, the one-sided bounds: 0-0-0 has an upper limit of 1.1/g and
// 3-3-3 a lower limit of 36/g; both put (1 - 0.95) / 2 in the one tail.
TEST(PublishedLimits, Jarvis2010OneSidedBounds) {
    const StatisticsOptions jarvis{CiMethod::Jarvis, 0.95};
    const MpnStatistics none = ComputeStatistics(ThreeEach({1, 0.1, 0.01}, 3, {0, 0, 0}), jarvis);
    EXPECT_EQ(none.limits.lowPerMl, 0);
    EXPECT_DOUBLE_EQ(Significant(none.limits.highPerMl, 2), 1.1);
    EXPECT_EQ(none.rarityIndex, 1);

    const MpnStatistics all = ComputeStatistics(ThreeEach({1, 0.1, 0.01}, 3, {3, 3, 3}), jarvis);
    EXPECT_DOUBLE_EQ(Significant(all.limits.lowPerMl, 2), 36);
    EXPECT_TRUE(std::isinf(all.limits.highPerMl));
    EXPECT_EQ(all.rarityIndex, 1);
}

// Ridout (1994), Biometrics 50:289, Table 1: likelihood-ratio 95 % limits, three tubes at
// 0.1, 0.01, 0.001 g, MPN/g to one decimal. The printed limits stray from the exact chi-square
// cut-off by up to 0.11 % (3-2-2: 62.9 printed, 62.83 exact; 3-3-0: 975.0 against 975.28),
// more than their last digit, hence the margin; a Wald or wrong-cut-off limit misses by far
// more. The table's MPN column is not used: it prints 3.1 for 0-1-0 where the root of the
// score equation and BAM Table 1 give 3.0.
TEST(PublishedLimits, Ridout1994Table1) {
    struct Row {
        std::array<int, 3> positives;
        double low, high;
    };
    const Row rows[] = {
        {{0, 1, 0}, 0.2, 13.4},     {{1, 0, 0}, 0.2, 16.0},     {{1, 1, 0}, 1.2, 23.3},
        {{2, 0, 0}, 1.5, 30.6},     {{2, 0, 1}, 3.4, 40.5},     {{2, 1, 0}, 3.5, 41.8},
        {{2, 2, 0}, 6.2, 54.3},     {{3, 0, 0}, 4.9, 90.8},     {{3, 0, 1}, 9.3, 139.1},
        {{3, 1, 0}, 9.8, 164.7},    {{3, 1, 1}, 17.5, 235.4},   {{3, 2, 0}, 19.8, 311.0},
        {{3, 2, 1}, 36.8, 425.7},   {{3, 2, 2}, 62.9, 554.8},   {{3, 3, 0}, 51.0, 975.0},
        {{3, 3, 1}, 102.5, 1848.5}, {{3, 3, 2}, 218.8, 3784.9},
    };
    const auto near = [](double computed, double printed) {
        return std::abs(computed - printed) <= 0.05 + 1.5e-3 * printed;
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(::testing::PrintToString(row.positives));
        const MpnStatistics s = ComputeStatistics(ThreeEach({0.1, 0.01, 0.001}, 3, row.positives),
                                                  {CiMethod::LikelihoodRatio, 0.95});
        EXPECT_TRUE(near(s.limits.lowPerMl, row.low)) << s.limits.lowPerMl;
        EXPECT_TRUE(near(s.limits.highPerMl, row.high)) << s.limits.highPerMl;
    }
    // The boundary patterns: 0-0-0 has only an upper limit (9.0), 3-3-3 only a lower (465.1).
    const StatisticsOptions lr{CiMethod::LikelihoodRatio, 0.95};
    const MpnStatistics none = ComputeStatistics(ThreeEach({0.1, 0.01, 0.001}, 3, {0, 0, 0}), lr);
    EXPECT_EQ(none.limits.lowPerMl, 0);
    EXPECT_TRUE(near(none.limits.highPerMl, 9.0)) << none.limits.highPerMl;
    const MpnStatistics all = ComputeStatistics(ThreeEach({0.1, 0.01, 0.001}, 3, {3, 3, 3}), lr);
    EXPECT_TRUE(near(all.limits.lowPerMl, 465.1)) << all.limits.lowPerMl;
    EXPECT_TRUE(std::isinf(all.limits.highPerMl));
}

// Blodgett (2002), Table 4: rarity index, five tubes at 1, 0.1, 0.01 mL, three figures.
TEST(PublishedRarity, Blodgett2002Table4) {
    struct Row {
        std::array<int, 3> positives;
        double rarity;
        bool improbable;
    };
    const Row rows[] = {
        {{3, 0, 0}, 1, false},       {{2, 1, 0}, 0.354, false},   {{0, 4, 1}, 5.85e-7, true},
        {{3, 4, 0}, 2.51e-3, false}, {{3, 3, 1}, 2.34e-3, false}, {{0, 2, 5}, 2.91e-13, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(::testing::PrintToString(row.positives));
        const MpnStatistics s =
            ComputeStatistics(ThreeEach({1, 0.1, 0.01}, 5, row.positives), StatisticsOptions{});
        EXPECT_DOUBLE_EQ(Significant(s.rarityIndex, 3), row.rarity);
        EXPECT_EQ(s.improbable, row.improbable);
    }
}

}  // namespace
}  // namespace tubewise::stats
