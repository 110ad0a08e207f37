// The likelihood search: worked examples, where a fault stops it, and agreement bit for bit
// with a plain candidate-by-candidate reference.
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <limits>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "core/Calculation.h"
#include "core/EstimateMpn.h"
#include "core/ValidateGrid.h"
#include "core/stats/MpnStatistics.h"

namespace tubewise {
namespace {

GridTexts Rows(std::initializer_list<GridRowTexts> rows) {
    GridTexts g;
    std::size_t i = 0;
    for (const auto& r : rows) g[i++] = r;
    return g;
}

// The search proper on the grid's texts, as the calculate button reaches it once the grid's
// cells are all numbers: no range refusals, so absurd figures meet the search itself.
SearchResult Search(const GridTexts& grid, int count) {
    const GridCheck check = CheckGrid(grid, count, NumberLocale{});
    EXPECT_TRUE(check.valid) << "row " << check.row;
    return SearchLikelihood(LoadSeries(grid, count, NumberLocale{}));
}

// The curve of a search that has one; entry i is candidate i.
const Curve& CurveOf(const SearchResult& r) {
    static const Curve none{std::vector<double>(kCurveSize + 1),
                            std::vector<double>(kCurveSize + 1)};
    EXPECT_TRUE(r.curve);
    return r.curve ? *r.curve : none;
}

double Lambda(const SearchResult& r, int i) {
    return CurveOf(r).lambda.at(static_cast<std::size_t>(i));
}

double Likelihood(const SearchResult& r, int i) {
    return CurveOf(r).likelihood.at(static_cast<std::size_t>(i));
}

const GridTexts k530 = Rows({{"10", "5", "0"}, {"1", "3", "2"}, {"0.1", "0", "5"}});

// Index of the candidate the answer was taken from.
int CandidateOf(const SearchResult& r) {
    for (int i = 1; i <= kCandidateCount; ++i)
        if (Lambda(r, i) == r.mpnPerMl) return i;
    return 0;
}

// ---- Worked examples -------------------------------------------------------------------------

struct Example {
    const char* name;
    int count;
    GridTexts grid;
    int candidate;
    double maxLikelihood;
    double tolerance;
};

// Test names carry the row's name; the value itself need not be printed.
void PrintTo(const Example& row, std::ostream* os) {
    *os << row.name;
}

class WorkedExample : public testing::TestWithParam<Example> {};

TEST_P(WorkedExample, FindsTheKnownMaximum) {
    const Example& e = GetParam();
    const SearchResult r = Search(e.grid, e.count);
    ASSERT_EQ(r.end, SearchEnd::Completed);
    EXPECT_TRUE(r.gridValid);
    EXPECT_EQ(CandidateOf(r), e.candidate);
    EXPECT_NEAR(r.maxLikelihood, e.maxLikelihood, e.tolerance);
    EXPECT_EQ(r.maxLikelihood, Likelihood(r, e.candidate));
}

INSTANTIATE_TEST_SUITE_P(
    Series, WorkedExample,
    testing::Values(Example{"FiveThreeZero", 3, k530, 792, 0.0225640617980848, 1e-15},
                    Example{"OneDilution", 1, Rows({{"1", "3", "2"}}), 916, 0.03456, 5e-6},
                    // exp(-0.001 x 55.5 mL): the likelihood falls from the first candidate on.
                    Example{"AllNegative", 3,
                            Rows({{"10", "0", "5"}, {"1", "0", "5"}, {"0.1", "0", "5"}}), 1,
                            std::exp(-0.0555), 1e-15},
                    Example{"AllPositive", 3,
                            Rows({{"10", "5", "0"}, {"1", "5", "0"}, {"0.1", "5", "0"}}), 10000,
                            0.1009, 5e-5}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Search, CandidatesAreAccumulatedSums) {
    const SearchResult r = Search(k530, 3);
    EXPECT_EQ(r.mpnPerMl, 0.7920000000000006);
    ASSERT_EQ(CurveOf(r).lambda.size(), static_cast<std::size_t>(kCurveSize + 1));
    ASSERT_EQ(CurveOf(r).likelihood.size(), static_cast<std::size_t>(kCurveSize + 1));
    EXPECT_EQ(Lambda(r, 1), 0.001);
    EXPECT_EQ(Lambda(r, 10000), 9.999999999999897);
    // Formed after the last evaluation, never evaluated.
    EXPECT_EQ(Lambda(r, 10001), 10.000999999999896);
    EXPECT_EQ(Likelihood(r, 10001), 0.0);
    for (int i = 10002; i <= kCurveSize; ++i) {
        EXPECT_EQ(Lambda(r, i), 0.0);
        EXPECT_EQ(Likelihood(r, i), 0.0);
    }
    // The top of the grid is the only candidate the results mark as a lower bound.
    EXPECT_LT(Lambda(r, 9999), 9.99999);
}

TEST(Search, OneDilutionMatchesTheProductWithANeutralFactor) {
    // A row without tubes contributes the factor 1 at every candidate, so the product path
    // must give the single-factor path's curve exactly.
    const SearchResult one = Search(Rows({{"1", "3", "2"}}), 1);
    const SearchResult two = Search(Rows({{"1", "3", "2"}, {"7", "0", "0"}}), 2);
    for (int i = 1; i <= kCandidateCount; ++i)
        ASSERT_EQ(Likelihood(one, i), Likelihood(two, i)) << i;
}

TEST(Search, CountsAreRoundedHalfToEven) {
    const SearchResult halves = Search(Rows({{"1", "2.5", "3.5"}}), 1);
    const SearchResult whole = Search(Rows({{"1", "2", "4"}}), 1);
    ASSERT_EQ(halves.loaded.series.count(), 1);
    EXPECT_EQ(halves.loaded.series.rows[0].positive, 2);
    EXPECT_EQ(halves.loaded.series.rows[0].negative, 4);
    EXPECT_EQ(halves.mpnPerMl, whole.mpnPerMl);
    EXPECT_EQ(halves.maxLikelihood, whole.maxLikelihood);
}

TEST(Search, ZeroVolume) {
    // No positive tube in it: the factor is 1 and the rest of the series decides.
    const SearchResult neutral = Search(Rows({{"0", "0", "5"}, {"1", "3", "2"}}), 2);
    EXPECT_EQ(CandidateOf(neutral), 916);
    // A positive tube in it: every likelihood is 0, nothing beats the initial 0.
    const SearchResult impossible = Search(Rows({{"0", "1", "4"}, {"1", "3", "2"}}), 2);
    EXPECT_EQ(impossible.end, SearchEnd::Completed);
    EXPECT_EQ(impossible.maxLikelihood, 0.0);
    EXPECT_EQ(impossible.mpnPerMl, 0.0);
    EXPECT_EQ(Likelihood(impossible, 500), 0.0);
}

TEST(Search, SmallestDensityWinsATie) {
    // No sample in the tubes: the likelihood is exactly 1 at every candidate.
    const SearchResult r = Search(Rows({{"0", "0", "5"}}), 1);
    EXPECT_EQ(Likelihood(r, 1), 1.0);
    EXPECT_EQ(Likelihood(r, kCandidateCount), 1.0);
    EXPECT_EQ(r.maxLikelihood, 1.0);
    EXPECT_EQ(r.mpnPerMl, 0.001);
}

// ---- Likelihoods below the smallest double -----------------------------------------------------

struct UnderflowRow {
    const char* name;
    GridTexts grid;
    int count;
};

void PrintTo(const UnderflowRow& row, std::ostream* os) {
    *os << row.name;
}

class UnderflowingSeries : public testing::TestWithParam<UnderflowRow> {};

// The products underflow to 0 at every candidate; the answer must still be the grid point next
// to the exact maximum, found from the log-likelihoods of the same candidates.
TEST_P(UnderflowingSeries, AnswerIsTheGridPointOfTheExactMle) {
    const UnderflowRow& row = GetParam();
    const SearchResult r = Search(row.grid, row.count);
    ASSERT_EQ(r.end, SearchEnd::Completed);
    for (int i = 1; i <= kCandidateCount; i += 97) ASSERT_EQ(Likelihood(r, i), 0.0) << i;
    EXPECT_TRUE(r.likelihoodUnderflow);
    EXPECT_EQ(r.maxLikelihood, 0.0);

    const SeriesLoad load = LoadSeries(row.grid, row.count, NumberLocale{});
    const stats::Mle mle = stats::ExactMle(DilutionsOf(load.series));
    ASSERT_EQ(mle.kind, stats::MleKind::Finite);
    // Candidates lie 0.001 apart: the grid point next to the exact estimate.
    EXPECT_NEAR(r.mpnPerMl, mle.perMl, 0.0005 + 1e-9);
    // The log figure is the largest log-likelihood over the candidates, found first.
    const int at = CandidateOf(r);
    ASSERT_GT(at, 0);
    EXPECT_EQ(r.maxLogLikelihood, LogLikelihoodAt(load.series, Lambda(r, at)));
    for (int i = 1; i <= kCandidateCount; ++i) {
        const double logLikelihood = LogLikelihoodAt(load.series, Lambda(r, i));
        if (i < at) {
            ASSERT_LT(logLikelihood, r.maxLogLikelihood) << i;
        } else {
            ASSERT_LE(logLikelihood, r.maxLogLikelihood) << i;
        }
    }
    EXPECT_LT(r.maxLogLikelihood, std::log(std::numeric_limits<double>::denorm_min()));
}

INSTANTIATE_TEST_SUITE_P(
    Series, UnderflowingSeries,
    testing::Values(
        UnderflowRow{"ThousandTubesHalfPositive", Rows({{"1", "1000", "1000"}}), 1},
        UnderflowRow{"TwoLargeDilutions", Rows({{"10", "300", "300"}, {"1", "200", "100"}}), 2},
        UnderflowRow{"ThreeDilutionTrays",
                     Rows({{"1", "800", "700"}, {"0.1", "400", "300"}, {"0.01", "60", "940"}}), 3}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Search, ThousandTubesHalfPositiveIsLnTwo) {
    // The likelihood (1 - e^-l)^1000 e^-1000 l peaks at l = ln 2: candidate 693.
    const SearchResult r = Search(Rows({{"1", "1000", "1000"}}), 1);
    EXPECT_EQ(CandidateOf(r), 693);
    EXPECT_NEAR(r.mpnPerMl, 0.693, 1e-12);
    // 0.693 lies 1.5e-4 from ln 2, where the curvature is 2000: 2e-5 below the peak.
    EXPECT_NEAR(r.maxLogLikelihood, -2000 * std::log(2.0), 1e-4);
    EXPECT_FALSE(SearchAnswerIsLowerBound(r));
}

// The largest product is not 0 but lies below the smallest normal double, where neighbouring
// candidates are no longer told apart: the products peak at 0.312 per mL, the likelihood at
// 0.316.
TEST(Search, SubnormalMaximumIsDecidedByTheLogLikelihoods) {
    const GridTexts grid =
        Rows({{"62.0623", "2", "7"}, {"0.0103513", "6", "3"}, {"0.211697", "189", "770"}});
    const SearchResult r = Search(grid, 3);
    ASSERT_EQ(r.end, SearchEnd::Completed);
    const Series& s = r.loaded.series;
    int largestProduct = 1;
    for (int i = 2; i <= kCandidateCount; ++i)
        if (Likelihood(r, largestProduct) < Likelihood(r, i)) largestProduct = i;
    EXPECT_EQ(largestProduct, 312);
    ASSERT_GT(Likelihood(r, largestProduct), 0.0);
    ASSERT_LT(Likelihood(r, largestProduct), std::numeric_limits<double>::min());

    EXPECT_TRUE(r.likelihoodUnderflow);
    EXPECT_EQ(CandidateOf(r), 316);
    EXPECT_NEAR(r.mpnPerMl, 0.316, 1e-12);
    // The products' own figure at the answer stays, below the smallest normal double.
    EXPECT_EQ(r.maxLikelihood, Likelihood(r, 316));
    EXPECT_LT(r.maxLikelihood, std::numeric_limits<double>::min());
    EXPECT_NEAR(r.maxLogLikelihood, -740.6057, 1e-4);
    EXPECT_EQ(r.maxLogLikelihood, LogLikelihoodAt(s, Lambda(r, 316)));
    EXPECT_NEAR(LogLikelihoodAt(s, Lambda(r, 312)), -740.6206, 1e-4);

    // The answer-only search and the calculation come to the same answer.
    SearchOptions answerOnly;
    answerOnly.wantCurve = false;
    const SearchResult fast = SearchLikelihood(LoadSeries(grid, 3, NumberLocale{}), answerOnly);
    EXPECT_EQ(fast.mpnPerMl, r.mpnPerMl);
    EXPECT_TRUE(fast.likelihoodUnderflow);
    const Calculation calc = Calculate(grid, 3, NumberLocale{});
    ASSERT_TRUE(calc.showResults());
    EXPECT_NEAR(calc.mpnPer100Ml(), 31.6, 1e-9);

    // A maximum that is a normal double keeps the products' answer.
    const SearchResult usual = Search(k530, 3);
    EXPECT_FALSE(usual.likelihoodUnderflow);
    EXPECT_GE(usual.maxLikelihood, std::numeric_limits<double>::min());
    EXPECT_EQ(CandidateOf(usual), 792);
}

TEST(Search, LikelihoodsThatDoNotUnderflowKeepTheDocumentedAnswer) {
    // A normal maximum: no log comparison, the log figure is the maximum's own logarithm.
    const SearchResult r = Search(k530, 3);
    EXPECT_FALSE(r.likelihoodUnderflow);
    EXPECT_EQ(r.maxLogLikelihood, std::log(r.maxLikelihood));
    // Zeros far down the curve's flank (100 mL tubes at high densities) do not hide the answer.
    const SearchResult flank = Search(Rows({{"100", "3", "2"}}), 1);
    EXPECT_EQ(Likelihood(flank, kCandidateCount), 0.0);
    EXPECT_FALSE(flank.likelihoodUnderflow);
    EXPECT_EQ(flank.maxLikelihood, Likelihood(flank, CandidateOf(flank)));
    // A positive tube without sample: every likelihood is exactly 0, not an underflow.
    const SearchResult impossible = Search(Rows({{"0", "1", "4"}, {"1", "3", "2"}}), 2);
    EXPECT_FALSE(impossible.likelihoodUnderflow);
    EXPECT_EQ(impossible.mpnPerMl, 0.0);
    EXPECT_EQ(impossible.maxLogLikelihood, -std::numeric_limits<double>::infinity());
}

TEST(Search, AnswerIsALowerBoundWhereTheLikelihoodStillRises) {
    const auto lowerBound = [](const GridTexts& grid, int count) {
        return SearchAnswerIsLowerBound(Search(grid, count));
    };
    // Five 100 mL tubes all positive: the likelihood rounds to exactly 1 at 0.375 per mL and the
    // strict comparison keeps that candidate, far below the top, although the density is
    // unbounded.
    const SearchResult large = Search(Rows({{"100", "5", "0"}}), 1);
    ASSERT_EQ(large.end, SearchEnd::Completed);
    EXPECT_LT(large.mpnPerMl, 1.0);
    EXPECT_TRUE(lowerBound(Rows({{"100", "5", "0"}}), 1));
    // Every tube positive at small volumes: the maximum reaches the top candidate.
    EXPECT_TRUE(lowerBound(Rows({{"10", "5", "0"}, {"1", "5", "0"}, {"0.1", "5", "0"}}), 3));
    // A maximum inside the range with a negative tube is the estimate itself.
    EXPECT_FALSE(lowerBound(k530, 3));
    // No positive tube, or no sample in the positive tubes: not a rising likelihood.
    EXPECT_FALSE(lowerBound(Rows({{"10", "0", "5"}}), 1));
    EXPECT_FALSE(lowerBound(Rows({{"0", "5", "0"}}), 1));
    // A search that never ran has no answer to judge.
    EXPECT_FALSE(SearchAnswerIsLowerBound(SearchResult{}));
}

// ---- Refusals and faults ---------------------------------------------------------------------

TEST(Search, InvalidGridFormsNoCurveAndNoFigures) {
    const Calculation calc =
        Calculate(Rows({{"10", "5", "0"}, {"1", "", "2"}, {"0.1", "0", "5"}}), 3, NumberLocale{});
    EXPECT_EQ(calc.search.end, SearchEnd::InvalidGrid);
    ASSERT_TRUE(calc.refusal);
    EXPECT_EQ(calc.refusalRow, 2);
    EXPECT_FALSE(calc.gridValid());
    EXPECT_FALSE(calc.search.curve);
    EXPECT_EQ(calc.search.maxLikelihood, 0.0);
    EXPECT_EQ(calc.search.mpnPerMl, 0.0);
    EXPECT_EQ(calc.series().count(), 0);
}

TEST(Search, CountBeyondSixteenBitsEndsAtTheFirstLoad) {
    const SearchResult r =
        Search(Rows({{"10", "5", "0"}, {"1", "40000", "2"}, {"0.1", "0", "5"}}), 3);
    EXPECT_EQ(r.end, SearchEnd::Fault);
    EXPECT_EQ(r.stop.candidate, 1);
    EXPECT_EQ(r.stop.row, 2);
    EXPECT_TRUE(r.gridValid);
    EXPECT_EQ(r.maxLikelihood, 0.0);
    EXPECT_EQ(r.mpnPerMl, 0.0);
    EXPECT_EQ(Lambda(r, 1), 0.001);
    for (int i = 2; i <= kCurveSize; ++i) ASSERT_EQ(Lambda(r, i), 0.0);
    for (int i = 1; i <= kCurveSize; ++i) ASSERT_EQ(Likelihood(r, i), 0.0);
    // Row 1 was loaded; row 2 got as far as its volume.
    const Series& s = r.loaded.series;
    ASSERT_EQ(s.count(), 3);
    EXPECT_EQ(r.loaded.loadedCells, 4);
    EXPECT_EQ(r.loaded.failedRow(), 2);
    EXPECT_EQ(s.rows[0], (SeriesRow{10.0, 5, 0}));
    EXPECT_EQ(s.rows[1], (SeriesRow{1.0, 0, 0}));
    EXPECT_EQ(s.rows[2], (SeriesRow{0.0, 0, 0}));
}

TEST(Search, ExponentialOverflowEndsTheSearchWhereItHappens) {
    // A negative volume turns the exponent positive; exp overflows once 100 x density > 709.78.
    const SearchResult r = Search(Rows({{"1", "3", "2"}, {"-100", "0", "1"}}), 2);
    ASSERT_EQ(r.end, SearchEnd::Fault);
    EXPECT_EQ(r.stop.row, 2);
    const int at = r.stop.candidate;
    EXPECT_FALSE(std::isfinite(std::exp(100 * Lambda(r, at))));
    EXPECT_TRUE(std::isfinite(std::exp(100 * Lambda(r, at - 1))));
    EXPECT_EQ(Lambda(r, at + 1), 0.0);
    EXPECT_EQ(Likelihood(r, at), 0.0);
    EXPECT_GT(Likelihood(r, at - 1), 0.0);
}

TEST(Search, AbsurdSeriesNeverCrashOrHang) {
    const struct {
        int count;
        GridTexts grid;
        SearchEnd end;
    } rows[] = {
        {1, Rows({{"0", "0", "-1"}}), SearchEnd::Completed},  // e = 1: factor 1
        {1, Rows({{"0", "-1", "0"}}), SearchEnd::Fault},      // 0 to a negative power
        {1, Rows({{"1", "-3", "2"}}), SearchEnd::Completed},
        {1, Rows({{"-1", "-3", "-2"}}), SearchEnd::Completed},
        {2, Rows({{"1e308", "1", "1"}, {"1", "1", "1"}}), SearchEnd::Fault},  // -1e308 x 1.8
        {1, Rows({{"1e-320", "32767", "-32768"}}), SearchEnd::Completed},     // factor 0
        {1, Rows({{"1e-320", "-1", "0"}}), SearchEnd::Fault},
        {5,
         Rows({{"-5", "1000", "1000"},
               {"1", "1", "1"},
               {"1", "1", "1"},
               {"1", "1", "1"},
               {"1", "1", "1"}}),
         SearchEnd::Fault},
    };
    for (const auto& row : rows) {
        const SearchResult r = Search(row.grid, row.count);
        EXPECT_EQ(r.end, row.end) << row.grid[0].volume << ':' << row.grid[0].positive;
    }
    // A count outside the grid's rows leaves nothing to search.
    for (const int count : {0, 7}) {
        const Calculation calc = Calculate(Rows({{"1", "1", "1"}}), count, NumberLocale{});
        EXPECT_EQ(calc.search.end, SearchEnd::Fault) << count;
        EXPECT_FALSE(calc.gridValid());
        EXPECT_FALSE(calc.search.curve);
        EXPECT_EQ(calc.refusalRow, 0);
    }
}

// ---- Bit-for-bit agreement with the plain procedure ------------------------------------------

// What the plain procedure leaves: the series as loaded, the curve, the figures.
struct PlainRun {
    SearchEnd end = SearchEnd::InvalidGrid;
    SearchStop stop;
    std::vector<double> volume;
    std::vector<int> positive;
    std::vector<int> negative;
    std::vector<double> lambda = std::vector<double>(kCurveSize + 1, 0.0);
    std::vector<double> likelihood = std::vector<double>(kCurveSize + 1, 0.0);
    double maxLikelihood = 0;
    double mpnPerMl = 0;
    double maxLogLikelihood = -std::numeric_limits<double>::infinity();
    bool likelihoodUnderflow = false;
};

// The procedure in its plain form: every candidate reloads the grid, forms each factor with
// std::exp and std::pow and multiplies left to right; a non-finite result ends it before being
// stored.
PlainRun Reference(const GridTexts& grid, int n) {
    const NumberLocale locale;
    PlainRun s;
    if (!CheckGrid(grid, n, locale).valid) return s;
    const std::size_t rows = static_cast<std::size_t>(n);
    s.volume.assign(rows, 0.0);
    s.positive.assign(rows, 0);
    s.negative.assign(rows, 0);
    std::vector<double> term(rows, 0.0);
    s.end = SearchEnd::Fault;
    int i = 1;
    s.lambda[1] = 0.001;
    for (;;) {
        for (std::size_t j = 0; j < rows; ++j) {
            s.stop = {i, static_cast<int>(j) + 1};
            const GridRowTexts& cells = grid[j];
            const auto v = TextToFloat(cells.volume, locale);
            if (!v) return s;
            s.volume[j] = *v;
            const auto p = TextToInt16(cells.positive, locale);
            if (!p) return s;
            s.positive[j] = *p;
            const auto q = TextToInt16(cells.negative, locale);
            if (!q) return s;
            s.negative[j] = *q;
            const double x = -s.volume[j] * s.lambda[static_cast<std::size_t>(i)];
            if (!std::isfinite(x)) return s;
            const double e = std::exp(x);
            if (!std::isfinite(e)) return s;
            const double f = std::pow(1.0 - e, s.positive[j]) * std::pow(e, s.negative[j]);
            if (!std::isfinite(f)) return s;
            term[j] = f;
        }
        s.stop = {i, 0};
        double& likelihood = s.likelihood[static_cast<std::size_t>(i)];
        if (rows >= 2) {
            double product = term[0];
            for (std::size_t k = 1; k < rows; ++k) {
                const double next = term[k] * product;
                if (!std::isfinite(next)) return s;
                product = next;
                likelihood = product;
            }
        } else {
            likelihood = term[0];
        }
        if (s.maxLikelihood < likelihood) {
            s.maxLikelihood = likelihood;
            s.mpnPerMl = s.lambda[static_cast<std::size_t>(i)];
        }
        ++i;
        s.lambda[static_cast<std::size_t>(i)] = s.lambda[static_cast<std::size_t>(i - 1)] + 0.001;
        if (i > kCandidateCount) break;
    }
    s.end = SearchEnd::Completed;
    // The underflow rule in its plain form: where the maximum lies below the smallest normal
    // double every candidate, else every candidate whose likelihood computed to 0, is compared
    // in logs with the maximum; where one exceeds it, the first largest log-likelihood over all
    // candidates is the answer.
    Series series;
    for (std::size_t j = 0; j < rows; ++j)
        series.rows.push_back({s.volume[j], s.positive[j], s.negative[j]});
    const bool subnormal = s.maxLikelihood < std::numeric_limits<double>::min();
    const double logMax = std::log(s.maxLikelihood);
    bool hidden = false;
    for (std::size_t k = 1; k <= kCandidateCount; ++k)
        hidden = hidden || ((subnormal || s.likelihood[k] == 0) &&
                            LogLikelihoodAt(series, s.lambda[k]) > logMax);
    s.likelihoodUnderflow = hidden;
    if (hidden) {
        double best = -std::numeric_limits<double>::infinity();
        for (std::size_t k = 1; k <= kCandidateCount; ++k) {
            const double logLikelihood = LogLikelihoodAt(series, s.lambda[k]);
            if (best < logLikelihood) {
                best = logLikelihood;
                s.mpnPerMl = s.lambda[k];
                s.maxLikelihood = s.likelihood[k];
            }
        }
        s.maxLogLikelihood = best;
    } else if (!subnormal) {
        s.maxLogLikelihood = std::log(s.maxLikelihood);
    } else if (s.mpnPerMl > 0) {
        s.maxLogLikelihood = LogLikelihoodAt(series, s.mpnPerMl);
    }
    return s;
}

std::uint64_t Bits(double x) {
    return std::bit_cast<std::uint64_t>(x);
}

testing::AssertionResult SameBits(const char* name, const std::vector<double>& a,
                                  const std::vector<double>& b) {
    if (a.size() != b.size())
        return testing::AssertionFailure() << name << " sizes " << a.size() << " vs " << b.size();
    for (std::size_t i = 0; i < a.size(); ++i)
        if (Bits(a[i]) != Bits(b[i]))
            return testing::AssertionFailure()
                   << name << '[' << i << "] " << a[i] << " vs " << b[i];
    return testing::AssertionSuccess();
}

testing::AssertionResult SameSeries(const Series& got, const PlainRun& want) {
    if (got.count() != static_cast<int>(want.volume.size()))
        return testing::AssertionFailure()
               << "rows " << got.count() << " vs " << want.volume.size();
    for (std::size_t j = 0; j < want.volume.size(); ++j) {
        const SeriesRow& row = got.rows[j];
        if (Bits(row.volume) != Bits(want.volume[j]) || row.positive != want.positive[j] ||
            row.negative != want.negative[j])
            return testing::AssertionFailure()
                   << "row " << j + 1 << ": " << row.volume << ':' << row.positive << ':'
                   << row.negative << " vs " << want.volume[j] << ':' << want.positive[j] << ':'
                   << want.negative[j];
    }
    return testing::AssertionSuccess();
}

std::string RandomCell(std::mt19937& rng, bool volume) {
    std::uniform_int_distribution<int> kind(0, 99);
    const int k = kind(rng);
    char buf[64];
    if (volume) {
        static const char* usual[] = {"100", "10", "1", "0.1", "0.01", "0.001", "50", "0.5"};
        if (k < 60) return usual[k % 8];
        if (k < 85) {
            std::snprintf(buf, sizeof buf, "%.6g",
                          std::pow(10.0, std::uniform_real_distribution<double>(-4, 2.5)(rng)));
            return buf;
        }
        static const char* odd[] = {"0",      "-0.5",   "-10", "-100", "1e300",
                                    "-1e300", "1e-320", "1e6", "250",  "-1"};
        return odd[k % 10];
    }
    if (k < 85) return std::to_string(std::uniform_int_distribution<int>(0, 12)(rng));
    static const char* odd[] = {"-1",   "-3",     "2.5", "40000", "300", "-32768", "32767", "0.5",
                                "1000", "-40000", "120", "7.5",   "-2",  "64",     "15"};
    return odd[k % 15];
}

TEST(FastPath, AgreesBitForBitWithThePlainProcedure) {
    std::mt19937 rng(7);
    int faults = 0, completed = 0, underflows = 0;
    for (int n = 0; n < 400; ++n) {
        const int count = 1 + n % 5;
        GridTexts grid;
        for (int j = 0; j < count; ++j)
            grid[static_cast<std::size_t>(j)] = {RandomCell(rng, true), RandomCell(rng, false),
                                                 RandomCell(rng, false)};
        std::string series;
        for (int j = 0; j < count; ++j)
            series += grid[static_cast<std::size_t>(j)].volume + ':' +
                      grid[static_cast<std::size_t>(j)].positive + ':' +
                      grid[static_cast<std::size_t>(j)].negative + ' ';
        SCOPED_TRACE(series);
        const SearchResult fast = Search(grid, count);
        const PlainRun plain = Reference(grid, count);
        ASSERT_EQ(fast.end, plain.end);
        if (fast.end == SearchEnd::Fault) {
            ++faults;
            EXPECT_EQ(fast.stop.candidate, plain.stop.candidate);
            EXPECT_EQ(fast.stop.row, plain.stop.row);
        } else {
            ++completed;
            EXPECT_EQ(fast.likelihoodUnderflow, plain.likelihoodUnderflow);
            EXPECT_EQ(Bits(fast.maxLogLikelihood), Bits(plain.maxLogLikelihood));
            underflows += plain.likelihoodUnderflow;
        }
        EXPECT_TRUE(fast.gridValid);
        EXPECT_EQ(Bits(fast.maxLikelihood), Bits(plain.maxLikelihood));
        EXPECT_EQ(Bits(fast.mpnPerMl), Bits(plain.mpnPerMl));
        EXPECT_TRUE(SameSeries(fast.loaded.series, plain));
        EXPECT_TRUE(SameBits("lambda", CurveOf(fast).lambda, plain.lambda));
        EXPECT_TRUE(SameBits("likelihood", CurveOf(fast).likelihood, plain.likelihood));
    }
    // Both endings must have been exercised for the comparison to mean anything.
    EXPECT_GT(faults, 40);
    EXPECT_GT(completed, 150);
    EXPECT_GT(underflows, 8);
}

// ---- Published values ------------------------------------------------------------------------

// FDA Bacteriological Analytical Manual, Appendix 2, Table 1: three tubes each of 0.1, 0.01 and
// 0.001 g, i.e. 10, 1 and 0.1 mL with the MPN per 100 mL, two significant figures.
struct BamRow {
    std::string pattern;
    std::string mpn;
};

std::vector<BamRow> BamTable() {
    std::ifstream in(TUBEWISE_BAM_TABLE);
    std::vector<BamRow> rows;
    std::string line;
    std::getline(in, line);  // header
    while (std::getline(in, line)) {
        std::stringstream fields(line);
        BamRow r;
        std::string skip;
        std::getline(fields, r.pattern, ',');
        std::getline(fields, skip, ',');
        std::getline(fields, skip, ',');
        std::getline(fields, r.mpn, ',');
        rows.push_back(r);
    }
    return rows;
}

double TwoSignificant(double x) {
    const double unit = std::pow(10.0, std::floor(std::log10(x)) - 1);
    return std::round(x / unit) * unit;
}

SearchResult BamSearch(const std::string& pattern) {
    GridTexts g;
    const char* volumes[] = {"10", "1", "0.1"};
    for (int j = 0; j < 3; ++j) {
        const int positive = pattern[static_cast<std::size_t>(2 * j)] - '0';
        g[static_cast<std::size_t>(j)] = {volumes[j], std::to_string(positive),
                                          std::to_string(3 - positive)};
    }
    return Search(g, 3);
}

TEST(PublishedTable, BamThreeTubeMpnAgreesWithinTheGrid) {
    const auto table = BamTable();
    ASSERT_EQ(table.size(), 40u);
    // The grid steps by 0.1 per 100 mL; for these two patterns the grid point next to the exact
    // estimate lies on the rounding boundary (20.5 and 38.5) and rounds the other way.
    const std::vector<std::string> onBoundary = {"2-1-1", "3-0-1"};
    int exact = 0;
    for (const auto& row : table) {
        SCOPED_TRACE(row.pattern);
        const SearchResult r = BamSearch(row.pattern);
        ASSERT_EQ(r.end, SearchEnd::Completed);
        const double per100 = r.mpnPerMl * 100;
        if (row.mpn.front() == '<') {
            // All negative: the first candidate, below the table's bound.
            EXPECT_EQ(r.mpnPerMl, 0.001);
            EXPECT_LT(per100, std::stod(row.mpn.substr(1)));
        } else if (row.mpn.front() == '>' || std::stod(row.mpn) > 1000) {
            // Beyond 10 per mL the likelihood still rises at the top of the grid.
            EXPECT_EQ(r.mpnPerMl, Lambda(r, kCandidateCount));
        } else if (std::find(onBoundary.begin(), onBoundary.end(), row.pattern) !=
                   onBoundary.end()) {
            EXPECT_NEAR(per100, std::stod(row.mpn), 0.5 + 0.1);
        } else {
            EXPECT_DOUBLE_EQ(TwoSignificant(per100), std::stod(row.mpn));
            ++exact;
        }
    }
    EXPECT_EQ(exact, 35);
}

}  // namespace
}  // namespace tubewise
