// The likelihood search: worked examples, the state a fault leaves, and agreement bit for bit
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

struct SearchRun {
    Module1 state;
    SearchEnd end = SearchEnd::Completed;
    SearchStop stop;
    std::vector<Message> told;
};

SearchRun Search(const GridTexts& grid, int count) {
    SearchRun r;
    r.state.DilutionCount = static_cast<Int16>(count);
    r.end = EstimateMpn(
        r.state, grid, NumberLocale{}, [&](const Message& m) { r.told.push_back(m); }, &r.stop);
    return r;
}

const GridTexts k530 = Rows({{"10", "5", "0"}, {"1", "3", "2"}, {"0.1", "0", "5"}});

// Index of the candidate MpnPerMl was taken from.
int CandidateOf(const Module1& s) {
    for (int i = 1; i <= kCandidateCount; ++i)
        if (s.LambdaGrid(i) == s.MpnPerMl) return i;
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
    const SearchRun r = Search(e.grid, e.count);
    ASSERT_EQ(r.end, SearchEnd::Completed);
    EXPECT_EQ(r.state.GridValid, kTrue);
    EXPECT_TRUE(r.told.empty());
    EXPECT_EQ(CandidateOf(r.state), e.candidate);
    EXPECT_NEAR(r.state.MaxLikelihood, e.maxLikelihood, e.tolerance);
    EXPECT_EQ(r.state.MaxLikelihood, r.state.LikelihoodGrid(e.candidate));
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
    const SearchRun r = Search(k530, 3);
    EXPECT_EQ(r.state.MpnPerMl, 0.7920000000000006);
    EXPECT_EQ(r.state.LambdaGrid(1), 0.001);
    EXPECT_EQ(r.state.LambdaGrid(10000), 9.999999999999897);
    // Formed after the last evaluation, never evaluated.
    EXPECT_EQ(r.state.LambdaGrid(10001), 10.000999999999896);
    EXPECT_EQ(r.state.LikelihoodGrid(10001), 0.0);
    for (int i = 10002; i <= kCurveSize; ++i) {
        EXPECT_EQ(r.state.LambdaGrid(i), 0.0);
        EXPECT_EQ(r.state.LikelihoodGrid(i), 0.0);
    }
    EXPECT_EQ(r.state.LambdaGrid.UpperBound(), kCurveSize);
    // The top of the grid is the only candidate the results mark as a lower bound.
    EXPECT_LT(r.state.LambdaGrid(9999), 9.99999);
}

TEST(Search, OneDilutionMatchesTheProductWithANeutralFactor) {
    // A row without tubes contributes the factor 1 at every candidate, so the product path
    // must give the single-factor path's curve exactly.
    const SearchRun one = Search(Rows({{"1", "3", "2"}}), 1);
    const SearchRun two = Search(Rows({{"1", "3", "2"}, {"7", "0", "0"}}), 2);
    for (int i = 1; i <= kCandidateCount; ++i)
        ASSERT_EQ(one.state.LikelihoodGrid(i), two.state.LikelihoodGrid(i)) << i;
    EXPECT_EQ(one.state.RunningProduct(1), one.state.DilutionTerm(1));
}

TEST(Search, CountsAreRoundedHalfToEven) {
    const SearchRun halves = Search(Rows({{"1", "2.5", "3.5"}}), 1);
    const SearchRun whole = Search(Rows({{"1", "2", "4"}}), 1);
    EXPECT_EQ(halves.state.PositiveTubes(1), 2);
    EXPECT_EQ(halves.state.NegativeTubes(1), 4);
    EXPECT_EQ(halves.state.MpnPerMl, whole.state.MpnPerMl);
    EXPECT_EQ(halves.state.MaxLikelihood, whole.state.MaxLikelihood);
}

