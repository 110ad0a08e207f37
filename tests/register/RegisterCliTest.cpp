// tubewise-cli register run as a user's shell runs it, on a SQLite register: the exact command
// forms, refusals, the sqlite3 tool editing a value, writers at once and a writer killed.
#include <gtest/gtest.h>
#include <signal.h>

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <random>

#include "tests/support/CliProcess.h"

namespace tubewise::testing {
namespace {

const QString kCli = QStringLiteral(TUBEWISE_CLI);
const QStringList kExample = {QStringLiteral("10:5:0"), QStringLiteral("1:3:2"),
                              QStringLiteral("0.1:0:5")};

class RegisterCli : public ::testing::Test {
  protected:
    CliRun Run(const QString& action, QStringList args, const QStringList& env = {}) {
        args.prepend(db_);
        args.prepend(QStringLiteral("--db"));
        args.prepend(action);
        args.prepend(QStringLiteral("register"));
        return RunCli(kCli, args, QStringLiteral("C.UTF-8"), {}, env);
    }
    QJsonArray List(const QStringList& args = {}) {
        const CliRun run =
            Run(QStringLiteral("list"), QStringList{QStringLiteral("--json")} + args);
        EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
        return QJsonDocument::fromJson(run.out).array();
    }
    QTemporaryDir dir_;
    QString db_ = dir_.filePath(QStringLiteral("register.sqlite"));
};

TEST_F(RegisterCli, AddListAmendAndHistory) {
    const CliRun added =
        Run(QStringLiteral("add"),
            QStringList{QStringLiteral("--sample"), QStringLiteral("W-7"), QStringLiteral("--site"),
                        QStringLiteral("Well 3"), QStringLiteral("--sampled"),
                        QStringLiteral("2026-11-30 08:00"), QStringLiteral("--received"),
                        QStringLiteral("2026-12-01 15:30"), QStringLiteral("--analyst"),
                        QStringLiteral("Sara")} +
                kExample);
    ASSERT_EQ(added.exitCode, 0) << added.err.toStdString();
    EXPECT_EQ(added.out.split('\n').first(), "1");
    const CliRun second =
        Run(QStringLiteral("add"),
            QStringList{QStringLiteral("--sample"), QStringLiteral("W-8")} + kExample);
    EXPECT_EQ(second.out.split('\n').first(), "2");

    QJsonArray list = List();
    ASSERT_EQ(list.size(), 2);
    const QJsonObject first = list[0].toObject();
    EXPECT_EQ(first[QStringLiteral("sample_id")].toString(), QStringLiteral("W-7"));
    EXPECT_TRUE(first[QStringLiteral("holding_exceeded")].toBool());  // 31.5 h
    EXPECT_FALSE(list[1].toObject()[QStringLiteral("holding_exceeded")].toBool());
    const QJsonObject results = first[QStringLiteral("results")].toObject();
    EXPECT_NEAR(results[QStringLiteral("grid_mpn_per_100ml")].toDouble(), 79.2, 1e-9);
    EXPECT_EQ(first[QStringLiteral("inputs")].toObject()[QStringLiteral("rows")].toArray().size(),
              3);
    // The text listing carries the flag too; a longer limit lifts it.
    EXPECT_TRUE(Run(QStringLiteral("list"), {}).out.contains("HOLDING TIME EXCEEDED"));
    EXPECT_FALSE(
        Run(QStringLiteral("list"), {QStringLiteral("--holding-limit"), QStringLiteral("48")})
            .out.contains("HOLDING TIME EXCEEDED"));

    const CliRun amended =
        Run(QStringLiteral("amend"),
            {QStringLiteral("--record"), QStringLiteral("1"), QStringLiteral("--reason"),
             QStringLiteral("1 mL row re-read"), QStringLiteral("10:5:0"), QStringLiteral("1:4:1"),
             QStringLiteral("0.1:0:5")});
    ASSERT_EQ(amended.exitCode, 0) << amended.err.toStdString();
    EXPECT_EQ(amended.out.split('\n').first(), "1");
    list = List({QStringLiteral("--sample"), QStringLiteral("W-7")});
    ASSERT_EQ(list.size(), 1);
    EXPECT_EQ(list[0].toObject()[QStringLiteral("version")].toInt(), 2);
    EXPECT_EQ(list[0].toObject()[QStringLiteral("site")].toString(), QStringLiteral("Well 3"));

    const CliRun history =
        Run(QStringLiteral("history"),
            {QStringLiteral("--record"), QStringLiteral("1"), QStringLiteral("--json")});
    const QJsonArray versions = QJsonDocument::fromJson(history.out).array();
    ASSERT_EQ(versions.size(), 2);
    EXPECT_EQ(versions[0].toObject()[QStringLiteral("reason")].toString(), QString());
    EXPECT_EQ(versions[1].toObject()[QStringLiteral("reason")].toString(),
              QStringLiteral("1 mL row re-read"));
    EXPECT_NE(versions[0].toObject()[QStringLiteral("results")],
              versions[1].toObject()[QStringLiteral("results")]);

    const CliRun verify = Run(QStringLiteral("verify"), {});
    EXPECT_EQ(verify.exitCode, 0) << verify.err.toStdString();
    EXPECT_TRUE(verify.out.contains("2 records, 3 versions")) << verify.out.toStdString();
}

TEST_F(RegisterCli, ACorrectionKeepsWhatItDoesNotGive) {
    ASSERT_EQ(
        Run(QStringLiteral("add"),
            QStringList{QStringLiteral("--sample"), QStringLiteral("S"), QStringLiteral("--site"),
                        QStringLiteral("Tap"), QStringLiteral("--ci"), QStringLiteral("lr")} +
                kExample)
            .exitCode,
        0);
    const auto latest = [&] { return List().first().toObject(); };
    const QJsonObject before = latest();
    ASSERT_EQ(
        Run(QStringLiteral("amend"),
            {QStringLiteral("--record"), QStringLiteral("1"), QStringLiteral("--reason"),
             QStringLiteral("analyst's name"), QStringLiteral("--analyst"), QStringLiteral("Reza")})
            .exitCode,
        0);
    QJsonObject after = latest();
    EXPECT_EQ(after[QStringLiteral("analyst")].toString(), QStringLiteral("Reza"));
    EXPECT_EQ(after[QStringLiteral("site")], before[QStringLiteral("site")]);
    EXPECT_EQ(after[QStringLiteral("inputs")], before[QStringLiteral("inputs")]);
    EXPECT_EQ(after[QStringLiteral("results")], before[QStringLiteral("results")]);
    // New rows are computed with the method the record was saved with.
    ASSERT_EQ(Run(QStringLiteral("amend"),
                  {QStringLiteral("--record"), QStringLiteral("1"), QStringLiteral("--reason"),
                   QStringLiteral("re-read"), QStringLiteral("10:4:1")})
                  .exitCode,
              0);
    after = latest();
    EXPECT_EQ(after[QStringLiteral("version")].toInt(), 3);
    EXPECT_EQ(after[QStringLiteral("inputs")].toObject()[QStringLiteral("ci_method")].toString(),
              QStringLiteral("lr"));
    EXPECT_EQ(after[QStringLiteral("analyst")].toString(), QStringLiteral("Reza"));
}

TEST_F(RegisterCli, RefusalsAddNothing) {
    struct Case {
        const char* name;
        QStringList args;
        int status;
    };
    const QStringList sample = {QStringLiteral("--sample"), QStringLiteral("S")};
    const Case cases[] = {
        {"negative tubes", sample + QStringList{QStringLiteral("10:-1:5")}, 2},
        {"no sample in a row with tubes", sample + QStringList{QStringLiteral("0:2:3")}, 2},
        {"more positive wells than the tray has",
         sample + QStringList{QStringLiteral("--tray"), QStringLiteral("51:52"),
                              QStringLiteral("--dilution"), QStringLiteral("10")},
         2},
        {"a count that is not a whole number",
         sample + QStringList{QStringLiteral("--tray"), QStringLiteral("97:2.5:0")}, 2},
        {"a tray with the wrong number of counts",
         sample + QStringList{QStringLiteral("--tray"), QStringLiteral("97:3")}, 2},
        {"no sample id", kExample, 64},
        {"rows and a tray",
         sample + kExample + QStringList{QStringLiteral("--tray"), QStringLiteral("tray97:3,4")},
         64},
        {"received before sampled",
         sample + kExample +
             QStringList{QStringLiteral("--sampled"), QStringLiteral("2026-12-02 08:00"),
                         QStringLiteral("--received"), QStringLiteral("2026-12-01 08:00")},
         64},
        {"a day that does not exist",
         sample + kExample +
             QStringList{QStringLiteral("--sampled"), QStringLiteral("2026-02-30 08:00")},
         64},
    };
    for (const Case& c : cases) {
        const CliRun run = Run(QStringLiteral("add"), c.args);
        EXPECT_EQ(run.exitCode, c.status) << c.name << ": " << run.err.toStdString();
        EXPECT_TRUE(run.out.isEmpty()) << c.name;
    }
    // Refused before the register is opened: not even an empty register is made.
    EXPECT_FALSE(QFile::exists(db_));
    const CliRun noReason =
        Run(QStringLiteral("amend"),
            QStringList{QStringLiteral("--record"), QStringLiteral("1")} + kExample);
    EXPECT_EQ(noReason.exitCode, 64);
}

// A tray record: its statistics per mL of the original sample, amended to another tray, and
// recomputed by verify, which finds a stored figure changed behind the register's back.
TEST_F(RegisterCli, TraysAreComputedAmendedAndVerified) {
    const CliRun added =
        Run(QStringLiteral("add"),
            {QStringLiteral("--sample"), QStringLiteral("T"), QStringLiteral("--tray"),
             QStringLiteral("97:10:5"), QStringLiteral("--dilution"), QStringLiteral("10")});
    ASSERT_EQ(added.exitCode, 0) << added.err.toStdString();
    QJsonObject results = List()[0].toObject()[QStringLiteral("results")].toObject();
    EXPECT_NEAR(results[QStringLiteral("mle_per_ml")].toDouble(), 1.66, 0.005);  // 166 / 100 mL
    EXPECT_EQ(results[QStringLiteral("mle_kind")].toString(), QStringLiteral("finite"));
    // The stored form of the design and counts is read too.
    ASSERT_EQ(Run(QStringLiteral("add"), {QStringLiteral("--sample"), QStringLiteral("U"),
                                          QStringLiteral("--tray"), QStringLiteral("tray51:25")})
                  .exitCode,
              0);
    results = List({QStringLiteral("--sample"), QStringLiteral("U")})[0]
                  .toObject()[QStringLiteral("results")]
                  .toObject();
    EXPECT_NEAR(results[QStringLiteral("mle_per_ml")].toDouble() * 100, 34.4, 0.05);

    const CliRun amended =
        Run(QStringLiteral("amend"),
            {QStringLiteral("--record"), QStringLiteral("1"), QStringLiteral("--reason"),
             QStringLiteral("re-read"), QStringLiteral("--tray"), QStringLiteral("97:49:48")});
    ASSERT_EQ(amended.exitCode, 0) << amended.err.toStdString();
    results = List({QStringLiteral("--sample"), QStringLiteral("T")})[0]
                  .toObject()[QStringLiteral("results")]
                  .toObject();
    EXPECT_EQ(results[QStringLiteral("mle_kind")].toString(), QStringLiteral("infinite"));
    // The dilution factor of the first version is kept: the lower limit is per mL after F = 10.
    EXPECT_GT(results[QStringLiteral("ci_low_per_ml")].toDouble(), 100);
    const CliRun verify = Run(QStringLiteral("verify"), {});
    EXPECT_EQ(verify.exitCode, 0) << verify.err.toStdString();

    QProcess sqlite;
    sqlite.start(
        QStringLiteral("sqlite3"),
        {db_, QStringLiteral("DROP TRIGGER record_versions_no_update; "
                             "UPDATE record_versions SET mle_per_ml = 0.5 WHERE record = 2;")});
    ASSERT_TRUE(sqlite.waitForFinished(30000));
    ASSERT_EQ(sqlite.exitCode(), 0) << sqlite.readAllStandardError().toStdString();
    const CliRun changed = Run(QStringLiteral("verify"), {});
    EXPECT_EQ(changed.exitCode, 65);
    EXPECT_TRUE(changed.err.contains("record 2 ")) << changed.err.toStdString();
}

TEST_F(RegisterCli, AValueChangedWithTheSqliteToolIsFoundByVerify) {
    for (const char* sample : {"A", "B", "C"})
        ASSERT_EQ(Run(QStringLiteral("add"),
                      QStringList{QStringLiteral("--sample"), QLatin1String(sample)} + kExample)
                      .exitCode,
                  0);
    ASSERT_EQ(Run(QStringLiteral("verify"), {}).exitCode, 0);
    QProcess sqlite;
    sqlite.start(
        QStringLiteral("sqlite3"),
        {db_, QStringLiteral("DROP TRIGGER record_versions_no_update; "
                             "UPDATE record_versions SET mle_per_ml = 0.5 WHERE record = 2;")});
    ASSERT_TRUE(sqlite.waitForFinished(30000));
    ASSERT_EQ(sqlite.exitCode(), 0) << sqlite.readAllStandardError().toStdString();
    const CliRun verify = Run(QStringLiteral("verify"), {});
    EXPECT_EQ(verify.exitCode, 65);
    EXPECT_TRUE(verify.err.contains("record 2 ")) << verify.err.toStdString();
}

TEST_F(RegisterCli, WritersAtOnceAllSucceed) {
    constexpr int kWriters = 4;
    constexpr int kEach = 8;
    std::vector<std::unique_ptr<QProcess>> writers;
    for (int w = 0; w < kWriters; ++w) {
        auto p = std::make_unique<QProcess>();
        // Each writer is a shell adding records one program after another; every add must
        // succeed (the shell stops at the first failure).
        const QString script = QStringLiteral(
                                   "i=0; while [ $i -lt %1 ]; do \"$0\" register add --db \"$1\" "
                                   "--sample w%2 10:5:0 1:3:2 0.1:0:5 >/dev/null || exit 1; "
                                   "i=$((i+1)); done")
                                   .arg(kEach)
                                   .arg(w);
        p->start(QStringLiteral("sh"), {QStringLiteral("-c"), script, kCli, db_});
        writers.push_back(std::move(p));
    }
    for (auto& p : writers) {
        ASSERT_TRUE(p->waitForFinished(120000));
        EXPECT_EQ(p->exitCode(), 0) << p->readAllStandardError().toStdString();
    }
    const QJsonArray list = List();
    ASSERT_EQ(list.size(), kWriters * kEach);
    for (int i = 0; i < list.size(); ++i)
        EXPECT_EQ(list[i].toObject()[QStringLiteral("record")].toInt(), i + 1);
    EXPECT_EQ(Run(QStringLiteral("verify"), {}).exitCode, 0);
}

TEST_F(RegisterCli, AWriterKilledMidWriteLeavesTheRegisterIntact) {
    ASSERT_EQ(Run(QStringLiteral("add"),
                  QStringList{QStringLiteral("--sample"), QStringLiteral("first")} + kExample)
                  .exitCode,
              0);
    std::mt19937 random(12345);
    int confirmed = 1;
    constexpr int kAttempts = 25;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        QProcess p;
        p.start(kCli, QStringList{QStringLiteral("register"), QStringLiteral("add"),
                                  QStringLiteral("--db"), db_, QStringLiteral("--sample"),
                                  QStringLiteral("k%1").arg(attempt)} +
                          kExample);
        ASSERT_TRUE(p.waitForStarted());
        // Anywhere from start-up to the commit.
        QThread::msleep(std::uniform_int_distribution<int>(0, 250)(random));
        ::kill(static_cast<pid_t>(p.processId()), SIGKILL);
        p.waitForFinished();
        if (p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0) ++confirmed;
    }
    const CliRun verify = Run(QStringLiteral("verify"), {});
    EXPECT_EQ(verify.exitCode, 0) << verify.err.toStdString();
    const QJsonArray list = List();
    // Every add that said so is there; a killed one is there whole or not at all.
    EXPECT_GE(list.size(), confirmed);
    EXPECT_LE(list.size(), kAttempts + 1);
    for (int i = 0; i < list.size(); ++i)
        EXPECT_EQ(list[i].toObject()[QStringLiteral("record")].toInt(), i + 1);
    // And the register takes the next record as usual.
    const CliRun next =
        Run(QStringLiteral("add"),
            QStringList{QStringLiteral("--sample"), QStringLiteral("after")} + kExample);
    EXPECT_EQ(next.out.split('\n').first().toInt(), list.size() + 1);
}

TEST_F(RegisterCli, ExportAndBackup) {
    ASSERT_EQ(Run(QStringLiteral("add"),
                  QStringList{QStringLiteral("--sample"), QStringLiteral("=SUM(A1)")} + kExample)
                  .exitCode,
              0);
    ASSERT_EQ(
        Run(QStringLiteral("amend"),
            {QStringLiteral("--record"), QStringLiteral("1"), QStringLiteral("--reason"),
             QStringLiteral("site, typed late"), QStringLiteral("--site"), QStringLiteral("Tap 2")})
            .exitCode,
        0);
    const QString csvPath = dir_.filePath(QStringLiteral("out.csv"));
    ASSERT_EQ(Run(QStringLiteral("export"), {QStringLiteral("--out"), csvPath}).exitCode, 0);
    QFile csv(csvPath);
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = csv.readAll().split('\n');
    ASSERT_GE(lines.size(), 3);
    EXPECT_TRUE(lines[0].startsWith("record,version,superseded,sample_id,"));
    EXPECT_TRUE(lines[1].startsWith("1,1,true,'=SUM(A1),")) << lines[1].toStdString();
    EXPECT_TRUE(lines[2].startsWith("1,2,false,'=SUM(A1),Tap 2,")) << lines[2].toStdString();
    EXPECT_TRUE(lines[2].contains(",\"site, typed late\"\r")) << lines[2].toStdString();

    const QString copy = dir_.filePath(QStringLiteral("copy.sqlite"));
    ASSERT_EQ(Run(QStringLiteral("backup"), {QStringLiteral("--out"), copy}).exitCode, 0);
    const CliRun verify = RunCli(
        kCli, {QStringLiteral("register"), QStringLiteral("verify"), QStringLiteral("--db"), copy},
        QStringLiteral("C.UTF-8"));
    EXPECT_EQ(verify.exitCode, 0) << verify.err.toStdString();
    EXPECT_TRUE(verify.out.contains("1 records, 2 versions")) << verify.out.toStdString();
}

TEST_F(RegisterCli, DefaultRegisterAndOneThatCannotBeOpened) {
    const QString named = dir_.filePath(QStringLiteral("lab/named.sqlite"));
    const CliRun added =
        RunCli(kCli,
               QStringList{QStringLiteral("register"), QStringLiteral("add"),
                           QStringLiteral("--sample"), QStringLiteral("S")} +
                   kExample,
               QStringLiteral("C.UTF-8"), {}, {QStringLiteral("TUBEWISE_REGISTER=") + named});
    EXPECT_EQ(added.exitCode, 0) << added.err.toStdString();
    EXPECT_TRUE(QFile::exists(named));

    // A folder where the file should be: the result is told, not lost.
    const QString folder = dir_.filePath(QStringLiteral("folder.sqlite"));
    ASSERT_TRUE(QDir().mkpath(folder));
    const CliRun refused = RunCli(
        kCli,
        QStringList{QStringLiteral("register"), QStringLiteral("add"), QStringLiteral("--db"),
                    folder, QStringLiteral("--sample"), QStringLiteral("S")} +
            kExample,
        QStringLiteral("C.UTF-8"));
    EXPECT_EQ(refused.exitCode, 73);
    EXPECT_TRUE(refused.err.contains("NOT saved")) << refused.err.toStdString();
    EXPECT_TRUE(refused.err.contains("\"grid_mpn_per_100ml\":79.2")) << refused.err.toStdString();
    const CliRun list = RunCli(
        kCli, {QStringLiteral("register"), QStringLiteral("list"), QStringLiteral("--db"), folder},
        QStringLiteral("C.UTF-8"));
    EXPECT_EQ(list.exitCode, 66);
    // Reading a register that is not there neither creates it nor calls it intact.
    const QString missing = dir_.filePath(QStringLiteral("mistyped.sqlite"));
    const QString out = dir_.filePath(QStringLiteral("x"));
    const std::pair<const char*, QStringList> actions[] = {
        {"list", {}},
        {"verify", {}},
        {"history", {QStringLiteral("--record"), QStringLiteral("1")}},
        {"export", {QStringLiteral("--out"), out}},
        {"backup", {QStringLiteral("--out"), out}},
    };
    for (const auto& [action, args] : actions) {
        const CliRun run = RunCli(kCli,
                                  QStringList{QStringLiteral("register"), QLatin1String(action),
                                              QStringLiteral("--db"), missing} +
                                      args,
                                  QStringLiteral("C.UTF-8"));
        EXPECT_EQ(run.exitCode, 66) << action << ": " << run.err.toStdString();
    }
    EXPECT_FALSE(QFile::exists(missing));
}

}  // namespace
}  // namespace tubewise::testing
