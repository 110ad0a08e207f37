// The record model without a database: what the hash covers, the stored form of the rows,
// dates, the holding-time flag, listing filters, and the results a record's inputs give.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <variant>

#include "register/RecordCompute.h"
#include "register/RecordCsv.h"

namespace tubewise::reg {
namespace {

RecordInputs Tubes(std::vector<GridRowTexts> rows) {
    RecordInputs in;
    in.rows = std::move(rows);
    return in;
}

RecordVersion Sample() {
    RecordVersion v;
    v.record = 7;
    v.sampleId = "W-12";
    v.site = "Well 3";
    v.sampledAt = "2026-11-30 08:00";
    v.receivedAt = "2026-11-30 14:15";
    v.analyst = "Sara";
    v.inputs = Tubes({{"10", "5", "0"}, {"1", "3", "2"}, {"0.1", "0", "5"}});
    v.results = std::get<RecordResults>(ComputeResults(v.inputs));
    v.programVersion = "1.0.0";
    v.savedAt = "2026-11-30T15:00:00.000Z";
    v.savedBy = "sara";
    return v;
}

TEST(CanonicalText, EveryFieldChangesTheHashedText) {
    const std::vector<std::pair<const char*, std::function<void(RecordVersion&)>>> changes = {
        {"record", [](RecordVersion& v) { v.record = 8; }},
        {"version", [](RecordVersion& v) { v.version = 2; }},
        {"sample", [](RecordVersion& v) { v.sampleId = "W-13"; }},
        {"site", [](RecordVersion& v) { v.site = "Well 4"; }},
        {"sampled", [](RecordVersion& v) { v.sampledAt = "2026-11-30 08:01"; }},
        {"received", [](RecordVersion& v) { v.receivedAt = ""; }},
        {"analyst", [](RecordVersion& v) { v.analyst = "Reza"; }},
        {"row cell", [](RecordVersion& v) { v.inputs.rows[1].positive = "4"; }},
        {"row dropped", [](RecordVersion& v) { v.inputs.rows.pop_back(); }},
        {"design", [](RecordVersion& v) { v.inputs.design = Design::Tray51; }},
        {"dilution", [](RecordVersion& v) { v.inputs.dilutionFactor = 10; }},
        {"separator", [](RecordVersion& v) { v.inputs.decimalSeparator = ","; }},
        {"ci method",
         [](RecordVersion& v) { v.inputs.ciMethod = stats::CiMethod::LikelihoodRatio; }},
        {"ci level", [](RecordVersion& v) { v.inputs.ciLevel = 0.99; }},
        {"grid figure in its last bit",
         [](RecordVersion& v) {
             v.results.gridMpnPerMl = std::nextafter(v.results.gridMpnPerMl, 1e9);
         }},
        {"thomas undefined", [](RecordVersion& v) { v.results.thomasPer100Ml.reset(); }},
        {"upper limit open", [](RecordVersion& v) { v.results.ciHighPerMl.reset(); }},
        {"advice", [](RecordVersion& v) { v.results.gridAdvice = Advice::Red; }},
        {"rarity", [](RecordVersion& v) { v.results.rarityIndex = 0.5; }},
        {"saved at", [](RecordVersion& v) { v.savedAt = "2026-11-30T15:00:00.001Z"; }},
        {"saved by", [](RecordVersion& v) { v.savedBy = "root"; }},
        {"reason", [](RecordVersion& v) { v.reason = "typo"; }},
    };
    const std::string base = CanonicalText(Sample());
    for (const auto& [name, change] : changes) {
        RecordVersion v = Sample();
        change(v);
        EXPECT_NE(CanonicalText(v), base) << name;
    }
}

TEST(CanonicalText, AValueCannotPoseAsAnotherField) {
    RecordVersion forged = Sample();
    forged.site = "Well 3\nanalyst=Eve";
    const std::string text = CanonicalText(forged);
    EXPECT_EQ(text.find("\nanalyst=Eve\n"), std::string::npos);
    // Moving text between neighbouring fields changes the hashed text too.
    RecordVersion a = Sample();
    RecordVersion b = Sample();
    a.sampleId = "AB";
    a.site = "C";
    b.sampleId = "A";
    b.site = "BC";
    EXPECT_NE(CanonicalText(a), CanonicalText(b));
}

TEST(StoredRows, ReadBackExactlyAsTyped) {
    const std::vector<std::vector<GridRowTexts>> cases = {
        {},
        {{"10", "5", "0"}},
        {{" 10 ", "5", "0"}, {"0,1", "٣", "2"}, {"", "", ""}},
        {{"a:b", "back\\slash", "line\nend\r"}, {"\\:", ":", "\\n"}},
    };
    for (const auto& rows : cases) {
        const auto back = DecodeRows(EncodeRows(rows));
        ASSERT_TRUE(back) << EncodeRows(rows);
        ASSERT_EQ(back->size(), rows.size());
        for (std::size_t i = 0; i < rows.size(); ++i) {
            EXPECT_EQ((*back)[i].volume, rows[i].volume);
            EXPECT_EQ((*back)[i].positive, rows[i].positive);
            EXPECT_EQ((*back)[i].negative, rows[i].negative);
        }
    }
    for (const char* malformed : {"10:5", "10:5:0:1", "10:5:0\n1:2", "10:5:0\\", "10\\x:5:0"})
        EXPECT_FALSE(DecodeRows(malformed)) << malformed;
}

TEST(DateTimes, OnlyRealDaysAndTimesInTheOneForm) {
    EXPECT_EQ(ParseDateTimeMinutes("1970-01-01 00:00"), 0);
    EXPECT_EQ(ParseDateTimeMinutes("1970-01-02"), 1440);
    EXPECT_EQ(ParseDateTimeMinutes("2024-02-29 23:59"),
              *ParseDateTimeMinutes("2024-03-01 00:00") - 1);
    for (const char* bad :
         {"2023-02-29 10:00", "2026-13-01", "2026-04-31", "2026-01-01 24:00", "2026-01-01 10:60",
          "2026-01-01T10:00", "2026/01/01", "26-01-01", "2026-01-01 10:00:00", ""})
        EXPECT_FALSE(ParseDateTimeMinutes(bad)) << bad;
}

TEST(HoldingTime, FlaggedOnlyBeyondTheLimit) {
    struct Case {
        const char* sampled;
        const char* received;
        double limit;
        bool exceeded;
    };
    const Case cases[] = {
        {"2026-11-30 08:00", "2026-12-01 14:00", 30, false},  // exactly 30 h
        {"2026-11-30 08:00", "2026-12-01 14:01", 30, true},
        {"2026-12-31 20:00", "2027-01-02 03:00", 30, true},  // across a year's end: 31 h
        {"2026-11-30 08:00", "2026-11-30 14:00", 4, true},   // a laboratory's own limit
        {"2026-11-30 08:00", "", 30, false},                 // not yet received
        {"", "2026-12-05 08:00", 30, false},
    };
    for (const Case& c : cases) {
        RecordVersion v = Sample();
        v.sampledAt = c.sampled;
        v.receivedAt = c.received;
        EXPECT_EQ(HoldingExceeded(v, c.limit), c.exceeded) << c.sampled << " -> " << c.received;
    }
}

TEST(Filter, SiteSampleAndDays) {
    RecordVersion v = Sample();  // sampled 2026-11-30 08:00 at Well 3
    struct Case {
        RecordFilter filter;
        bool matches;
    };
    const Case cases[] = {
        {{}, true},
        {{"Well 3", "", "", "", ""}, true},
        {{"Well", "", "", "", ""}, false},
        {{"", "W-12", "", "", ""}, true},
        {{"", "W-1", "", "", ""}, false},
        {{"", "", "2026-11-30", "", ""}, true},
        {{"", "", "2026-12-01", "", ""}, false},
        {{"", "", "", "2026-11-30", ""}, true},  // the whole last day is in
        {{"", "", "", "2026-11-29", ""}, false},
        {{"Well 3", "W-12", "2026-11-01", "2026-11-30", ""}, true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.filter.Matches(v), c.matches) << c.filter.site << "|" << c.filter.sampleId
                                                  << "|" << c.filter.from << "|" << c.filter.to;
    // Without a sampling time the record is dated by its saving.
    v.sampledAt.clear();
    EXPECT_TRUE((RecordFilter{"", "", "2026-11-30", "2026-11-30", ""}.Matches(v)));
    EXPECT_FALSE((RecordFilter{"", "", "2026-12-01", "", ""}.Matches(v)));
}

// The published table (FDA BAM, three tubes at 10, 1 and 0.1 mL) to its two figures.
TEST(ComputeResults, AgreesWithThePublishedTable) {
    struct Case {
        const char* positives[3];
        double mpnPer100Ml;
    };
    const Case cases[] = {{{"2", "0", "0"}, 9.2}, {{"3", "1", "0"}, 43}, {{"3", "3", "2"}, 1100}};
    for (const Case& c : cases) {
        std::vector<GridRowTexts> rows;
        const char* volumes[] = {"10", "1", "0.1"};
        for (int i = 0; i < 3; ++i)
            rows.push_back(
                {volumes[i], c.positives[i], std::to_string(3 - std::stoi(c.positives[i]))});
        const auto outcome = ComputeResults(Tubes(rows));
        ASSERT_TRUE(std::holds_alternative<RecordResults>(outcome));
        const RecordResults& r = std::get<RecordResults>(outcome);
        ASSERT_TRUE(r.mlePerMl);
        char printed[32];
        std::snprintf(printed, sizeof printed, "%.2g", *r.mlePerMl * 100);
        EXPECT_DOUBLE_EQ(std::stod(printed), c.mpnPer100Ml);
        EXPECT_LT(r.ciLowPerMl, *r.mlePerMl);
        ASSERT_TRUE(r.ciHighPerMl);
        EXPECT_GT(*r.ciHighPerMl, *r.mlePerMl);
    }
}

TEST(ComputeResults, WorkedExampleAndEveryTubePositive) {
    const RecordResults example = std::get<RecordResults>(
        ComputeResults(Tubes({{"10", "5", "0"}, {"1", "3", "2"}, {"0.1", "0", "5"}})));
    EXPECT_EQ(example.dilutions, 3);
    EXPECT_NEAR(example.gridMpnPer100Ml, 79.2, 1e-9);
    ASSERT_TRUE(example.thomasPer100Ml);
    EXPECT_NEAR(*example.thomasPer100Ml, 67.916, 5e-4);
    EXPECT_EQ(example.gridAdvice, Advice::Green);
    EXPECT_EQ(example.thomasAdvice, Advice::Green);

    const RecordResults all = std::get<RecordResults>(
        ComputeResults(Tubes({{"10", "5", "0"}, {"1", "5", "0"}, {"0.1", "5", "0"}})));
    EXPECT_TRUE(all.gridLowerBound);
    EXPECT_EQ(all.gridAdvice, Advice::Red);
    EXPECT_FALSE(all.thomasPer100Ml);
    EXPECT_EQ(all.thomasAdvice, Advice::Red);
    EXPECT_EQ(all.mleKind, stats::MleKind::Infinite);
    EXPECT_FALSE(all.mlePerMl);
    EXPECT_FALSE(all.ciHighPerMl);
}

TEST(ComputeResults, CellsAreReadInTheTypistsLocale) {
    RecordInputs comma = Tubes({{"10", "5", "0"}, {"1", "3", "2"}, {"0,1", "0", "5"}});
    comma.decimalSeparator = ",";
    const RecordInputs point = Tubes({{"10", "5", "0"}, {"1", "3", "2"}, {"0.1", "0", "5"}});
    EXPECT_EQ(std::get<RecordResults>(ComputeResults(comma)),
              std::get<RecordResults>(ComputeResults(point)));
}

TEST(ComputeResults, RefusesWhatTheGridRefusesAndCountsNoTrayCanGive) {
    const auto negative = ComputeResults(Tubes({{"10", "-1", "5"}}));
    ASSERT_TRUE(std::holds_alternative<ComputeRefusal>(negative));
    EXPECT_EQ(std::get<ComputeRefusal>(negative).row, 1);
    const auto noSample = ComputeResults(Tubes({{"10", "5", "0"}, {"0", "2", "3"}}));
    ASSERT_TRUE(std::holds_alternative<ComputeRefusal>(noSample));
    EXPECT_EQ(std::get<ComputeRefusal>(noSample).row, 2);
    for (const char* counts : {"50,10", "49", "49,10,1", "x,1", "-1,0", "1.5,0"}) {
        RecordInputs tray;
        tray.design = Design::Tray97;
        tray.trayCounts = counts;
        EXPECT_TRUE(std::holds_alternative<ComputeRefusal>(ComputeResults(tray))) << counts;
    }
}

// The published tray figures per 100 mL, after the dilution factor.
TEST(ComputeResults, TraysPerMlOfTheOriginalSample) {
    struct Row {
        Design design;
        const char* counts;
        double factor;
        double mlePer100Ml;  // 0: none (every well positive)
    };
    const Row rows[] = {
        {Design::Tray51, "25", 1, 34.4},   {Design::Tray97, "10,5", 1, 16.6},
        {Design::Tray97, "10:5", 10, 166}, {Design::Tray97, "49,47", 1, 2419.6},
        {Design::Tray97, "49,48", 1, 0},
    };
    for (const Row& row : rows) {
        RecordInputs tray;
        tray.design = row.design;
        tray.trayCounts = row.counts;
        tray.dilutionFactor = row.factor;
        const auto computed = ComputeResults(tray);
        ASSERT_TRUE(std::holds_alternative<RecordResults>(computed)) << row.counts;
        const RecordResults& r = std::get<RecordResults>(computed);
        if (row.mlePer100Ml == 0) {
            EXPECT_EQ(r.mleKind, stats::MleKind::Infinite);
            EXPECT_FALSE(r.mlePerMl);
            EXPECT_FALSE(r.ciHighPerMl);
            EXPECT_EQ(r.gridAdvice, Advice::Red);
        } else {
            ASSERT_TRUE(r.mlePerMl) << row.counts;
            EXPECT_NEAR(*r.mlePerMl * 100, row.mlePer100Ml, 0.05 * row.factor) << row.counts;
            EXPECT_LT(r.ciLowPerMl, *r.mlePerMl);
            EXPECT_GT(*r.ciHighPerMl, *r.mlePerMl);
        }
        EXPECT_FALSE(r.thomasPer100Ml);
    }
}

TEST(Export, FormulaLikeTextsAreWrittenAsText) {
    RecordVersion v = Sample();
    v.sampleId = "=HYPERLINK(\"http://x\")";
    v.site = "-12";
    v.reason = "a, b";
    const std::string line = ExportLine(v, true, 30);
    EXPECT_NE(line.find("\"'=HYPERLINK(\"\"http://x\"\")\""), std::string::npos) << line;
    EXPECT_NE(line.find(",'-12,"), std::string::npos) << line;
    EXPECT_NE(line.find(",\"a, b\""), std::string::npos) << line;
    // One field for each column of the header.
    const auto commas = [](const std::string& s) { return std::count(s.begin(), s.end(), ','); };
    v.sampleId = "plain";
    v.reason = "plain";
    EXPECT_EQ(commas(ExportLine(v, false, 30)), commas(ExportHeader()));
}

}  // namespace
}  // namespace tubewise::reg
