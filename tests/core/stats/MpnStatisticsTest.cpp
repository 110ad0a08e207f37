// Behaviour of the exact MLE, limits and rarity index: agreement with the grid search,
// invariances of the model, boundary patterns, faulty series and random series.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "core/Calculation.h"
#include "core/EstimateMpn.h"
#include "core/stats/MpnStatistics.h"

namespace tubewise::stats {
namespace {

using Series = std::vector<Dilution>;

// Log-likelihood and score written out directly from the model, independent of the solver.
double NaiveLogLikelihood(const Series& s, double l) {
    double sum = 0;
    for (const Dilution& d : s) {
        const double e = std::exp(-d.volumeMl * l);
        sum += d.positives * std::log(1 - e) + (d.tubes - d.positives) * std::log(e);
    }
    return sum;
}

double NaiveScoreRatio(const Series& s, double l) {
    double lhs = 0;
    double rhs = 0;
    for (const Dilution& d : s) {
        lhs += d.positives * d.volumeMl / std::expm1(d.volumeMl * l);
        rhs += (d.tubes - d.positives) * d.volumeMl;
    }
    return lhs / rhs;
}

GridTexts ToGrid(const Series& s) {
    GridTexts grid;
    for (std::size_t j = 0; j < s.size(); ++j) {
        grid[j].volume = std::to_string(s[j].volumeMl);
        grid[j].positive = std::to_string(s[j].positives);
        grid[j].negative = std::to_string(s[j].tubes - s[j].positives);
    }
    return grid;
}

// The grid search evaluates the same likelihood on a 0.001/mL grid; wherever its answer is not
// the top candidate, the exact root must lie within one step of it.
TEST(ExactMle, AgreesWithGridSearchWithinOneStep) {
    std::mt19937 random(7);
    const double volumes[] = {100, 50, 10, 5, 1, 0.5, 0.1, 0.01};
    int compared = 0;
    std::uniform_real_distribution<double> logVolume(-2, 2);
    for (int trial = 0; trial < 600; ++trial) {
        Series s;
        const int count = 1 + static_cast<int>(random() % 5);
        for (int j = 0; j < count; ++j) {
            const int tubes = 1 + static_cast<int>(random() % 10);
            // Half the series on the usual tenfold volumes, half on any volume 0.01-100 mL.
            const double volume =
                trial % 2 == 0 ? volumes[random() % 8] : std::pow(10.0, logVolume(random));
            s.push_back({volume, tubes, static_cast<int>(random() % (tubes + 1))});
        }
        // Volumes as their texts read back, so both sides see the same numbers.
        for (Dilution& d : s) d.volumeMl = std::stod(std::to_string(d.volumeMl));
        const GridTexts grid = ToGrid(s);
        ASSERT_TRUE(CheckGrid(grid, count, NumberLocale{}).valid);
        const SearchResult search = SearchLikelihood(LoadSeries(grid, count, NumberLocale{}));
        ASSERT_EQ(search.end, SearchEnd::Completed);
        const Mle mle = ExactMle(s);
        // With every tube positive the grid's likelihood can round to exactly 1 before the
        // top, and the tie goes to the smallest density: no finite answer to compare with.
        if (search.mpnPerMl > 9.99999 || search.maxLikelihood == 0) continue;
        if (mle.kind == MleKind::Infinite) continue;
        SCOPED_TRACE("trial " + std::to_string(trial));
        EXPECT_LE(std::abs(mle.perMl - search.mpnPerMl), 0.001 + 1e-9)
            << "grid " << search.mpnPerMl << " exact " << mle.perMl;
        ++compared;
    }
    EXPECT_GT(compared, 300);
}

TEST(ExactMle, ModelInvariances) {
    const Series base{{10, 5, 5}, {1, 5, 3}, {0.1, 5, 0}};
    const double root = ExactMle(base).perMl;
    EXPECT_NEAR(NaiveScoreRatio(base, root), 1.0, 1e-12);

    // The order of the dilutions does not matter.
    const Series reversed{{0.1, 5, 0}, {1, 5, 3}, {10, 5, 5}};
    EXPECT_NEAR(ExactMle(reversed).perMl, root, 1e-13 * root);

    // Volumes in other units scale the density inversely (mL -> uL).
    const Series microlitres{{10000, 5, 5}, {1000, 5, 3}, {100, 5, 0}};
    EXPECT_NEAR(ExactMle(microlitres).perMl * 1000, root, 1e-12 * root);

    // Two dilutions of equal volume are one dilution with their tubes pooled.
    const Series split{{10, 5, 5}, {1, 2, 1}, {1, 3, 2}, {0.1, 5, 0}};
    EXPECT_NEAR(ExactMle(split).perMl, root, 1e-13 * root);

    // A dilution without tubes observes nothing.
    const Series withEmpty{{10, 5, 5}, {3, 0, 0}, {1, 5, 3}, {0.1, 5, 0}};
    EXPECT_NEAR(ExactMle(withEmpty).perMl, root, 1e-13 * root);

    // One dilution has the closed form -ln(q / n) / v (1 mL, 3 of 5 positive: ln 2.5).
    EXPECT_NEAR(ExactMle(Series{{1, 5, 3}}).perMl, std::log(2.5), 1e-14);
    EXPECT_NEAR(ExactMle(Series{{0.01, 20, 19}}).perMl, std::log(20.0) / 0.01, 1e-10);
}

TEST(ExactMle, UnequalTubeCountsAndExtremeVolumes) {
    const Series series[] = {
        {{100, 1, 0}, {1e-4, 20, 20}},  // tiny volumes all positive, one big negative
        {{1e-4, 20, 1}, {100, 20, 0}},  // one positive in a tiny volume
        {{1e-4, 20, 19}},               // very high density
        {{100, 20, 1}},                 // very low density
        {{1e-3, 7, 3}, {1e-3, 9, 0}, {50, 1, 1}, {2, 13, 12}, {0.3, 2, 1}},
    };
    for (const Series& s : series) {
        const Mle mle = ExactMle(s);
        ASSERT_EQ(mle.kind, MleKind::Finite);
        EXPECT_TRUE(std::isfinite(mle.perMl) && mle.perMl > 0);
        EXPECT_NEAR(NaiveScoreRatio(s, mle.perMl), 1.0, 1e-10) << mle.perMl;
    }
}

TEST(BoundaryPatterns, EveryTubeNegative) {
    const Series none{{10, 5, 0}, {1, 5, 0}, {0.1, 5, 0}};  // 55.5 mL in all
    for (const auto& [method, tail] :
         {std::pair{CiMethod::Jarvis, 0.025}, std::pair{CiMethod::LikelihoodRatio, 0.05}}) {
        const MpnStatistics s = ComputeStatistics(none, {method, 0.95});
        EXPECT_EQ(s.mle.kind, MleKind::Zero);
        EXPECT_EQ(s.mle.perMl, 0);
        EXPECT_EQ(s.biasAdjustedPerMl, 0.0);
        EXPECT_EQ(s.limits.lowPerMl, 0);
        // The upper limit is where "every tube negative" has probability `tail`.
        EXPECT_NEAR(std::exp(-55.5 * s.limits.highPerMl), tail, 1e-12);
        EXPECT_EQ(s.rarityIndex, 1);
        EXPECT_FALSE(s.improbable);
    }
}

TEST(BoundaryPatterns, EveryTubePositive) {
    const Series all{{10, 5, 5}, {1, 4, 4}, {0.1, 3, 3}};
    for (const auto& [method, tail] :
         {std::pair{CiMethod::Jarvis, 0.025}, std::pair{CiMethod::LikelihoodRatio, 0.05}}) {
        const MpnStatistics s = ComputeStatistics(all, {method, 0.95});
        EXPECT_EQ(s.mle.kind, MleKind::Infinite);
        EXPECT_TRUE(std::isinf(s.mle.perMl));
        EXPECT_FALSE(s.biasAdjustedPerMl.has_value());
        EXPECT_TRUE(std::isinf(s.limits.highPerMl));
        // The lower limit is where "every tube positive" has probability `tail`.
        EXPECT_NEAR(std::exp(NaiveLogLikelihood(all, s.limits.lowPerMl)), tail, 1e-12);
        EXPECT_EQ(s.rarityIndex, 1);
    }
}

TEST(Limits, LikelihoodRatioLimitsSitAtTheChiSquareCutoff) {
    const Series s{{10, 5, 4}, {1, 5, 2}, {0.1, 5, 1}};
    for (const double level : {0.8, 0.95, 0.99, 0.9999}) {
        const MpnStatistics r = ComputeStatistics(s, {CiMethod::LikelihoodRatio, level});
        const double z = -NormalQuantile((1 - level) / 2);
        const double peak = NaiveLogLikelihood(s, r.mle.perMl);
        EXPECT_NEAR(2 * (peak - NaiveLogLikelihood(s, r.limits.lowPerMl)), z * z, 1e-9);
        EXPECT_NEAR(2 * (peak - NaiveLogLikelihood(s, r.limits.highPerMl)), z * z, 1e-9);
    }
}

TEST(Limits, WiderWithTheLevelAndAroundTheMle) {
    const Series s{{10, 3, 3}, {1, 3, 1}, {0.1, 3, 0}};
    for (const CiMethod method : {CiMethod::Jarvis, CiMethod::LikelihoodRatio}) {
        double previousLow = 0;
        double previousHigh = 0;
        for (const double level : {0.5, 0.9, 0.95, 0.99}) {
            const MpnStatistics r = ComputeStatistics(s, {method, level});
            EXPECT_LT(r.limits.lowPerMl, r.mle.perMl);
            EXPECT_GT(r.limits.highPerMl, r.mle.perMl);
            if (previousHigh > 0) {
                EXPECT_LT(r.limits.lowPerMl, previousLow);
                EXPECT_GT(r.limits.highPerMl, previousHigh);
            }
            previousLow = r.limits.lowPerMl;
            previousHigh = r.limits.highPerMl;
        }
    }
}

TEST(Limits, NormalQuantile) {
    EXPECT_NEAR(NormalQuantile(0.975), 1.959963984540054, 1e-14);
    EXPECT_NEAR(NormalQuantile(0.5), 0.0, 1e-15);
    EXPECT_NEAR(NormalQuantile(0.02275013194817921), -2.0, 1e-13);
    EXPECT_NEAR(NormalQuantile(1e-10), -6.361340902404056, 1e-12);
    EXPECT_NEAR(NormalQuantile(0.3), -NormalQuantile(0.7), 1e-15);
    EXPECT_TRUE(std::isnan(NormalQuantile(1.5)));
}

TEST(Rarity, MostProbablePatternScoresOneAndOrderDoesNotMatter) {
    // At 1/mL the binomial modes are floor(6 pi): 10 mL -> 5 of 5, 1 mL -> 3, 0.1 mL -> 0.
    const Series modal{{10, 5, 5}, {1, 5, 3}, {0.1, 5, 0}};
    const double at = ExactMle(modal).perMl;
    EXPECT_NEAR(RarityIndex(modal, Mle{MleKind::Finite, at}), 1.0, 1e-15);
    const Series odd{{10, 5, 1}, {1, 5, 5}, {0.1, 5, 5}};
    const Series oddReversed{{0.1, 5, 5}, {1, 5, 5}, {10, 5, 1}};
    const double r = RarityIndex(odd, ExactMle(odd));
    EXPECT_LT(r, kImprobableBelow);
    EXPECT_NEAR(RarityIndex(oddReversed, ExactMle(oddReversed)), r, 1e-12 * r);
}

TEST(BiasAdjustment, NoValueWhereTheCorrectionExceedsTheEstimate) {
    // The largest volume is almost all positive while tiny volumes are positive too.
    const Series s{{14.2815, 6, 4}, {0.00031772, 12, 6}, {0.00229292, 7, 3}, {0.00030779, 12, 7}};
    const Mle mle = ExactMle(s);
    ASSERT_EQ(mle.kind, MleKind::Finite);
    EXPECT_FALSE(BiasAdjustedMle(s, mle).has_value());
}

TEST(SeriesFaults, EachFaultNamesItsDilution) {
    const double nan = std::nan("");
    struct Row {
        Series s;
        SeriesFault fault;
        int dilution;
    };
    const Row rows[] = {
        {{}, SeriesFault::NoDilutions, 0},
        {{{1, 3, 1}, {0, 3, 0}}, SeriesFault::VolumeNotPositive, 2},
        {{{-1, 3, 1}}, SeriesFault::VolumeNotPositive, 1},
        {{{nan, 3, 1}}, SeriesFault::VolumeNotPositive, 1},
        {{{INFINITY, 3, 1}}, SeriesFault::VolumeNotPositive, 1},
        {{{1, 3, 1}, {1, -1, 0}}, SeriesFault::NegativeCount, 2},
        {{{1, 3, -1}}, SeriesFault::NegativeCount, 1},
        {{{1, 3, 1}, {0.1, 3, 4}}, SeriesFault::PositivesExceedTubes, 2},
        {{{1, 0, 0}, {0.1, 0, 0}}, SeriesFault::NoTubes, 0},
        {{{1e100, 3, 1}, {1e-100, 3, 1}}, SeriesFault::VolumesTooFarApart, 0},
        {{{1, 3, 0}}, SeriesFault::None, 0},
    };
    for (const Row& row : rows) {
        const SeriesCheck check = CheckSeries(row.s);
        EXPECT_EQ(check.fault, row.fault) << SeriesFaultText(check.fault);
        EXPECT_EQ(check.dilution, row.dilution);
    }
    for (const double level : {0.0, 1.0, -0.5, 95.0, nan}) {
        EXPECT_EQ(ComputeStatistics(Series{{1, 3, 1}}, {CiMethod::Jarvis, level}).check.fault,
                  SeriesFault::LevelOutOfRange);
    }
}

// An estimate per mL that overflows is no figure at all: the statistics say so rather than
// give infinities or nulls beside a finite estimate.
TEST(SeriesFaults, EstimateBeyondTheLargestDoubleIsSaid) {
    const MpnStatistics beyond = ComputeStatistics(Series{{4.9e-324, 23487, 23486}}, {});
    EXPECT_EQ(beyond.check.fault, SeriesFault::BeyondRange);
    EXPECT_FALSE(SeriesFaultText(SeriesFault::BeyondRange).empty());
    const MpnStatistics tiny = ComputeStatistics(Series{{1e-308, 6, 1}}, {});
    EXPECT_EQ(tiny.check.fault, SeriesFault::None);
    EXPECT_TRUE(std::isfinite(tiny.mle.perMl));
    EXPECT_TRUE(std::isfinite(tiny.limits.highPerMl));
}

TEST(SeriesFromGridTexts, ConvertsAsTheGridDoes) {
    const NumberLocale comma{","};
    GridTexts grid;
    grid[0] = {"10", "2.5", "3.5"};  // halves to even: 2 positive, 4 negative
    grid[1] = {"0,5", "۳", "٢"};     // locale separator, Persian and Arabic-Indic digits
    grid[2] = {"junk", "1", "1"};    // beyond the row count: never read
    const SeriesLoad load = LoadSeries(grid, 2, comma);
    ASSERT_TRUE(load.complete());
    EXPECT_EQ(load.series.rows[0].volume, 10);
    EXPECT_EQ(load.series.rows[0].positive, 2);
    EXPECT_EQ(load.series.rows[0].negative, 4);
    EXPECT_EQ(load.series.rows[1].volume, 0.5);
    EXPECT_EQ(load.series.rows[1].positive, 3);
    EXPECT_EQ(load.series.rows[1].negative, 2);
    EXPECT_EQ(StatisticsOf(load, {}).check.fault, SeriesFault::None);

    struct Row {
        GridRowTexts second;
        SeriesFault fault;
    };
    const Row rows[] = {
        {{"1", "40000", "1"}, SeriesFault::CellNotConvertible},
        {{"1", "", "1"}, SeriesFault::CellNotConvertible},
        {{"1", "-1", "4"}, SeriesFault::NegativeCount},
        {{"1", "1", "-4"}, SeriesFault::NegativeCount},
        {{"0", "1", "4"}, SeriesFault::VolumeNotPositive},
    };
    for (const Row& row : rows) {
        GridTexts bad;
        bad[0] = {"10", "1", "1"};
        bad[1] = row.second;
        const MpnStatistics r = StatisticsOf(LoadSeries(bad, 2, NumberLocale{}), {});
        EXPECT_EQ(r.check.fault, row.fault) << row.second.positive;
        EXPECT_EQ(r.check.dilution, 2);
    }
    EXPECT_EQ(StatisticsOf(LoadSeries(grid, 0, comma), {}).check.fault, SeriesFault::NoDilutions);
}

// Random series (counts 0-20, volumes 1e-4..100 mL, 1-5 dilutions): every figure is a number,
// the limits enclose the MLE, the MLE solves the score equation, the index is a probability.
TEST(RandomSeries, NeverNaNAndAlwaysConsistent) {
    std::mt19937_64 random(20260101);
    std::uniform_int_distribution<int> dilutions(1, 5);
    std::uniform_int_distribution<int> counts(0, 20);
    std::uniform_real_distribution<double> logVolume(-4, 2);
    const int kSeries = 100000;
    const auto start = std::chrono::steady_clock::now();
    int finite = 0;
    for (int i = 0; i < kSeries; ++i) {
        Series s;
        const int k = dilutions(random);
        for (int j = 0; j < k; ++j) {
            const int tubes = counts(random);
            const int positives = std::uniform_int_distribution<int>(0, tubes)(random);
            s.push_back({std::pow(10.0, logVolume(random)), tubes, positives});
        }
        const CiMethod method = i % 2 == 0 ? CiMethod::Jarvis : CiMethod::LikelihoodRatio;
        const MpnStatistics r = ComputeStatistics(s, {method, 0.95});
        if (r.check.fault != SeriesFault::None) {
            ASSERT_EQ(r.check.fault, SeriesFault::NoTubes);
            continue;
        }
        const auto trace = [&] {
            std::string text;
            for (const Dilution& d : s) {
                text += "(" + std::to_string(d.volumeMl) + " " + std::to_string(d.tubes) + " " +
                        std::to_string(d.positives) + ")";
            }
            return text;
        };
        ASSERT_FALSE(std::isnan(r.mle.perMl)) << trace();
        ASSERT_FALSE(std::isnan(r.limits.lowPerMl)) << trace();
        ASSERT_FALSE(std::isnan(r.limits.highPerMl)) << trace();
        ASSERT_TRUE(r.rarityIndex >= 0 && r.rarityIndex <= 1) << trace();
        ASSERT_LE(r.limits.lowPerMl, r.mle.perMl) << trace();
        ASSERT_GE(r.limits.highPerMl, r.mle.perMl) << trace();
        ASSERT_GE(r.limits.lowPerMl, 0) << trace();
        if (r.biasAdjustedPerMl) {
            ASSERT_TRUE(std::isfinite(*r.biasAdjustedPerMl)) << trace();
            ASSERT_LE(*r.biasAdjustedPerMl, r.mle.perMl) << trace();
        }
        if (r.mle.kind == MleKind::Finite) {
            ++finite;
            ASSERT_TRUE(std::isfinite(r.mle.perMl) && r.mle.perMl > 0) << trace();
            ASSERT_LT(r.limits.lowPerMl, r.limits.highPerMl) << trace();
            const double ratio = NaiveScoreRatio(s, r.mle.perMl);
            if (std::isfinite(ratio)) {
                ASSERT_NEAR(ratio, 1.0, 1e-8) << trace();
            }
        }
    }
    EXPECT_GT(finite, kSeries / 2);
    // No hang: the whole run stays well inside a few seconds.
    EXPECT_LT(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(), 30);
}

// Absurd but accepted input: volumes over 120 orders of magnitude, counts up to 32767,
// levels close to 1, all-positive and all-negative dilutions mixed in.
TEST(RandomSeries, ExtremeInputStaysFinite) {
    std::mt19937_64 random(99);
    std::uniform_real_distribution<double> logVolume(-60, 60);
    for (int i = 0; i < 20000; ++i) {
        Series s;
        const int k = 1 + static_cast<int>(random() % 5);
        for (int j = 0; j < k; ++j) {
            const int tubes =
                static_cast<int>(random() % 3 == 0 ? random() % 32768 : random() % 21);
            int positives = static_cast<int>(random() % (tubes + 1));
            if (random() % 4 == 0) positives = tubes;
            if (random() % 4 == 0) positives = 0;
            s.push_back({std::pow(10.0, logVolume(random)), tubes, positives});
        }
        const StatisticsOptions options{i % 2 ? CiMethod::Jarvis : CiMethod::LikelihoodRatio,
                                        i % 3 ? 0.95 : 0.999999};
        const MpnStatistics r = ComputeStatistics(s, options);
        if (r.check.fault != SeriesFault::None) {
            ASSERT_TRUE(r.check.fault == SeriesFault::NoTubes ||
                        r.check.fault == SeriesFault::VolumesTooFarApart);
            continue;
        }
        ASSERT_FALSE(std::isnan(r.mle.perMl) || std::isnan(r.limits.lowPerMl) ||
                     std::isnan(r.limits.highPerMl) || std::isnan(r.rarityIndex))
            << i;
        ASSERT_TRUE(r.limits.lowPerMl >= 0 && r.limits.lowPerMl <= r.mle.perMl &&
                    r.limits.highPerMl >= r.mle.perMl)
            << i;
    }
}

}  // namespace
}  // namespace tubewise::stats
