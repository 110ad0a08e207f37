// The self-check's rules: rounding at a table's printed precision, the bounds of all-negative
// and all-positive rows, and differences that are explained only by a known printed figure.
#include <gtest/gtest.h>

#include <algorithm>

#include "validate/SelfCheck.h"

namespace tubewise::validate {
namespace {

struct RoundingCase {
    const char* name;
    double value;
    Convention convention;
    const char* formatted;
    const char* agreesWith;   // a printed figure that must agree
    const char* differsFrom;  // one that must not
};

TEST(SelfCheckRounding, FiguresAgreeAtThePrintedPrecisionOnly) {
    const RoundingCase cases[] = {
        {"two figures, printed without its zero",
         3.0492,
         {Rounding::SignificantFigures, 2},
         "3.0",
         "3",
         "3.1"},
        {"two figures in the thousands",
         1609.44,
         {Rounding::SignificantFigures, 2},
         "1600",
         "1600",
         "1610"},
        {"two figures below one",
         0.0367,
         {Rounding::SignificantFigures, 2},
         "0.037",
         "0.037",
         "0.04"},
        {"a tenth just below the half",
         1098.94997,
         {Rounding::Decimals, 1},
         "1098.9",
         "1098.9",
         "1099.0"},
        {"a tenth just above the half", 38.49997, {Rounding::Decimals, 1}, "38.5", "38.5", "38.4"},
        {"two decimals", 0.0367, {Rounding::Decimals, 2}, "0.04", "0.04", "0.03"},
        {"four decimals", 0.16854, {Rounding::Decimals, 4}, "0.1685", "0.1685", "0.1680"},
        {"zero", 0, {Rounding::Decimals, 2}, "0.00", "0", "0.01"},
    };
    for (const RoundingCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(FormatRounded(c.value, c.convention), c.formatted);
        EXPECT_TRUE(Agrees(c.agreesWith, c.value, c.convention));
        EXPECT_FALSE(Agrees(c.differsFrom, c.value, c.convention));
    }
    EXPECT_FALSE(Agrees("", 3.0, {Rounding::Decimals, 1}));
    EXPECT_FALSE(Agrees("3.0x", 3.0, {Rounding::Decimals, 1}));
}

// Three tubes at 10, 1 and 0.1 mL, per 100 mL, as the FDA prints it.
PublishedTable ThreeTube(std::vector<TableRow> rows) {
    PublishedTable t;
    t.name = "three";
    t.volumesMl = {10, 1, 0.1};
    t.tubes = {3, 3, 3};
    t.scale = 100;
    t.convention = {Rounding::SignificantFigures, 2};
    t.rows = std::move(rows);
    return t;
}

const Difference* Find(const SelfCheckResult& r, const std::string& row) {
    auto it = std::find_if(r.differences.begin(), r.differences.end(),
                           [&](const Difference& d) { return d.row == row; });
    return it == r.differences.end() ? nullptr : &*it;
}

TEST(SelfCheck, PublishedFiguresAndBoundsAgree) {
    // The FDA's figures: 3-1-0 is 43, every tube negative "<3.0" (the lowest MPN with one
    // positive tube), every tube positive ">1100" (the highest with one negative tube).
    const SelfCheckResult r = RunSelfCheck({ThreeTube({{{3, 1, 0}, "43", "", "", ""},
                                                       {{0, 0, 0}, "<3.0", "", "", ""},
                                                       {{3, 3, 3}, ">1100", "", "", ""}})});
    EXPECT_EQ(r.checked, 3);
    EXPECT_EQ(r.agreed, 3);
    EXPECT_TRUE(r.differences.empty());
    EXPECT_TRUE(r.Passed());
}

TEST(SelfCheck, AWrongFigureIsAnUnexplainedDifference) {
    const SelfCheckResult r =
        RunSelfCheck({ThreeTube({{{3, 1, 0}, "44", "", "", ""}, {{2, 2, 0}, "21", "", "", ""}})});
    EXPECT_EQ(r.checked, 2);
    EXPECT_EQ(r.agreed, 1);
    const Difference* d = Find(r, "3-1-0 MPN");
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->expected, "44");
    EXPECT_EQ(d->computed, "43");
    EXPECT_FALSE(d->explained);
    EXPECT_FALSE(r.Passed());
}

TEST(SelfCheck, ABoundOnTheWrongRowDoesNotAgree) {
    // "<3.0" belongs to the all-negative row only; ">1100" to the all-positive row.
    const SelfCheckResult r = RunSelfCheck({ThreeTube({{{0, 0, 1}, "<3.0", "", "", ""},
                                                       {{3, 3, 2}, ">1100", "", "", ""},
                                                       {{0, 0, 0}, ">1100", "", "", ""}})});
    EXPECT_EQ(r.checked, 3);
    EXPECT_EQ(r.agreed, 0);
    EXPECT_FALSE(r.Passed());
}

TEST(SelfCheck, AKnownDifferenceExplainsOnlyItsOwnPrintedFigure) {
    PublishedTable table = ThreeTube({{{3, 1, 0}, "44", "", "", ""}});
    table.known = {{"3-1-0", "MPN", "44", "a misprint"}};
    SelfCheckResult r = RunSelfCheck({table});
    ASSERT_EQ(r.differences.size(), 1u);
    EXPECT_TRUE(r.differences[0].explained);
    EXPECT_EQ(r.differences[0].reason, "a misprint");
    EXPECT_TRUE(r.Passed());

    // The same row altered again is not excused by the old explanation.
    table.rows[0].mpn = "45";
    r = RunSelfCheck({table});
    ASSERT_EQ(r.differences.size(), 1u);
    EXPECT_FALSE(r.differences[0].explained);
    EXPECT_FALSE(r.Passed());
}

TEST(SelfCheck, LimitsOfAnotherMethodAreNotedOnceAndNotCounted) {
    PublishedTable table =
        ThreeTube({{{3, 1, 0}, "43", "", "9", "180"}, {{2, 2, 0}, "21", "", "4.5", "42"}});
    table.limits = LimitsKind::NotOffered;
    table.limitsNote = "the manual's own method";
    const SelfCheckResult r = RunSelfCheck({table});
    EXPECT_EQ(r.checked, 2);
    EXPECT_EQ(r.agreed, 2);
    ASSERT_EQ(r.differences.size(), 1u);
    EXPECT_FALSE(r.differences[0].compared);
    EXPECT_EQ(r.differences[0].reason, "the manual's own method");
    EXPECT_TRUE(r.Passed());
}

TEST(SelfCheck, LimitsOfTheProgramsMethodsAreCompared) {
    // Ridout's likelihood-ratio limits for 2-2-0 at 0.1, 0.01, 0.001 g: 6.2 to 54.3 per g.
    PublishedTable table = ThreeTube({{{2, 2, 0}, "21.1", "", "6.2", "54.3"}});
    table.volumesMl = {0.1, 0.01, 0.001};
    table.scale = 1;
    table.convention = {Rounding::Decimals, 1};
    table.limits = LimitsKind::Compared;
    table.method = stats::CiMethod::LikelihoodRatio;
    SelfCheckResult r = RunSelfCheck({table});
    EXPECT_EQ(r.checked, 3);
    EXPECT_EQ(r.agreed, 3);

    // The same figures are not the log-normal limits.
    table.method = stats::CiMethod::Jarvis;
    r = RunSelfCheck({table});
    EXPECT_EQ(r.agreed, 1);
}

TEST(SelfCheck, AnAlteredCopyReplacesTheThreeTubeRows) {
    std::vector<PublishedTable> tables = {ThreeTube({{{3, 1, 0}, "43", "", "", ""}})};
    EXPECT_FALSE(ReplaceThreeTubeRows(tables,
                                      "pattern,tubes,inocula,mpn,ci_low,ci_high,units\n"
                                      "3-1-0,3,\"0.1;0.01\",44,9,180,MPN/g\n"
                                      "2-2-0,3,x,21,4.5,42,MPN/g\n"));
    ASSERT_EQ(tables[0].rows.size(), 2u);
    EXPECT_EQ(tables[0].rows[0].mpn, "44");
    EXPECT_EQ(tables[0].rows[1].high, "42");
    EXPECT_FALSE(RunSelfCheck(tables).Passed());

    EXPECT_TRUE(ReplaceThreeTubeRows(tables, "3-1,3,x,43,9,180,MPN/g\n"));
    EXPECT_TRUE(ReplaceThreeTubeRows(tables, "pattern,tubes,inocula,mpn,ci_low,ci_high\n"));
}

}  // namespace
}  // namespace tubewise::validate

