// Batch evaluation: reading CSV records and sample lines, the figures of one sample, threads and
// result records.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "cli/BatchCsv.h"
#include "cli/BatchWork.h"
#include "core/NumberText.h"

namespace tubewise::cli {
namespace {

using stats::CiMethod;
using stats::MleKind;
using stats::StatisticsOptions;

std::vector<BatchSample> ReadAll(const std::vector<std::string>& lines) {
    BatchLineReader reader;
    std::vector<BatchSample> out;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (auto s = reader.Read(lines[i], static_cast<int>(i) + 1)) out.push_back(*s);
    }
    return out;
}

TEST(BatchLines, HeaderCommentsAndBlankLinesHoldNoSample) {
    const auto samples = ReadAll({"\xEF\xBB\xBFid,volume,tubes,positives", "# comment", "   ",
                                  "a,10,5,5,1,5,3,0.1,5,0", "", "id,1,3,1"});
    ASSERT_EQ(samples.size(), 2u);
    EXPECT_EQ(samples[0].line, 4);
    EXPECT_EQ(samples[0].id, "a");
    EXPECT_EQ(samples[0].dilutions, 3);
    EXPECT_TRUE(samples[0].error.empty());
    // "id" is a header only as the first line with content; later it is a sample's id.
    EXPECT_EQ(samples[1].line, 6);
    EXPECT_EQ(samples[1].id, "id");
    EXPECT_TRUE(samples[1].error.empty());
}

TEST(BatchLines, SeriesOfASample) {
    const auto samples = ReadAll({"\"tank 3, tap\", 10 ,5,5, 1,5,3,0.1,5,0\r"});
    ASSERT_EQ(samples.size(), 1u);
    const BatchSample& s = samples[0];
    EXPECT_EQ(s.id, "tank 3, tap");
    ASSERT_EQ(s.series.count(), 3);
    // The series holds positive and negative tubes, as the grid does.
    EXPECT_EQ(s.series.rows[1].volume, 1);
    EXPECT_EQ(s.series.rows[1].positive, 3);
    EXPECT_EQ(s.series.rows[1].negative, 2);
    EXPECT_EQ(s.series.rows[2].negative, 5);
}

TEST(BatchLines, BadLinesSayWhatIsWrong) {
    struct Row {
        const char* line;
        const char* error;
    };
    const Row rows[] = {
        {"s", "found 1 fields"},
        {"s,10,5", "found 3 fields"},
        {"s,10,5,5,1,5", "found 6 fields"},
        {"s,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1", "found 20 fields"},
        {"s,tray97,10", "found 3 fields"},
        {"s,tray51,1,2,3", "found 5 fields"},
        {"s,tray51,x", "field 3"},
        {"s,ten,5,5", "volume of dilution 1"},
        {"s,10,5,5,0,5,0", "volume of dilution 2"},
        {"s,10,5,5,-1,5,0", "volume of dilution 2"},
        {"s,10,5.5,5", "tubes of dilution 1"},
        {"s,10,-5,0", "tubes of dilution 1"},
        {"s,10,40000,0", "tubes of dilution 1"},
        {"s,10,5,6", "positive tubes of dilution 1"},
        {"s,10,5,,1,5,0,0.1,5,1", "positive tubes of dilution 1"},
        {"s,10,0,0,1,0,0", "no tubes at all"},
    };
    for (const Row& row : rows) {
        const auto samples = ReadAll({row.line});
        ASSERT_EQ(samples.size(), 1u) << row.line;
        EXPECT_NE(samples[0].error.find(row.error), std::string::npos)
            << row.line << " -> " << samples[0].error;
    }
}

// Every record of `bytes`, read `piece` bytes at a time (as a slow pipe delivers them).
std::vector<CsvRecord> Records(const std::string& bytes, std::size_t piece) {
    std::size_t at = 0;
    CsvRecordReader reader([&](char* buffer, std::size_t size) {
        const std::size_t n = std::min({size, piece, bytes.size() - at});
        std::memcpy(buffer, bytes.data() + at, n);
        at += n;
        return static_cast<long>(n);
    });
    std::vector<CsvRecord> out;
    while (auto record = reader.Next()) out.push_back(std::move(*record));
    EXPECT_FALSE(reader.Failed());
    return out;
}

TEST(CsvRecords, LineEndsQuotesAndComments) {
    using Expected = std::vector<std::pair<int, std::string>>;  // line, text
    struct Case {
        const char* name;
        std::string bytes;
        Expected records;
    };
    const Case cases[] = {
        {"LF", "a,1\nb,2\n", {{1, "a,1"}, {2, "b,2"}}},
        {"CR only", "a,1\rb,2\r", {{1, "a,1"}, {2, "b,2"}}},
        {"CRLF", "a,1\r\nb,2\r\n", {{1, "a,1"}, {2, "b,2"}}},
        {"blank lines, no last line end", "a,1\r\n\rb,2", {{1, "a,1"}, {2, ""}, {3, "b,2"}}},
        {"quoted line end", "\"x\r\ny\",1\nz,2\n", {{1, "\"x\r\ny\",1"}, {3, "z,2"}}},
        {"quoted CR only", "\"x\ry\",1\rz,2", {{1, "\"x\ry\",1"}, {3, "z,2"}}},
        {"doubled quotes", "\"say \"\"hi\"\"\",1\nb\n", {{1, "\"say \"\"hi\"\"\",1"}, {2, "b"}}},
        {"quotes inside an unquoted field",
         "=HYPERLINK(\"x\"),1\nb,x\"\n",
         {{1, "=HYPERLINK(\"x\"),1"}, {2, "b,x\""}}},
        {"quote after blanks opens", " \"a\nb\",1\nc\n", {{1, " \"a\nb\",1"}, {3, "c"}}},
        {"comment with an open quote", "# it's \"open\nb,1\n", {{1, "# it's \"open"}, {2, "b,1"}}},
        {"byte-order mark", "\xEF\xBB\xBFid,v\n", {{1, "id,v"}}},
    };
    for (const Case& c : cases) {
        for (const std::size_t piece : {std::size_t{1}, std::size_t{2}, std::size_t{1} << 20}) {
            const std::vector<CsvRecord> records = Records(c.bytes, piece);
            Expected got;
            for (const CsvRecord& r : records) {
                got.emplace_back(r.line, r.text);
                EXPECT_FALSE(r.tooLong || r.unclosedQuote) << c.name;
            }
            EXPECT_EQ(got, c.records) << c.name << ", " << piece << " bytes at a time";
        }
    }
}

TEST(CsvRecords, OverLongRecordIsCutAndReportedAndTheNextIsRead) {
    const std::string exact(kMaxRecordBytes, 'x');
    const std::string longQuoted = "\"" + std::string(kMaxRecordBytes, 'y') + "\ny\",1";
    const std::string bytes = exact + "\n" + std::string(3 * kMaxRecordBytes, '1') + "\r\n" +
                              longQuoted + "\n" + "b,10,5,1\n";
    const std::vector<CsvRecord> records = Records(bytes, 4096);
    ASSERT_EQ(records.size(), 4u);
    EXPECT_FALSE(records[0].tooLong);
    EXPECT_EQ(records[0].text, exact);
    EXPECT_TRUE(records[1].tooLong);
    EXPECT_EQ(records[1].line, 2);
    EXPECT_EQ(records[1].text.size(), kMaxRecordBytes);  // memory stays bounded
    EXPECT_TRUE(records[2].tooLong);
    EXPECT_EQ(records[2].line, 3);
    EXPECT_EQ(records[3].line, 5);  // the long quoted record held a line end
    EXPECT_EQ(records[3].text, "b,10,5,1");

    BatchLineReader reader;
    const auto cut = reader.Read(records[1]);
    ASSERT_TRUE(cut);
    EXPECT_EQ(cut->line, 2);
    EXPECT_NE(cut->error.find("longer than 65536 bytes"), std::string::npos) << cut->error;
    const auto next = reader.Read(records[3]);
    ASSERT_TRUE(next);
    EXPECT_TRUE(next->error.empty()) << next->error;
    // A long comment is still a comment.
    EXPECT_FALSE(reader.Read(Records("#" + std::string(2 * kMaxRecordBytes, 'c'), 1 << 20)[0]));
}

TEST(CsvRecords, UnclosedQuoteAndReadFailure) {
    const std::vector<CsvRecord> records = Records("a,1\n\"b,2\nc,3\n", 5);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_TRUE(records[1].unclosedQuote);
    EXPECT_EQ(records[1].line, 2);
    BatchLineReader reader;
    const auto sample = reader.Read(records[1]);
    ASSERT_TRUE(sample);
    EXPECT_NE(sample->error.find("not closed"), std::string::npos) << sample->error;

    int calls = 0;
    CsvRecordReader failing([&](char* buffer, std::size_t) -> long {
        if (calls++ > 0) return -1;
        std::memcpy(buffer, "a,1\nb", 5);
        return 5;
    });
    ASSERT_TRUE(failing.Next());
    EXPECT_FALSE(failing.Next());  // the half record before the failure is not a record
    EXPECT_TRUE(failing.Failed());
}

TEST(BatchLines, FieldsFollowTheQuotingRules) {
    struct Case {
        const char* line;
        std::vector<std::string> fields;
    };
    const Case cases[] = {
        {"=HYPERLINK(\"x\"),1", {"=HYPERLINK(\"x\")", "1"}},
        {"ab\"c,1", {"ab\"c", "1"}},
        {"\"a\"\"b\",1", {"a\"b", "1"}},
        {"\"x\r\ny,z\",1", {"x\r\ny,z", "1"}},
        {" \"a,b\" ,1", {" a,b ", "1"}},
        {"\"ab\"cd,1", {"abcd", "1"}},
        {"a,,\"\"", {"a", "", ""}},
    };
    for (const Case& c : cases) EXPECT_EQ(SplitCsvLine(c.line), c.fields) << c.line;
}

TEST(BatchRecords, FormulaLikeIdsAreWrittenAsText) {
    struct Case {
        const char* id;
        const char* field;
    };
    const Case cases[] = {
        {"=HYPERLINK(\"x\")", "\"'=HYPERLINK(\"\"x\"\")\""},
        {"=cmd|' /C calc'!A0", "'=cmd|' /C calc'!A0"},
        {"+1+2", "'+1+2"},
        {"@SUM(A1)", "'@SUM(A1)"},
        {"-12", "'-12"},
        {"\tx", "'\tx"},
        {"\rx", "\"'\rx\""},
        // Everything else stays byte for byte.
        {"a=b", "a=b"},
        {"'quoted", "'quoted"},
        {"x-1", "x-1"},
        {"tank 3, tap", "\"tank 3, tap\""},
        {"", ""},
    };
    for (const Case& c : cases) {
        BatchRecord r;
        r.line = 7;
        r.id = c.id;
        r.error = "e";
        EXPECT_EQ(FormatRecord(r).rfind("7," + std::string(c.field) + ",", 0), 0u)
            << c.id << " -> " << FormatRecord(r);
    }
}

TEST(BatchSampleFigures, WorkedExampleGivesGridThomasAndStatistics) {
    const auto samples = ReadAll({"w,10,5,5,1,5,3,0.1,5,0"});
    const BatchRecord r = EvaluateSample(samples[0], StatisticsOptions{});
    ASSERT_TRUE(r.error.empty());
    EXPECT_EQ(r.searchEnd, SearchEnd::Completed);
    EXPECT_EQ(r.mpnPerMl, 0.7920000000000006);
    EXPECT_NEAR(r.maxLikelihood, 0.0225640617980848, 1e-15);
    ASSERT_TRUE(r.thomasDefined);
    EXPECT_NEAR(r.thomasPer100Ml, 67.916, 5e-4);
    EXPECT_NEAR(r.statistics.mle.perMl, 0.792, 5e-4);
    EXPECT_EQ(r.statistics.method, CiMethod::Jarvis);
}

TEST(BatchSampleFigures, LargeVolumesAllPositiveAreALowerBoundInsideTheRange) {
    // The likelihood rounds to 1 at 0.375 per mL, far below the top candidate.
    const auto samples = ReadAll({"big,100,5,5", "mid,10,5,5,1,5,3,0.1,5,0"});
    const BatchRecord big = EvaluateSample(samples[0], StatisticsOptions{});
    EXPECT_LT(big.mpnPerMl, 1.0);
    EXPECT_TRUE(big.lowerBound);
    EXPECT_EQ(big.statistics.mle.kind, MleKind::Infinite);
    EXPECT_FALSE(EvaluateSample(samples[1], StatisticsOptions{}).lowerBound);
}

TEST(BatchSampleFigures, MoreThan327PositiveTubesLeaveThomasEmptyAndTheGridAnswer) {
    const auto samples = ReadAll({"t,0.1,528,328"});
    const BatchRecord r = EvaluateSample(samples[0], StatisticsOptions{});
    EXPECT_TRUE(r.error.empty());
    EXPECT_FALSE(r.thomasDefined);
    EXPECT_EQ(r.searchEnd, SearchEnd::Completed);
    EXPECT_NEAR(r.mpnPerMl, 9.708, 1e-9);
}

TEST(BatchSampleFigures, AllPositiveHasNoFiniteFigures) {
    const auto samples = ReadAll({"p,10,5,5,1,5,5"});
    const BatchRecord r = EvaluateSample(samples[0], {CiMethod::LikelihoodRatio, 0.9});
    EXPECT_FALSE(r.thomasDefined);
    const std::vector<std::string> fields = SplitCsvLine(FormatRecord(r));
    const std::vector<std::string> names = SplitCsvLine(BatchHeader());
    ASSERT_EQ(fields.size(), names.size());
    const auto field = [&](const std::string& name) {
        for (std::size_t i = 0; i < names.size(); ++i) {
            if (names[i] == name) return fields[i];
        }
        return std::string("missing column ") + name;
    };
    EXPECT_EQ(field("grid_lower_bound"), "true");
    EXPECT_EQ(field("thomas_per_100ml"), "");
    EXPECT_EQ(field("mle_per_ml"), "");
    EXPECT_EQ(field("mle_infinite"), "true");
    EXPECT_EQ(field("bias_adjusted_per_ml"), "");
    EXPECT_EQ(field("ci_method"), "lr");
    EXPECT_EQ(field("ci_level"), "0.9");
    EXPECT_EQ(field("ci_high_per_ml"), "");
    EXPECT_NE(field("ci_low_per_ml"), "");
    EXPECT_EQ(field("rarity_index"), "1");
    EXPECT_EQ(field("improbable"), "false");
    EXPECT_EQ(field("error"), "");
}

TEST(BatchRecords, EveryRecordHasTheHeadersColumns) {
    const auto samples = ReadAll({"ok,10,5,5,1,5,3,0.1,5,0", "bad \"one\",10,5", "neg,1,3,0"});
    const std::size_t columns = SplitCsvLine(BatchHeader()).size();
    for (const BatchSample& s : samples) {
        const BatchRecord r = EvaluateSample(s, StatisticsOptions{});
        const std::vector<std::string> fields = SplitCsvLine(FormatRecord(r));
        ASSERT_EQ(fields.size(), columns) << FormatRecord(r);
        EXPECT_EQ(fields[0], std::to_string(s.line));
        EXPECT_EQ(fields[1], s.id);
        EXPECT_EQ(fields.back(), s.error);
    }
}

TEST(BatchRecords, CsvFieldsReadBack) {
    for (const std::string text : {"plain", "with, comma", "say \"hi\"", "", "\"", "a\nb"}) {
        const std::string line = CsvField(text) + "," + CsvField("next");
        const std::vector<std::string> fields = SplitCsvLine(line);
        ASSERT_EQ(fields.size(), 2u) << line;
        EXPECT_EQ(fields[0], text);
        EXPECT_EQ(fields[1], "next");
    }
    for (const double x : {0.1, 0.7920000000000006, 1e-300, 123456789.125, 2.0 / 3}) {
        EXPECT_EQ(std::stod(FormatShortest(x)), x);
    }
    EXPECT_EQ(FormatShortest(0.1), "0.1");
}

TEST(BatchThreads, TwoThreadsGiveTheSameRecordsInInputOrder) {
    std::vector<std::string> lines;
    for (int i = 0; i < 40; ++i) {
        lines.push_back("s" + std::to_string(i) + ",10,5," + std::to_string(i % 6) + ",1,5," +
                        std::to_string((i / 6) % 6) + ",0.1,5,1");
    }
    lines.push_back("broken,1");
    const auto samples = ReadAll(lines);
    std::vector<BatchRecord> one(samples.size());
    std::vector<BatchRecord> two(samples.size());
    std::atomic<int> doneOne{0};
    std::atomic<int> doneTwo{0};
    const std::atomic<bool> go{false};
    EXPECT_TRUE(EvaluateSamples(samples, one, StatisticsOptions{}, 1, doneOne, go));
    EXPECT_TRUE(EvaluateSamples(samples, two, StatisticsOptions{}, 2, doneTwo, go));
    EXPECT_EQ(doneOne.load(), static_cast<int>(samples.size()));
    EXPECT_EQ(doneTwo.load(), static_cast<int>(samples.size()));
    for (std::size_t i = 0; i < samples.size(); ++i) {
        EXPECT_EQ(FormatRecord(one[i]), FormatRecord(two[i]));
        EXPECT_EQ(two[i].line, samples[i].line);
    }
}

TEST(BatchSharing, RepeatedSeriesKeepTheirOwnLinesAndIdsAndTheCacheStaysBounded) {
    std::vector<std::string> lines;
    for (int i = 0; i < 60; ++i) {
        // Three patterns, and the same counts at another volume, which must not be shared.
        lines.push_back("s" + std::to_string(i) + ",10,5," + std::to_string(i % 3) + ",1,5,1");
        if (i % 10 == 0) lines.push_back("v" + std::to_string(i) + ",10.5,5,0,1,5,1");
    }
    lines.push_back("broken,1");
    const auto samples = ReadAll(lines);
    std::vector<BatchRecord> expected;
    for (const BatchSample& s : samples) expected.push_back(EvaluateSample(s, StatisticsOptions{}));

    SeriesCache cache(3);  // smaller than the four distinct series: it must start afresh
    const std::atomic<bool> go{false};
    for (int round = 0; round < 2; ++round) {
        std::vector<BatchRecord> out(samples.size());
        std::atomic<int> done{0};
        ASSERT_TRUE(EvaluateSamples(samples, out, StatisticsOptions{}, 2, done, go, &cache));
        EXPECT_EQ(done.load(), static_cast<int>(samples.size()));
        EXPECT_LE(cache.size(), 3u);
        for (std::size_t i = 0; i < samples.size(); ++i)
            ASSERT_EQ(FormatRecord(out[i]), FormatRecord(expected[i])) << round << ": " << i;
    }
    EXPECT_NE(FormatRecord(expected[0]).substr(expected[0].id.size() + 4),
              FormatRecord(expected[1]).substr(expected[1].id.size() + 4))
        << "10 and 10.5 mL must give different figures";
}

TEST(BatchThreads, AStopRequestStartsNoFurtherSample) {
    const auto samples = ReadAll({"a,1,3,1", "b,1,3,2"});
    std::vector<BatchRecord> out(samples.size());
    std::atomic<int> done{0};
    const std::atomic<bool> stop{true};
    EXPECT_FALSE(EvaluateSamples(samples, out, StatisticsOptions{}, 2, done, stop));
    EXPECT_EQ(done.load(), 0);
}

}  // namespace
}  // namespace tubewise::cli