TEST(Search, ZeroVolume) {
    // No positive tube in it: the factor is 1 and the rest of the series decides.
    const SearchRun neutral = Search(Rows({{"0", "0", "5"}, {"1", "3", "2"}}), 2);
    EXPECT_EQ(CandidateOf(neutral.state), 916);
    // A positive tube in it: every likelihood is 0, nothing beats the initial 0.
    const SearchRun impossible = Search(Rows({{"0", "1", "4"}, {"1", "3", "2"}}), 2);
    EXPECT_EQ(impossible.end, SearchEnd::Completed);
    EXPECT_EQ(impossible.state.MaxLikelihood, 0.0);
    EXPECT_EQ(impossible.state.MpnPerMl, 0.0);
    EXPECT_EQ(impossible.state.LikelihoodGrid(500), 0.0);
}

TEST(Search, SmallestDensityWinsATie) {
    // No sample in the tubes: the likelihood is exactly 1 at every candidate.
    const SearchRun r = Search(Rows({{"0", "0", "5"}}), 1);
    EXPECT_EQ(r.state.LikelihoodGrid(1), 1.0);
    EXPECT_EQ(r.state.LikelihoodGrid(kCandidateCount), 1.0);
    EXPECT_EQ(r.state.MaxLikelihood, 1.0);
    EXPECT_EQ(r.state.MpnPerMl, 0.001);
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
    const SearchRun r = Search(row.grid, row.count);
    ASSERT_EQ(r.end, SearchEnd::Completed);
    for (int i = 1; i <= kCandidateCount; i += 97) ASSERT_EQ(r.state.LikelihoodGrid(i), 0.0) << i;
    EXPECT_EQ(r.state.LikelihoodUnderflow, kTrue);
    EXPECT_EQ(r.state.MaxLikelihood, 0.0);

    const SeriesLoad load = LoadSeries(row.grid, row.count, NumberLocale{});
    std::vector<stats::Dilution> dilutions;
    for (int j = 0; j < row.count; ++j) {
        const SeriesRow& d = load.series.rows[static_cast<std::size_t>(j)];
        dilutions.push_back({d.volume, d.positive + d.negative, d.positive});
    }
    const stats::Mle mle = stats::ExactMle(dilutions);
    ASSERT_EQ(mle.kind, stats::MleKind::Finite);
    // Candidates lie 0.001 apart: the grid point next to the exact estimate.
    EXPECT_NEAR(r.state.MpnPerMl, mle.perMl, 0.0005 + 1e-9);
    // The log figure is the largest log-likelihood over the candidates, found first.
    const int at = CandidateOf(r.state);
    ASSERT_GT(at, 0);
    EXPECT_EQ(r.state.MaxLogLikelihood, LogLikelihoodAt(load.series, r.state.LambdaGrid(at)));
    for (int i = 1; i <= kCandidateCount; ++i) {
        const double logLikelihood = LogLikelihoodAt(load.series, r.state.LambdaGrid(i));
        if (i < at) {
            ASSERT_LT(logLikelihood, r.state.MaxLogLikelihood) << i;
        } else {
            ASSERT_LE(logLikelihood, r.state.MaxLogLikelihood) << i;
        }
    }
    EXPECT_LT(r.state.MaxLogLikelihood, std::log(std::numeric_limits<double>::denorm_min()));
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
    const SearchRun r = Search(Rows({{"1", "1000", "1000"}}), 1);
    EXPECT_EQ(CandidateOf(r.state), 693);
    EXPECT_NEAR(r.state.MpnPerMl, 0.693, 1e-12);
    // 0.693 lies 1.5e-4 from ln 2, where the curvature is 2000: 2e-5 below the peak.
    EXPECT_NEAR(r.state.MaxLogLikelihood, -2000 * std::log(2.0), 1e-4);
    EXPECT_FALSE(SearchAnswerIsLowerBound(
        SearchLikelihood(LoadSeries(Rows({{"1", "1000", "1000"}}), 1, NumberLocale{}))));
}

