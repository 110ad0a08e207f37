// tubewise-cli register stats on a SQLite register: worked examples whose figures follow by
// hand from one-dilution series (n tubes of v mL, q negative: MLE = -ln(q / n) / v per mL),
// non-detects at the detection limit and half of it, the date window, and refusals.
#include <gtest/gtest.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonObject>
#include <QTemporaryDir>
#include <optional>

#include "tests/support/CliProcess.h"

namespace tubewise::testing {
namespace {

const QString kCli = QStringLiteral(TUBEWISE_CLI);

// Per 100 mL: 10 tubes of 10 mL, 5 / 9 positive: 10 ln 2 = 6.931 and 10 ln 10 = 23.03; of
// 1 mL: 100 ln 2 = 69.31 and 100 ln 10 = 230.3. Ten of 10 mL negative: a non-detect whose
// detection limit (one tube positive) is -10 ln 0.9 = 1.0536. Ten of 10 mL positive: no finite
// MLE, its highest finite value (nine positive) is 23.03.
struct Sample {
    const char* sampled;  // empty: no sampling time
    const char* row;
};
const Sample kA{"2026-03-01 08:00", "10:5:5"};
const Sample kB{"2026-03-10 08:00", "10:9:1"};
const Sample kC{"2026-03-20 08:00", "1:5:5"};
const Sample kD{"2026-03-31 23:59", "1:9:1"};
const Sample kNone{"2026-03-15 08:00", "10:0:10"};
const Sample kAll{"2026-03-16 08:00", "10:10:0"};

struct StatsCase {
    const char* name;
    std::vector<Sample> samples;
    QStringList args;
    int count;
    double geometricMean;
    std::optional<double> p90, p95;
    double median, minimum, maximum;
    std::optional<int> aboveLimit;
    const char* verdict;  // "" without a limit
};

const StatsCase kCases[] = {
    {"four samples, no limit",
     {kA, kB, kC, kD},
     {},
     4,
     39.9503,
     273.054,
     470.547,
     46.1703,
     6.93147,
     230.259,
     std::nullopt,
     ""},
    // Two of the four exceed 50; one sample above a single-sample limit fails the site.
    {"limit 50",
     {kA, kB, kC, kD},
     {"--limit", "50"},
     4,
     39.9503,
     273.054,
     470.547,
     46.1703,
     6.93147,
     230.259,
     2,
     "does_not_comply"},
    {"limit 500 complies",
     {kA, kB, kC, kD},
     {"--limit", "500"},
     4,
     39.9503,
     273.054,
     470.547,
     46.1703,
     6.93147,
     230.259,
     0,
     "complies"},
    {"geometric mean 39.95 against 50",
     {kA, kB, kC, kD},
     {"--limit", "50", "--statistic", "geomean"},
     4,
     39.9503,
     273.054,
     470.547,
     46.1703,
     6.93147,
     230.259,
     2,
     "complies"},
    // Both ends are whole days: 23:59 of --to is in, the day before --from is out.
    {"date window",
     {kA, kB, kC, kD},
     {"--from", "2026-03-02", "--to", "2026-03-20"},
     2,
     39.9503,
     108.489,
     143.958,
     46.1703,
     23.0259,
     69.3147,
     std::nullopt,
     ""},
    {"window ending on the last day",
     {kA, kB, kC, kD},
     {"--from", "2026-03-10", "--to", "2026-03-31"},
     3,
     71.6285,
     313.531,
     476.252,
     69.3147,
     23.0259,
     230.259,
     std::nullopt,
     ""},
    {"non-detect at its detection limit",
     {kNone, kB},
     {},
     2,
     4.92546,
     80.6775,
     178.067,
     12.0397,
     1.05361,
     23.0259,
     std::nullopt,
     ""},
    {"non-detect at half of it",
     {kNone, kB},
     {"--non-detect", "half"},
     2,
     3.48283,
     106.936,
     281.984,
     11.7763,
     0.526803,
     23.0259,
     std::nullopt,
     ""},
    // Counted at 1.05 the non-detect would be above 1, but its MLE is 0.
    {"a non-detect is never above the limit",
     {kNone, kB},
     {"--limit", "1"},
     2,
     4.92546,
     80.6775,
     178.067,
     12.0397,
     1.05361,
     23.0259,
     1,
     "does_not_comply"},
    // Counted at 23.03, below 100, but its MLE has no bound: above. Only its lower bound is
    // known, below the limit: the verdict cannot say.
    {"every tube positive is above the limit",
     {kA, kAll},
     {"--limit", "100"},
     2,
     12.6334,
     37.5117,
     51.0501,
     14.9787,
     6.93147,
     23.0259,
     1,
     "inconclusive"},
    {"records without a sampling time are left out",
     {kA, kB, {"", "1:9:1"}},
     {},
     2,
     12.6334,
     37.5117,
     51.0501,
     14.9787,
     6.93147,
     23.0259,
     std::nullopt,
     ""},
    {"one sample has no percentiles",
     {kB},
     {},
     1,
     23.0259,
     std::nullopt,
     std::nullopt,
     23.0259,
     23.0259,
     23.0259,
     std::nullopt,
     ""},
};

class SiteStatsCli : public ::testing::TestWithParam<StatsCase> {
  protected:
    CliRun Run(QStringList args) {
        args =
            QStringList{QStringLiteral("register"), args.takeFirst(), QStringLiteral("--db"), db_} +
            args;
        return RunCli(kCli, args, QStringLiteral("C.UTF-8"));
    }
    void Add(const Sample& s, const QString& site = QStringLiteral("Well 3")) {
        QStringList args{QStringLiteral("add"), QStringLiteral("--sample"),
                         QStringLiteral("S%1").arg(++added_), QStringLiteral("--site"), site};
        if (*s.sampled) args << QStringLiteral("--sampled") << QString::fromLatin1(s.sampled);
        args << QString::fromLatin1(s.row);
        const CliRun run = Run(args);
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    }
    QTemporaryDir dir_;
    QString db_ = dir_.filePath(QStringLiteral("register.sqlite"));
    int added_ = 0;
};

void ExpectFigure(const QJsonObject& json, const char* key, std::optional<double> expected) {
    const QJsonValue value = json[QLatin1String(key)];
    if (!expected) {
        EXPECT_TRUE(value.isNull()) << key;
        return;
    }
    EXPECT_NEAR(value.toDouble(), *expected, *expected * 2e-5) << key;
}

TEST_P(SiteStatsCli, FiguresOfThePeriod) {
    const StatsCase& c = GetParam();
    for (const Sample& s : c.samples) Add(s);
    Add(kD, QStringLiteral("Another well"));  // another site never counts
    const CliRun run = Run(QStringList{QStringLiteral("stats"), QStringLiteral("--site"),
                                       QStringLiteral("Well 3"), QStringLiteral("--json")} +
                           c.args);
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QJsonObject json = run.json();
    EXPECT_EQ(json[QStringLiteral("count")].toInt(), c.count);
    ExpectFigure(json, "geometric_mean_per_100ml", c.geometricMean);
    ExpectFigure(json, "percentile_90_per_100ml", c.p90);
    ExpectFigure(json, "percentile_95_per_100ml", c.p95);
    ExpectFigure(json, "median_per_100ml", c.median);
    ExpectFigure(json, "minimum_per_100ml", c.minimum);
    ExpectFigure(json, "maximum_per_100ml", c.maximum);
    if (c.aboveLimit) {
        EXPECT_EQ(json[QStringLiteral("above_limit")].toInt(-1), *c.aboveLimit);
    } else {
        EXPECT_TRUE(json[QStringLiteral("above_limit")].isNull());
    }
    const QJsonValue conformity = json[QStringLiteral("conformity")];
    if (*c.verdict) {
        EXPECT_EQ(conformity[QStringLiteral("verdict")].toString(), QLatin1String(c.verdict));
        EXPECT_EQ(conformity[QStringLiteral("rule")].toString(), QStringLiteral("simple"));
    } else {
        EXPECT_TRUE(conformity.isNull());
    }
    EXPECT_EQ(json[QStringLiteral("samples")].toArray().size(), c.count);
}

INSTANTIATE_TEST_SUITE_P(WorkedExamples, SiteStatsCli, ::testing::ValuesIn(kCases),
                         [](const auto& info) {
                             std::string name;
                             for (const char* p = info.param.name; *p; ++p)
                                 if (std::isalnum(static_cast<unsigned char>(*p))) name += *p;
                             return name;
                         });

class SiteStatsCliRules : public SiteStatsCli {};

TEST_F(SiteStatsCliRules, NonDetectRuleAndNotesNameTheFiguresTheyMove) {
    Add(kNone);
    Add(kB);
    for (const char* rule : {"limit", "half"}) {
        const CliRun run =
            Run({QStringLiteral("stats"), QStringLiteral("--site"), QStringLiteral("Well 3"),
                 QStringLiteral("--json"), QStringLiteral("--non-detect"), QLatin1String(rule)});
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        const QJsonObject json = run.json();
        EXPECT_EQ(json[QStringLiteral("non_detect_rule")].toString(), QLatin1String(rule));
        const QJsonArray notes = json[QStringLiteral("notes")].toArray();
        ASSERT_FALSE(notes.isEmpty());
        const QJsonObject note = notes[0].toObject();
        EXPECT_EQ(note[QStringLiteral("note")].toString(),
                  std::string_view(rule) == "half"
                      ? QStringLiteral("non_detects_at_half_detection_limit")
                      : QStringLiteral("non_detects_at_detection_limit"));
        EXPECT_EQ(note[QStringLiteral("samples")].toInt(), 1);
        EXPECT_TRUE(note[QStringLiteral("affects")].toArray().contains(
            QStringLiteral("geometric_mean_per_100ml")));
    }
}

TEST_F(SiteStatsCliRules, GuardedRuleIsNamedAndACorrectionCountsOnce) {
    Add(kA);
    Add(kB);
    // The record is corrected to 1:9:1 (230.3): the old figure no longer counts.
    const CliRun amended =
        Run({QStringLiteral("amend"), QStringLiteral("--record"), QStringLiteral("2"),
             QStringLiteral("--reason"), QStringLiteral("re-read"), QStringLiteral("1:9:1")});
    ASSERT_EQ(amended.exitCode, 0) << amended.err.toStdString();
    const CliRun run =
        Run({QStringLiteral("stats"), QStringLiteral("--site"), QStringLiteral("Well 3"),
             QStringLiteral("--json"), QStringLiteral("--limit"), QStringLiteral("100"),
             QStringLiteral("--rule"), QStringLiteral("guarded")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QJsonObject json = run.json();
    EXPECT_EQ(json[QStringLiteral("count")].toInt(), 2);
    EXPECT_NEAR(json[QStringLiteral("maximum_per_100ml")].toDouble(), 230.259, 0.01);
    const QJsonObject conformity = json[QStringLiteral("conformity")].toObject();
    EXPECT_EQ(conformity[QStringLiteral("rule")].toString(), QStringLiteral("guarded"));
    EXPECT_FALSE(conformity[QStringLiteral("statement")].toArray().isEmpty());
}

TEST_F(SiteStatsCliRules, WritesThePeriodsCsvAndReport) {
    for (const Sample& s : {kA, kB, kC, kD}) Add(s);
    const QString csv = dir_.filePath(QStringLiteral("site.csv"));
    const QString pdf = dir_.filePath(QStringLiteral("site.pdf"));
    const CliRun run =
        Run({QStringLiteral("stats"), QStringLiteral("--site"), QStringLiteral("Well 3"),
             QStringLiteral("--from"), QStringLiteral("2026-03-10"), QStringLiteral("--limit"),
             QStringLiteral("50"), QStringLiteral("--csv"), csv, QStringLiteral("--report"), pdf});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    QFile csvFile(csv);
    ASSERT_TRUE(csvFile.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = csvFile.readAll().split('\n');
    ASSERT_EQ(lines.size(), 5);  // header, B, C, D, and the empty rest after the last CRLF
    EXPECT_TRUE(lines[1].contains(",S2,2026-03-10 08:00,"));
    EXPECT_TRUE(lines[3].endsWith(",true\r"));  // 230.3 is above 50
    QFile pdfFile(pdf);
    ASSERT_TRUE(pdfFile.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdfFile.readAll().startsWith("%PDF"));

    const CliRun nowhere =
        Run({QStringLiteral("stats"), QStringLiteral("--site"), QStringLiteral("Well 3"),
             QStringLiteral("--report"), dir_.filePath(QStringLiteral("missing/site.pdf"))});
    EXPECT_EQ(nowhere.exitCode, 73);
}

TEST_F(SiteStatsCliRules, RefusesWhatItCannotTake) {
    Add(kA);
    const struct {
        QStringList args;
        int status;
    } refusals[] = {
        {{}, 64},  // no --site
        {{"--site", "Well 3", "--non-detect", "zero"}, 64},
        {{"--site", "Well 3", "--rule", "guarded"}, 64},  // a rule without a limit
        {{"--site", "Well 3", "--limit", "0"}, 64},
        {{"--site", "Well 3", "--limit", "50", "--statistic", "mean"}, 64},
        {{"--site", "Well 3", "--from", "2026-13-01"}, 64},
        {{"--site", "Well 3", "--from", "2026-03-02", "--to", "2026-03-01"}, 64},
    };
    for (const auto& r : refusals) {
        const CliRun run = Run(QStringList{QStringLiteral("stats")} + r.args);
        EXPECT_EQ(run.exitCode, r.status) << r.args.join(' ').toStdString();
    }
    db_ = dir_.filePath(QStringLiteral("missing.sqlite"));
    EXPECT_EQ(
        Run({QStringLiteral("stats"), QStringLiteral("--site"), QStringLiteral("W")}).exitCode, 66);
}

}  // namespace
}  // namespace tubewise::testing