namespace tubewise::validate {
namespace {

// The built-in tray tables are computed as the tray window computes them: every printed MPN
// and bound agrees (the 97-well 49-47 row included), and an altered entry or a count beyond
// the design is reported.
TEST(SelfCheckTrays, TrayRowsGoThroughTheTrayCalculation) {
    std::vector<PublishedTable> trays;
    for (PublishedTable& t : BuiltInTables())
        if (t.tray) trays.push_back(std::move(t));
    ASSERT_EQ(trays.size(), 2u);
    const SelfCheckResult builtIn = RunSelfCheck(trays);
    EXPECT_EQ(builtIn.checked, 10);
    EXPECT_EQ(builtIn.agreed, 10);
    EXPECT_TRUE(builtIn.differences.empty());

    struct Case {
        std::vector<int> positives;
        const char* printed;
        bool agrees;
    };
    const Case cases[] = {
        {{49, 47}, "2419.6", true},  {{49, 48}, ">2419.6", true},  {{0, 0}, "<1.0", true},
        {{49, 47}, "2419.5", false}, {{49, 48}, "2419.6", false},  {{40, 0}, "73.8", true},
        {{50, 0}, "1.0", false},     {{49, 48}, ">2419.5", false},
    };
    PublishedTable t97 = trays[1];
    ASSERT_EQ(t97.tray, trays::Design::Tray97);
    for (const Case& c : cases) {
        t97.rows = {{c.positives, c.printed, "", "", ""}};
        const SelfCheckResult r = RunSelfCheck({t97});
        EXPECT_EQ(r.agreed == 1, c.agrees) << c.printed;
        EXPECT_EQ(r.differences.empty(), c.agrees) << c.printed;
    }
}

}  // namespace
}  // namespace tubewise::validate