TEST(Search, LikelihoodsThatDoNotUnderflowKeepTheDocumentedAnswer) {
    // A normal maximum: no log comparison, the log figure is the maximum's own logarithm.
    const SearchRun r = Search(k530, 3);
    EXPECT_EQ(r.state.LikelihoodUnderflow, kFalse);
    EXPECT_EQ(r.state.MaxLogLikelihood, std::log(r.state.MaxLikelihood));
    // Zeros far down the curve's flank (100 mL tubes at high densities) do not hide the answer.
    const SearchRun flank = Search(Rows({{"100", "3", "2"}}), 1);
    EXPECT_EQ(flank.state.LikelihoodGrid(kCandidateCount), 0.0);
    EXPECT_EQ(flank.state.LikelihoodUnderflow, kFalse);
    EXPECT_EQ(flank.state.MaxLikelihood, flank.state.LikelihoodGrid(CandidateOf(flank.state)));
    // A positive tube without sample: every likelihood is exactly 0, not an underflow.
    const SearchRun impossible = Search(Rows({{"0", "1", "4"}, {"1", "3", "2"}}), 2);
    EXPECT_EQ(impossible.state.LikelihoodUnderflow, kFalse);
    EXPECT_EQ(impossible.state.MpnPerMl, 0.0);
    EXPECT_EQ(impossible.state.MaxLogLikelihood, -std::numeric_limits<double>::infinity());
}

TEST(Search, AnswerIsALowerBoundWhereTheLikelihoodStillRises) {
    const auto lowerBound = [](const GridTexts& grid, int count) {
        return SearchAnswerIsLowerBound(SearchLikelihood(LoadSeries(grid, count, NumberLocale{})));
    };
    // Five 100 mL tubes all positive: the likelihood rounds to exactly 1 at 0.375 per mL and the
    // strict comparison keeps that candidate, far below the top, although the density is
    // unbounded.
    const SearchRun large = Search(Rows({{"100", "5", "0"}}), 1);
    ASSERT_EQ(large.end, SearchEnd::Completed);
    EXPECT_LT(large.state.MpnPerMl, 1.0);
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

TEST(Search, RecreatesTheArraysForTheCurrentCount) {
    SearchRun r = Search(k530, 3);
    r.state.DilutionCount = 2;
    EstimateMpn(r.state, k530, NumberLocale{}, {});
    EXPECT_EQ(r.state.SampleVolume.UpperBound(), 2);
    EXPECT_EQ(r.state.DilutionTerm.UpperBound(), 2);
    EXPECT_THROW(r.state.PositiveTubes(3), std::out_of_range);
}

// ---- Refusals and faults ---------------------------------------------------------------------

TEST(Search, InvalidGridLeavesZeroArraysAndThePreviousResults) {
    SearchRun r = Search(k530, 3);
    const double previousMax = r.state.MaxLikelihood;
    const double previousMpn = r.state.MpnPerMl;
    std::vector<Message> told;
    const SearchEnd end =
        EstimateMpn(r.state, Rows({{"10", "5", "0"}, {"1", "", "2"}, {"0.1", "0", "5"}}),
                    NumberLocale{}, [&](const Message& m) { told.push_back(m); });
    EXPECT_EQ(end, SearchEnd::InvalidGrid);
    EXPECT_EQ(told.size(), 1u);
    EXPECT_EQ(r.state.GridValid, kFalse);
    EXPECT_EQ(r.state.MaxLikelihood, previousMax);
    EXPECT_EQ(r.state.MpnPerMl, previousMpn);
    EXPECT_EQ(r.state.LambdaGrid.UpperBound(), kCurveSize);
    for (int i = 1; i <= kCurveSize; ++i) {
        ASSERT_EQ(r.state.LambdaGrid(i), 0.0);
        ASSERT_EQ(r.state.LikelihoodGrid(i), 0.0);
    }
    for (int j = 1; j <= 3; ++j) EXPECT_EQ(r.state.SampleVolume(j), 0.0);
}

TEST(Search, CountBeyondSixteenBitsEndsAtTheFirstLoad) {
    SearchRun r;
    r.state.DilutionCount = 3;
    r.state.MaxLikelihood = 0.5;
    r.state.MpnPerMl = 0.25;
    r.end = EstimateMpn(r.state, Rows({{"10", "5", "0"}, {"1", "40000", "2"}, {"0.1", "0", "5"}}),
                        NumberLocale{}, {}, &r.stop);
    EXPECT_EQ(r.end, SearchEnd::Fault);
    EXPECT_EQ(r.stop.candidate, 1);
    EXPECT_EQ(r.stop.row, 2);
    EXPECT_EQ(r.state.GridValid, kTrue);
    EXPECT_EQ(r.state.MaxLikelihood, 0.0);
    EXPECT_EQ(r.state.MpnPerMl, 0.0);
    EXPECT_EQ(r.state.LambdaGrid(1), 0.001);
    for (int i = 2; i <= kCurveSize; ++i) ASSERT_EQ(r.state.LambdaGrid(i), 0.0);
    for (int i = 1; i <= kCurveSize; ++i) ASSERT_EQ(r.state.LikelihoodGrid(i), 0.0);
    // Row 1 was loaded and its factor formed; row 2 got as far as its volume.
    EXPECT_EQ(r.state.SampleVolume(1), 10.0);
    EXPECT_EQ(r.state.PositiveTubes(1), 5);
    EXPECT_EQ(r.state.PoissonExponent(1), -10.0 * 0.001);
    EXPECT_GT(r.state.DilutionTerm(1), 0.0);
    EXPECT_EQ(r.state.SampleVolume(2), 1.0);
    EXPECT_EQ(r.state.PositiveTubes(2), 0);
    EXPECT_EQ(r.state.SampleVolume(3), 0.0);
    EXPECT_EQ(r.state.PoissonExponent(2), 0.0);
}

TEST(Search, ExponentialOverflowEndsTheSearchWhereItHappens) {
    // A negative volume turns the exponent positive; exp overflows once 100 x density > 709.78.
    const SearchRun r = Search(Rows({{"1", "3", "2"}, {"-100", "0", "1"}}), 2);
    ASSERT_EQ(r.end, SearchEnd::Fault);
    EXPECT_EQ(r.stop.row, 2);
    const int at = r.stop.candidate;
    EXPECT_FALSE(std::isfinite(std::exp(100 * r.state.LambdaGrid(at))));
    EXPECT_TRUE(std::isfinite(std::exp(100 * r.state.LambdaGrid(at - 1))));
    EXPECT_EQ(r.state.LambdaGrid(at + 1), 0.0);
    EXPECT_EQ(r.state.LikelihoodGrid(at), 0.0);
    EXPECT_GT(r.state.LikelihoodGrid(at - 1), 0.0);
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
        {0, Rows({{"1", "1", "1"}}), SearchEnd::Fault},
        {7, Rows({{"1", "1", "1"}}), SearchEnd::Fault},
    };
    for (const auto& row : rows) {
        const SearchRun r = Search(row.grid, row.count);
        EXPECT_EQ(r.end, row.end) << row.grid[0].volume << ':' << row.grid[0].positive;
    }
}

