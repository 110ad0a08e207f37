// The answer-only search (no curve, candidates excluded by proof) against the full search, bit
// for bit, on the usual designs and on random series.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "core/Calculation.h"
#include "core/EstimateMpn.h"
#include "core/stats/MpnStatistics.h"

namespace tubewise {
namespace {

std::uint64_t Bits(double x) {
    return std::bit_cast<std::uint64_t>(x);
}

std::string Describe(const Series& s) {
    std::string out;
    for (const SeriesRow& r : s.rows) {
        char buf[96];
        std::snprintf(buf, sizeof buf, "%.17g:%d:%d ", r.volume, r.positive, r.negative);
        out += buf;
    }
    return out;
}

// Every figure the search leaves, except the curve, the same bits.
testing::AssertionResult SameAnswer(const SearchResult& got, const SearchResult& want) {
    auto fail = [&](const char* what) { return testing::AssertionFailure() << what << " differs"; };
    if (got.end != want.end) return fail("end");
    if (got.gridValid != want.gridValid) return fail("gridValid");
    if (got.stop.candidate != want.stop.candidate || got.stop.row != want.stop.row)
        return fail("stop");
    if (Bits(got.maxLikelihood) != Bits(want.maxLikelihood))
        return fail("maxLikelihood") << ": " << got.maxLikelihood << " vs " << want.maxLikelihood;
    if (Bits(got.mpnPerMl) != Bits(want.mpnPerMl))
        return fail("mpnPerMl") << ": " << got.mpnPerMl << " vs " << want.mpnPerMl;
    if (Bits(got.maxLogLikelihood) != Bits(want.maxLogLikelihood)) return fail("maxLogLikelihood");
    if (got.likelihoodUnderflow != want.likelihoodUnderflow) return fail("likelihoodUnderflow");
    if (got.loaded.loadedCells != want.loaded.loadedCells ||
        got.loaded.series.count() != want.loaded.series.count())
        return fail("loaded");
    for (std::size_t j = 0; j < got.loaded.series.rows.size(); ++j) {
        const SeriesRow& a = got.loaded.series.rows[j];
        const SeriesRow& b = want.loaded.series.rows[j];
        if (Bits(a.volume) != Bits(b.volume) || a.positive != b.positive ||
            a.negative != b.negative)
            return fail("loaded row");
    }
    return testing::AssertionSuccess();
}

enum class Hint { None, Exact, Misplaced };

// Where the answer-only search may run the full search instead: no tube at all, every tube
// positive (the likelihood creeps towards 1 by less than the rounding bound), or a likelihood
// that underflows (the log rule needs every candidate).
// Absurd series (negative counts, volumes beyond 1e-200..1e200 mL) are not proven either.
bool MayNeedTheFullSearch(const Series& s, const SearchResult& full) {
    int positive = 0;
    int negative = 0;
    for (const SeriesRow& r : s.rows) {
        if (r.positive < 0 || r.negative < 0 || !(r.volume >= 1e-200 && r.volume <= 1e200))
            return true;
        positive += r.positive;
        negative += r.negative;
    }
    return positive + negative == 0 || negative == 0 || full.maxLikelihood < 1e-290;
}

// Compares the two searches on one series; returns whether the answer came without the curve
// (the window was accepted rather than the full search run as a fallback). Either way, and
// whatever the hint, the answer is the full search's bit for bit: a faulting series stops at
// the same candidate and row. With a correct or no hint, a fallback outside the expected kinds
// fails the test.
bool CompareOne(const Series& series, Hint hint) {
    SearchOptions answerOnly;
    answerOnly.wantCurve = false;
    if (hint != Hint::None) {
        const std::vector<stats::Dilution> d = DilutionsOf(series);
        if (stats::CheckSeries(d).fault == stats::SeriesFault::None) {
            stats::Mle mle = stats::ExactMle(d);
            // A hint far from the maximum must cost time only, never change the answer.
            if (hint == Hint::Misplaced && mle.kind == stats::MleKind::Finite) mle.perMl *= 7.3;
            answerOnly.exactMle = mle;
        }
    }
    const SeriesLoad load = Loaded(series);
    const SearchResult fast = SearchLikelihood(load, answerOnly);
    const SearchResult full = SearchLikelihood(load);
    EXPECT_TRUE(full.curve);
    EXPECT_TRUE(SameAnswer(fast, full)) << Describe(series);
    if (!fast.curve) return true;
    // It fell back to the full search (only that has a curve), which a hint far off may cost.
    if (hint != Hint::Misplaced) {
        EXPECT_TRUE(MayNeedTheFullSearch(series, fast)) << "fell back: " << Describe(series);
    }
    return false;
}

Series Design(const double* volumes, int tubes, int pattern) {
    Series s;
    for (int j = 0; j < 3; ++j) {
        const int positive = pattern % (tubes + 1);
        pattern /= tubes + 1;
        s.rows.push_back({volumes[j], positive, tubes - positive});
    }
    return s;
}

TEST(AnswerOnlySearch, EveryPatternOfTheUsualDesignsGivesTheFullSearchsBits) {
    const double tenfold[] = {10, 1, 0.1};
    int windowed = 0;
    int patterns = 0;
    for (const int tubes : {3, 5}) {
        const int count = (tubes + 1) * (tubes + 1) * (tubes + 1);
        for (int pattern = 0; pattern < count; ++pattern) {
            for (const Hint hint : {Hint::None, Hint::Exact})
                windowed += CompareOne(Design(tenfold, tubes, pattern), hint);
            // A hint far off may cost the full search, never another answer.
            CompareOne(Design(tenfold, tubes, pattern), Hint::Misplaced);
            ++patterns;
        }
    }
    EXPECT_EQ(patterns, 64 + 216);
    // At most the two all-positive patterns may need the full search.
    EXPECT_GE(windowed, 2 * (patterns - 2));
}

TEST(AnswerOnlySearch, EndsAndFaultsGiveTheFullSearchsBits) {
    const auto one = [](double volume, int positive, int negative) {
        return Series{{{volume, positive, negative}}};
    };
    // All negative, all positive (plateau at 0.375 per mL), underflowing everywhere, maxima at
    // the first and last candidates, absurd volumes and counts (faults), tiny volumes where
    // 1 - e cancels, no tubes at all.
    const Series rows[] = {
        one(10, 0, 5), one(100, 5, 0),   one(1, 1000, 1000), one(1000, 1, 30),  one(1e-4, 5, 1),
        one(-1, 3, 2), one(0, 1, 4),     one(1e300, 1, 1),   one(1e-250, 3, 1), one(1, -3, 2),
        one(5, 0, 0),  one(1e-15, 2, 0), one(0.001, 20, 0),  one(0.5, 32767, 1)};
    for (const Series& s : rows)
        for (const Hint hint : {Hint::None, Hint::Exact, Hint::Misplaced}) CompareOne(s, hint);
}

// The random series: 1 to 5 dilutions, volumes 1e-4 to 100 mL, counts 0 to 20 and a share up
// to 500. TUBEWISE_WINDOW_SERIES sets how many in all (100000 by default; a smaller count such
// as 10000 gives a quicker run); they are split into kShards CTest cases of about 8 s each on
// these machines, with or without the sanitizers (the time goes to libm's pow, which they do
// not slow), well inside the per-test timeout.
constexpr int kShards = 10;

int SeriesPerShard() {
    const char* text = std::getenv("TUBEWISE_WINDOW_SERIES");
    const int total = text ? std::atoi(text) : 100000;
    return std::max(1, total / kShards);
}

Series RandomSeries(std::mt19937_64& rng) {
    std::uniform_int_distribution<int> count(1, 5);
    std::uniform_real_distribution<double> exponent(-4, 2);
    std::uniform_int_distribution<int> share(0, 19);
    Series s;
    s.rows.resize(static_cast<std::size_t>(count(rng)));
    for (SeriesRow& row : s.rows) {
        const int most = share(rng) == 0 ? 500 : 20;
        const int tubes = std::uniform_int_distribution<int>(0, most)(rng);
        const int positive = std::uniform_int_distribution<int>(0, tubes)(rng);
        row = {std::pow(10.0, exponent(rng)), positive, tubes - positive};
    }
    return s;
}

class AnswerOnlyRandom : public testing::TestWithParam<int> {};

TEST_P(AnswerOnlyRandom, GivesTheFullSearchsBits) {
    std::mt19937_64 rng(0x5eed0000u + static_cast<unsigned>(GetParam()));
    const int n = SeriesPerShard();
    int windowed = 0;
    for (int i = 0; i < n; ++i) {
        const Hint hint = i % 3 == 0 ? Hint::None : i % 3 == 1 ? Hint::Exact : Hint::Misplaced;
        windowed += CompareOne(RandomSeries(rng), hint);
        if (HasFailure()) return;
    }
    // The shortcut must actually be taken: a search that always fell back would pass the
    // comparison while saving nothing. About one series in six has a row of up to 500 tubes of
    // tiny volume, whose likelihood underflows.
    EXPECT_GT(windowed, n * 3 / 4);
}

INSTANTIATE_TEST_SUITE_P(Shards, AnswerOnlyRandom, testing::Range(0, kShards));

TEST(AnswerOnlySearch, CalculationWithoutCurveKeepsEveryFigure) {
    const Series s{{{10, 5, 0}, {1, 3, 2}, {0.1, 0, 5}}};
    CalculationOptions figuresOnly;
    figuresOnly.wantCurve = false;
    figuresOnly.statistics = stats::StatisticsOptions{};
    CalculationOptions withCurve = figuresOnly;
    withCurve.wantCurve = true;
    const Calculation fast = Calculate(s, figuresOnly);
    const Calculation full = Calculate(s, withCurve);
    EXPECT_FALSE(fast.search.curve);
    EXPECT_TRUE(full.search.curve);
    EXPECT_TRUE(SameAnswer(fast.search, full.search));
    EXPECT_EQ(fast.search.mpnPerMl, 0.7920000000000006);
    EXPECT_EQ(fast.lowerBound, full.lowerBound);
    EXPECT_EQ(fast.thomas.mpnPer100Ml, full.thomas.mpnPer100Ml);
    EXPECT_EQ(fast.statistics->mle.perMl, full.statistics->mle.perMl);
}

}  // namespace
}  // namespace tubewise
