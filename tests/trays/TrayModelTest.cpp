// Tray and plate behaviour: the design's bounds, the dilution factor, the refusals, plates of
// many groups against an independent root of the score equation, and the likelihood curve.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "trays/TrayCalculation.h"
#include "trays/TrayDesign.h"
#include "trays/TrayTexts.h"

namespace tubewise::trays {
namespace {

const NumberLocale kDot{"."};
const stats::StatisticsOptions kJarvis95{stats::CiMethod::Jarvis, 0.95};
const stats::StatisticsOptions kRatio95{stats::CiMethod::LikelihoodRatio, 0.95};

TrayInput Tray51(double k, double f = 1) {
    return {Design::Tray51, k, 0, {}, f};
}
TrayInput Tray97(double large, double small, double f = 1) {
    return {Design::Tray97, large, small, {}, f};
}
TrayInput Plate(std::vector<GroupEntry> groups, double f = 1) {
    return {Design::Groups, 0, 0, std::move(groups), f};
}

// Independent MLE: bisection in ln(density) on the score
// sum p v e^(-v l) / (1 - e^(-v l)) - sum q v, which falls steadily from + to -.
double BisectMle(const std::vector<GroupEntry>& groups) {
    auto score = [&](double l) {
        double s = 0;
        for (const GroupEntry& g : groups) {
            const double x = g.volumeMl * l;
            s += g.positives * g.volumeMl / std::expm1(x) - g.negatives * g.volumeMl;
        }
        return s;
    };
    double lo = std::log(1e-15), hi = std::log(1e15);
    for (int i = 0; i < 200; ++i) {
        const double mid = 0.5 * (lo + hi);
        (score(std::exp(mid)) > 0 ? lo : hi) = mid;
    }
    return std::exp(0.5 * (lo + hi));
}

// ---- Bounds of a design ----------------------------------------------------------------

TEST(TrayBounds, NoPositiveWellShowsTheDetectionLimitAndAllPositiveTheHighestFigure) {
    struct Row {
        const char* name;
        TrayInput input;
        TrayBound bound;
        TrayInput same;  // the pattern whose estimate the bound shows
        const char* shown;
    };
    const Row rows[] = {
        {"51 none", Tray51(0), TrayBound::Below, Tray51(1), "< 1.0"},
        {"51 all", Tray51(51), TrayBound::Above, Tray51(50), "> 200.5"},
        {"97 none", Tray97(0, 0), TrayBound::Below, Tray97(1, 0), "< 1.0"},
        {"97 all", Tray97(49, 48), TrayBound::Above, Tray97(49, 47), "> 2419.6"},
        // A plate: the detection limit is one positive well of the largest volume, the highest
        // figure one negative well of the smallest.
        {"plate none", Plate({{1, 0, 8}, {0.1, 0, 8}}), TrayBound::Below,
         Plate({{1, 1, 7}, {0.1, 0, 8}}), nullptr},
        {"plate all", Plate({{1, 8, 0}, {0.1, 8, 0}}), TrayBound::Above,
         Plate({{1, 8, 0}, {0.1, 7, 1}}), nullptr},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const TrayResult r = ComputeTray(row.input, kJarvis95);
        const TrayResult same = ComputeTray(row.same, kJarvis95);
        ASSERT_TRUE(r.check.ok());
        ASSERT_EQ(same.bound, TrayBound::None);
        EXPECT_EQ(r.bound, row.bound);
        EXPECT_DOUBLE_EQ(r.reportPer100Ml, same.mlePer100Ml);
        if (row.shown) {
            EXPECT_EQ(ReportFigureText(r, kDot), row.shown);
        }
        // The estimate itself stays what the model says: 0, or no finite value.
        if (row.bound == TrayBound::Below) {
            EXPECT_EQ(r.mlePer100Ml, 0);
            EXPECT_EQ(r.lowLimitPer100Ml, 0);
            EXPECT_GT(r.highLimitPer100Ml, r.reportPer100Ml);
        } else {
            EXPECT_TRUE(std::isinf(r.mlePer100Ml));
            EXPECT_TRUE(std::isinf(r.highLimitPer100Ml));
            EXPECT_GT(r.lowLimitPer100Ml, 0);
        }
    }
}

// ---- The dilution factor -----------------------------------------------------------------

TEST(TrayDilution, EveryFigurePer100MlScalesWithTheFactorAndTheRarityDoesNot) {
    for (const TrayInput& base : {Tray97(10, 5), Tray97(0, 0), Tray97(49, 48), Tray51(25)}) {
        for (const stats::StatisticsOptions& options : {kJarvis95, kRatio95}) {
            const TrayResult one = ComputeTray(base, options);
            TrayInput diluted = base;
            diluted.dilutionFactor = 10;
            const TrayResult ten = ComputeTray(diluted, options);
            ASSERT_TRUE(ten.check.ok());
            EXPECT_EQ(ten.bound, one.bound);
            EXPECT_DOUBLE_EQ(ten.reportPer100Ml, 10 * one.reportPer100Ml);
            EXPECT_DOUBLE_EQ(ten.mlePer100Ml, 10 * one.mlePer100Ml);
            EXPECT_DOUBLE_EQ(ten.mlePerMl, ten.mlePer100Ml / 100);
            EXPECT_DOUBLE_EQ(ten.lowLimitPer100Ml, 10 * one.lowLimitPer100Ml);
            EXPECT_DOUBLE_EQ(ten.highLimitPer100Ml, 10 * one.highLimitPer100Ml);
            ASSERT_EQ(ten.biasAdjustedPer100Ml.has_value(), one.biasAdjustedPer100Ml.has_value());
            if (one.biasAdjustedPer100Ml) {
                EXPECT_DOUBLE_EQ(*ten.biasAdjustedPer100Ml, 10 * *one.biasAdjustedPer100Ml);
            }
            EXPECT_DOUBLE_EQ(ten.rarityIndex, one.rarityIndex);
        }
    }
}

TEST(TrayDilution, FigureKeepsTheTablesResolutionOfTheTraysOwnSample) {
    struct Row {
        double value, factor;
        const char* shown;
    };
    const Row rows[] = {
        {2419.57, 1, "2419.6"},  {24195.7, 10, "24196"},  {4839.14, 2, "4839.1"},
        {17.2049, 0.5, "17.20"}, {241957, 100, "241957"}, {1.04, 0.1, "1.04"},
    };
    for (const Row& row : rows) EXPECT_EQ(FigureText(row.value, row.factor, kDot), row.shown);
    EXPECT_EQ(FigureText(34.4, 1, NumberLocale{","}), "34,4");
}

// ---- Refusals ----------------------------------------------------------------------------

TEST(TrayRefusals, NameTheBoxAndTheLimit) {
    const double nan = std::nan("");
    struct Row {
        const char* name;
        TrayInput input;
        TrayFault fault;
        TrayBox box;
        int group;
        const char* mentions;  // a figure the message must name, or nullptr
    };
    const Row rows[] = {
        {"97:50:0", Tray97(50, 0), TrayFault::MoreThanWells, TrayBox::LargePositives, 0, "49"},
        {"97:0:49", Tray97(0, 49), TrayFault::MoreThanWells, TrayBox::SmallPositives, 0, "48"},
        {"51:52", Tray51(52), TrayFault::MoreThanWells, TrayBox::Positives, 0, "51"},
        {"51:-1", Tray51(-1), TrayFault::NegativeCount, TrayBox::Positives, 0, nullptr},
        {"51:2.5", Tray51(2.5), TrayFault::NotWholeNumber, TrayBox::Positives, 0, nullptr},
        {"51:nan", Tray51(nan), TrayFault::NotWholeNumber, TrayBox::Positives, 0, nullptr},
        {"97:3:-2", Tray97(3, -2), TrayFault::NegativeCount, TrayBox::SmallPositives, 0, nullptr},
        {"97:1.5:99", Tray97(1.5, 99), TrayFault::NotWholeNumber, TrayBox::LargePositives, 0,
         nullptr},
        {"F = 0", Tray51(3, 0), TrayFault::NotPositive, TrayBox::DilutionFactor, 0, nullptr},
        {"F = -10", Tray97(3, 1, -10), TrayFault::NotPositive, TrayBox::DilutionFactor, 0, nullptr},
        {"F = inf", Tray51(3, INFINITY), TrayFault::NotPositive, TrayBox::DilutionFactor, 0,
         nullptr},
        {"no groups", Plate({}), TrayFault::NoGroups, TrayBox::Groups, 0, nullptr},
        {"group 2 volume", Plate({{1, 1, 1}, {0, 1, 1}}), TrayFault::NotPositive,
         TrayBox::GroupVolume, 2, "2"},
        {"group 1 positives", Plate({{1, 0.5, 1}}), TrayFault::NotWholeNumber,
         TrayBox::GroupPositives, 1, "1"},
        {"group 3 negatives", Plate({{1, 1, 1}, {1, 1, 1}, {1, 1, -3}}), TrayFault::NegativeCount,
         TrayBox::GroupNegatives, 3, "3"},
        {"group too large", Plate({{1, 60'000'000, 60'000'000}}), TrayFault::TooManyWells,
         TrayBox::Groups, 1, "100000000"},
        {"no wells", Plate({{1, 0, 0}, {0.1, 0, 0}}), TrayFault::NoWells, TrayBox::Groups, 0,
         nullptr},
        {"volumes apart", Plate({{1e100, 1, 1}, {1e-100, 1, 1}}), TrayFault::VolumesTooFarApart,
         TrayBox::Groups, 0, nullptr},
        {"too many groups", Plate(std::vector<GroupEntry>(kMaxGroups + 1, {1, 1, 1})),
         TrayFault::TooManyGroups, TrayBox::Groups, 0, "1024"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const TrayCheck check = CheckTray(row.input);
        EXPECT_EQ(check.fault, row.fault);
        EXPECT_EQ(check.box, row.box);
        EXPECT_EQ(check.group, row.group);
        const std::string message = RefusalText(check);
        EXPECT_FALSE(message.empty());
        EXPECT_EQ(message.find('%'), std::string::npos) << message;
        if (row.mentions) {
            EXPECT_NE(message.find(row.mentions), std::string::npos) << message;
        }
        // The calculation refuses alike and gives no figures.
        const TrayResult result = ComputeTray(row.input, kJarvis95);
        EXPECT_EQ(result.check.fault, row.fault);
        EXPECT_TRUE(LikelihoodCurve(result).empty());
    }
}

TEST(TrayRefusals, FiguresBeyondADoubleOrAnImpossibleLevelAreRefusedByTheCalculation) {
    // Wells so small that the density per mL overflows, and a level outside (0, 1): the counts
    // pass their checks, the calculation still gives no figures.
    const TrayInput tiny = Plate({{1e-310, 1, 1}});
    ASSERT_TRUE(CheckTray(tiny).ok());
    const TrayResult overflow = ComputeTray(tiny, kJarvis95);
    EXPECT_EQ(overflow.check.fault, TrayFault::Uncomputable);
    EXPECT_FALSE(RefusalText(overflow.check).empty());
    EXPECT_TRUE(LikelihoodCurve(overflow).empty());
    const TrayResult level = ComputeTray(Tray51(3), {stats::CiMethod::Jarvis, 1.5});
    EXPECT_EQ(level.check.fault, TrayFault::Uncomputable);
}

TEST(TrayRefusals, DifferentBoxesGiveDifferentMessages) {
    const std::string large = RefusalText(CheckTray(Tray97(-1, 0)));
    const std::string small = RefusalText(CheckTray(Tray97(0, -1)));
    const std::string factor = RefusalText(CheckTray(Tray97(0, 0, -1)));
    EXPECT_NE(large, small);
    EXPECT_NE(large, factor);
    EXPECT_NE(small, factor);
}

TEST(TrayRefusals, EdgesOfTheRangesAreAccepted) {
    for (const TrayInput& input :
         {Tray51(0), Tray51(51), Tray97(49, 48), Tray97(0, 48), Tray51(1, 0.001),
          Plate({{1, 0, 1'000'000}, {0.1, 1'000'000, 0}}),
          Plate(std::vector<GroupEntry>(64, {0.5, 3, 5}))}) {
        EXPECT_TRUE(CheckTray(input).ok()) << RefusalText(CheckTray(input));
    }
}

// ---- Plates and custom groups -------------------------------------------------------------

TEST(TrayPlates, ManyGroupsAgreeWithAnIndependentRoot) {
    // A 96-well plate: 8 wells at each of 12 tenfold dilutions of 1 mL.
    std::vector<GroupEntry> plate;
    const int positives[12] = {8, 8, 8, 8, 7, 5, 2, 1, 0, 0, 0, 0};
    for (int i = 0; i < 12; ++i)
        plate.push_back({std::pow(10.0, -i), double(positives[i]), 8.0 - positives[i]});
    // 100 groups of unequal wells at volumes spread over two decades.
    std::vector<GroupEntry> hundred;
    for (int i = 0; i < 100; ++i) {
        const double wells = 3 + i % 7;
        hundred.push_back({std::pow(10.0, -i / 50.0), double(i % 4 == 0 ? wells : i % 3),
                           wells - (i % 4 == 0 ? wells : i % 3)});
    }
    // Groups of a million wells each.
    const std::vector<GroupEntry> huge{{0.01, 400'000, 600'000}, {0.001, 50'000, 950'000}};
    for (const auto& groups : {plate, hundred, huge}) {
        for (const double f : {1.0, 10.0}) {
            const TrayResult r = ComputeTray(Plate(groups, f), kRatio95);
            ASSERT_TRUE(r.check.ok()) << RefusalText(r.check);
            ASSERT_EQ(r.bound, TrayBound::None);
            const double expected = BisectMle(groups) * f;
            EXPECT_NEAR(r.mlePerMl, expected, 1e-9 * expected);
            EXPECT_NEAR(r.mlePer100Ml, 100 * expected, 1e-7 * expected);
            EXPECT_LT(r.lowLimitPer100Ml, r.mlePer100Ml);
            EXPECT_GT(r.highLimitPer100Ml, r.mlePer100Ml);
        }
    }
}

// ---- Texts --------------------------------------------------------------------------------

TEST(TrayTexts, CountsNameTheReadFigures) {
    const std::string t51 = CountsText(Tray51(25), kDot);
    EXPECT_NE(t51.find("25"), std::string::npos);
    EXPECT_NE(t51.find("51"), std::string::npos);
    const std::string t97 = CountsText(Tray97(10, 5), kDot);
    for (const char* figure : {"10", "49", "5", "48"})
        EXPECT_NE(t97.find(figure), std::string::npos) << figure;
    EXPECT_LT(t97.find("10"), t97.find("49"));
    EXPECT_LT(t97.find("49"), t97.find("48"));
    const std::string groups = CountsText(Plate({{1.9, 3, 46}, {0.16, 2, 46}}), NumberLocale{","});
    EXPECT_NE(groups.find("1,9:3:46 0,16:2:46"), std::string::npos) << groups;
    EXPECT_NE(DilutionFactorText(10, kDot).find("10"), std::string::npos);
    for (const std::string& t : {t51, t97, groups, DilutionFactorText(2.5, kDot)})
        EXPECT_EQ(t.find('%'), std::string::npos) << t;
    EXPECT_NE(DesignName(Design::Tray51), DesignName(Design::Tray97));
    EXPECT_NE(DesignName(Design::Tray97), DesignName(Design::Groups));
}

// ---- The likelihood curve -------------------------------------------------------------------

TEST(TrayCurve, PeaksAtTheEstimateAndFallsAwayOnEachSide) {
    struct Row {
        const char* name;
        TrayInput input;
    };
    const Row rows[] = {
        {"97 10,5", Tray97(10, 5)},
        {"51 25 F=10", Tray51(25, 10)},
        {"million wells", Plate({{0.01, 400'000, 600'000}, {0.001, 50'000, 950'000}})},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const TrayResult r = ComputeTray(row.input, kJarvis95);
        const std::vector<CurvePoint> curve = LikelihoodCurve(r, 301);
        ASSERT_EQ(curve.size(), 301u);
        EXPECT_LT(curve.front().densityPer100Ml, r.lowLimitPer100Ml);
        EXPECT_GT(curve.back().densityPer100Ml, r.highLimitPer100Ml);
        std::size_t peak = 0;
        for (std::size_t i = 0; i < curve.size(); ++i) {
            ASSERT_TRUE(std::isfinite(curve[i].relativeLikelihood));
            if (curve[i].relativeLikelihood > curve[peak].relativeLikelihood) peak = i;
            if (i > 0) {
                // Log-spaced: equal ratios of neighbouring densities.
                EXPECT_NEAR(curve[i].densityPer100Ml / curve[i - 1].densityPer100Ml,
                            curve[1].densityPer100Ml / curve[0].densityPer100Ml, 1e-9);
            }
        }
        EXPECT_GT(curve[peak].relativeLikelihood, 0.99);
        EXPECT_LE(curve[peak].relativeLikelihood, 1.0);
        EXPECT_LT(curve[peak - 1].densityPer100Ml, r.mlePer100Ml * 1.1);
        EXPECT_GT(curve[peak + 1].densityPer100Ml, r.mlePer100Ml / 1.1);
        for (std::size_t i = 1; i <= peak; ++i)
            EXPECT_GE(curve[i].relativeLikelihood, curve[i - 1].relativeLikelihood);
        for (std::size_t i = peak + 1; i < curve.size(); ++i)
            EXPECT_LE(curve[i].relativeLikelihood, curve[i - 1].relativeLikelihood);
        EXPECT_LT(curve.front().relativeLikelihood, 0.05);
        EXPECT_LT(curve.back().relativeLikelihood, 0.05);
    }
}

TEST(TrayCurve, BoundsApproachOneOnTheirOpenSide) {
    const std::vector<CurvePoint> none = LikelihoodCurve(ComputeTray(Tray97(0, 0), kJarvis95));
    ASSERT_FALSE(none.empty());
    EXPECT_GT(none.front().relativeLikelihood, 0.99);
    EXPECT_LT(none.back().relativeLikelihood, 0.01);
    const std::vector<CurvePoint> all = LikelihoodCurve(ComputeTray(Tray97(49, 48), kJarvis95));
    ASSERT_FALSE(all.empty());
    EXPECT_LT(all.front().relativeLikelihood, 0.01);
    EXPECT_GT(all.back().relativeLikelihood, 0.99);
}

}  // namespace
}  // namespace tubewise::trays