// ---- Bit-for-bit agreement with the plain procedure ------------------------------------------

// The procedure in its plain form: every candidate reloads the grid, forms each factor with
// std::exp and std::pow and multiplies left to right on the state; a non-finite result ends it
// before being stored.
SearchEnd Reference(Module1& s, const GridTexts& grid, SearchStop& stop) {
    const NumberLocale locale;
    const int n = s.DilutionCount;
    for (auto* a : {&s.SampleVolume, &s.PoissonExponent, &s.DilutionTerm, &s.RunningProduct})
        a->Redim(n);
    s.PositiveTubes.Redim(n);
    s.NegativeTubes.Redim(n);
    s.LikelihoodGrid.Redim(kCurveSize);
    s.LambdaGrid.Redim(kCurveSize);
    if (ValidateGrid(s, grid, locale, {}) != 0) return SearchEnd::InvalidGrid;
    int i = 1;
    s.LambdaGrid(1) = 0.001;
    s.MaxLikelihood = 0;
    s.MpnPerMl = 0;
    for (;;) {
        for (int j = 1; j <= n; ++j) {
            stop = {i, j};
            const GridRowTexts& cells = grid[static_cast<std::size_t>(j - 1)];
            const auto v = TextToFloat(cells.volume, locale);
            if (!v) return SearchEnd::Fault;
            s.SampleVolume(j) = *v;
            const auto p = TextToInt16(cells.positive, locale);
            if (!p) return SearchEnd::Fault;
            s.PositiveTubes(j) = *p;
            const auto q = TextToInt16(cells.negative, locale);
            if (!q) return SearchEnd::Fault;
            s.NegativeTubes(j) = *q;
            const double x = -s.SampleVolume(j) * s.LambdaGrid(i);
            if (!std::isfinite(x)) return SearchEnd::Fault;
            s.PoissonExponent(j) = x;
            const double e = std::exp(s.PoissonExponent(j));
            if (!std::isfinite(e)) return SearchEnd::Fault;
            const double f =
                std::pow(1.0 - e, s.PositiveTubes(j)) * std::pow(e, s.NegativeTubes(j));
            if (!std::isfinite(f)) return SearchEnd::Fault;
            s.DilutionTerm(j) = f;
        }
        stop = {i, 0};
        if (n >= 2) {
            for (int k = 1; k <= n - 1; ++k) {
                s.RunningProduct(k) = s.DilutionTerm(k);
                const double prod = s.DilutionTerm(k + 1) * s.RunningProduct(k);
                if (!std::isfinite(prod)) return SearchEnd::Fault;
                s.RunningProduct(k) = prod;
                s.DilutionTerm(k + 1) = s.RunningProduct(k);
                s.LikelihoodGrid(i) = s.RunningProduct(k);
            }
        } else {
            s.RunningProduct(1) = s.DilutionTerm(1);
            s.LikelihoodGrid(i) = s.RunningProduct(1);
        }
        if (s.MaxLikelihood < s.LikelihoodGrid(i)) {
            s.MaxLikelihood = s.LikelihoodGrid(i);
            s.MpnPerMl = s.LambdaGrid(i);
        }
        ++i;
        s.LambdaGrid(i) = s.LambdaGrid(i - 1) + 0.001;
        if (i > kCandidateCount) break;
    }
    // The underflow rule in its plain form: every candidate whose likelihood computed to 0 is
    // compared in logs with the maximum; where one exceeds it, the first largest
    // log-likelihood over all candidates is the answer.
    Series series;
    series.count = n;
    for (int j = 1; j <= n; ++j)
        series.rows[static_cast<std::size_t>(j - 1)] = {s.SampleVolume(j), s.PositiveTubes(j),
                                                        s.NegativeTubes(j)};
    const double logMax = std::log(s.MaxLikelihood);
    bool hidden = false;
    for (int k = 1; k <= kCandidateCount; ++k)
        hidden = hidden ||
                 (s.LikelihoodGrid(k) == 0 && LogLikelihoodAt(series, s.LambdaGrid(k)) > logMax);
    s.LikelihoodUnderflow = hidden ? kTrue : kFalse;
    if (hidden) {
        double best = -std::numeric_limits<double>::infinity();
        for (int k = 1; k <= kCandidateCount; ++k) {
            const double logLikelihood = LogLikelihoodAt(series, s.LambdaGrid(k));
            if (best < logLikelihood) {
                best = logLikelihood;
                s.MpnPerMl = s.LambdaGrid(k);
                s.MaxLikelihood = s.LikelihoodGrid(k);
            }
        }
        s.MaxLogLikelihood = best;
    } else if (s.MaxLikelihood >= std::numeric_limits<double>::min()) {
        s.MaxLogLikelihood = std::log(s.MaxLikelihood);
    } else {
        s.MaxLogLikelihood = s.MpnPerMl > 0 ? LogLikelihoodAt(series, s.MpnPerMl)
                                            : -std::numeric_limits<double>::infinity();
    }
    return SearchEnd::Completed;
}

template <typename T>
testing::AssertionResult SameBits(const char* name, const OneBasedArray<T>& a,
                                  const OneBasedArray<T>& b) {
    if (a.UpperBound() != b.UpperBound())
        return testing::AssertionFailure()
               << name << " sizes " << a.UpperBound() << " vs " << b.UpperBound();
    for (int i = 1; i <= a.UpperBound(); ++i) {
        bool same;
        if constexpr (std::is_same_v<T, double>)
            same = std::bit_cast<std::uint64_t>(a(i)) == std::bit_cast<std::uint64_t>(b(i));
        else
            same = a(i) == b(i);
        if (!same)
            return testing::AssertionFailure()
                   << name << '(' << i << ") " << +a(i) << " vs " << +b(i);
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
        Module1 fast, plain;
        fast.DilutionCount = plain.DilutionCount = static_cast<Int16>(count);
        fast.MaxLikelihood = plain.MaxLikelihood = 0.125;
        SearchStop fastStop, plainStop;
        const SearchEnd got = EstimateMpn(fast, grid, NumberLocale{}, {}, &fastStop);
        const SearchEnd want = Reference(plain, grid, plainStop);
        std::string series;
        for (int j = 0; j < count; ++j)
            series += grid[static_cast<std::size_t>(j)].volume + ':' +
                      grid[static_cast<std::size_t>(j)].positive + ':' +
                      grid[static_cast<std::size_t>(j)].negative + ' ';
        SCOPED_TRACE(series);
        ASSERT_EQ(got, want);
        if (got == SearchEnd::Fault) {
            ++faults;
            EXPECT_EQ(fastStop.candidate, plainStop.candidate);
            EXPECT_EQ(fastStop.row, plainStop.row);
        } else {
            ++completed;
        }
        EXPECT_EQ(std::bit_cast<std::uint64_t>(fast.MaxLikelihood),
                  std::bit_cast<std::uint64_t>(plain.MaxLikelihood));
        EXPECT_EQ(std::bit_cast<std::uint64_t>(fast.MpnPerMl),
                  std::bit_cast<std::uint64_t>(plain.MpnPerMl));
        if (got == SearchEnd::Completed) {
            EXPECT_EQ(fast.LikelihoodUnderflow, plain.LikelihoodUnderflow);
            EXPECT_EQ(std::bit_cast<std::uint64_t>(fast.MaxLogLikelihood),
                      std::bit_cast<std::uint64_t>(plain.MaxLogLikelihood));
            underflows += plain.LikelihoodUnderflow == kTrue;
        }
        EXPECT_EQ(fast.GridValid, plain.GridValid);
        EXPECT_TRUE(SameBits("SampleVolume", fast.SampleVolume, plain.SampleVolume));
        EXPECT_TRUE(SameBits("PositiveTubes", fast.PositiveTubes, plain.PositiveTubes));
        EXPECT_TRUE(SameBits("NegativeTubes", fast.NegativeTubes, plain.NegativeTubes));
        EXPECT_TRUE(SameBits("PoissonExponent", fast.PoissonExponent, plain.PoissonExponent));
        EXPECT_TRUE(SameBits("DilutionTerm", fast.DilutionTerm, plain.DilutionTerm));
        EXPECT_TRUE(SameBits("RunningProduct", fast.RunningProduct, plain.RunningProduct));
        EXPECT_TRUE(SameBits("LambdaGrid", fast.LambdaGrid, plain.LambdaGrid));
        EXPECT_TRUE(SameBits("LikelihoodGrid", fast.LikelihoodGrid, plain.LikelihoodGrid));
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

SearchRun BamSearch(const std::string& pattern) {
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
        const SearchRun r = BamSearch(row.pattern);
        ASSERT_EQ(r.end, SearchEnd::Completed);
        const double per100 = r.state.MpnPerMl * 100;
        if (row.mpn.front() == '<') {
            // All negative: the first candidate, below the table's bound.
            EXPECT_EQ(r.state.MpnPerMl, 0.001);
            EXPECT_LT(per100, std::stod(row.mpn.substr(1)));
        } else if (row.mpn.front() == '>' || std::stod(row.mpn) > 1000) {
            // Beyond 10 per mL the likelihood still rises at the top of the grid.
            EXPECT_EQ(r.state.MpnPerMl, r.state.LambdaGrid(kCandidateCount));
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
