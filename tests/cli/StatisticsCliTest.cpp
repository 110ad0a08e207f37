// tubewise-cli's statistics from outside: the JSON section, its options, and batch runs with
// their exit statuses, error lines and all-or-nothing result file.
#include <gtest/gtest.h>
#include <signal.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonObject>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QThread>
#include <cmath>
#include <random>

#include "tests/support/CliProcess.h"

namespace {

struct Result : tubewise::testing::CliRun {
    QJsonObject statistics() const { return json()[QStringLiteral("statistics")].toObject(); }
};

Result Cli(const QStringList& args) {
    return {
        tubewise::testing::RunCli(QStringLiteral(TUBEWISE_CLI), args, QStringLiteral("C.UTF-8"))};
}

bool WriteFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

QList<QByteArray> Lines(const QByteArray& text) {
    QList<QByteArray> lines = text.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    return lines;
}

const QStringList k530 = {QStringLiteral("10:5:0"), QStringLiteral("1:3:2"),
                          QStringLiteral("0.1:0:5")};

TEST(StatisticsJson, WorkedExampleHasEveryKey) {
    const Result r = Cli(QStringList{QStringLiteral("--json")} + k530);
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QJsonObject s = r.statistics();
    // Haas, Rose & Gerba (2014), Example 6.4: 0.792/mL; Haas (1989) Table 1: adjusted 0.67.
    EXPECT_NEAR(s[QStringLiteral("mle_per_ml")].toDouble(), 0.792, 5e-4);
    EXPECT_FALSE(s[QStringLiteral("mle_infinite")].toBool(true));
    EXPECT_NEAR(s[QStringLiteral("bias_adjusted_per_ml")].toDouble(), 0.67, 5e-3);
    EXPECT_EQ(s[QStringLiteral("ci_method")].toString(), QStringLiteral("jarvis"));
    EXPECT_EQ(s[QStringLiteral("ci_level")].toDouble(), 0.95);
    const double low = s[QStringLiteral("ci_low_per_ml")].toDouble();
    const double high = s[QStringLiteral("ci_high_per_ml")].toDouble();
    EXPECT_TRUE(low > 0 && low < 0.792 && high > 0.792) << low << " " << high;
    EXPECT_TRUE(s[QStringLiteral("rarity_index")].isDouble());
    EXPECT_FALSE(s[QStringLiteral("improbable")].toBool(true));
    EXPECT_FALSE(s.contains(QStringLiteral("error")));
}

TEST(StatisticsJson, OptionsAndBoundaryPatterns) {
    const Result lr =
        Cli(QStringList{QStringLiteral("--json"), QStringLiteral("--ci"), QStringLiteral("lr"),
                        QStringLiteral("--level"), QStringLiteral("0.99")} +
            k530);
    ASSERT_EQ(lr.exitCode, 0);
    EXPECT_EQ(lr.statistics()[QStringLiteral("ci_method")].toString(), QStringLiteral("lr"));
    EXPECT_EQ(lr.statistics()[QStringLiteral("ci_level")].toDouble(), 0.99);

    // 5-5-5: the estimate is infinite, said plainly; the upper side is open (null).
    const Result all = Cli({QStringLiteral("--json"), QStringLiteral("10:5:0"),
                            QStringLiteral("1:5:0"), QStringLiteral("0.1:5:0")});
    ASSERT_EQ(all.exitCode, 0);
    const QJsonObject s = all.statistics();
    EXPECT_TRUE(s[QStringLiteral("mle_per_ml")].isNull());
    EXPECT_TRUE(s[QStringLiteral("mle_infinite")].toBool());
    EXPECT_TRUE(s[QStringLiteral("bias_adjusted_per_ml")].isNull());
    EXPECT_TRUE(s[QStringLiteral("ci_high_per_ml")].isNull());
    EXPECT_GT(s[QStringLiteral("ci_low_per_ml")].toDouble(), 1);

    // 0-0-0: MLE 0, limits from 0 up.
    const Result none = Cli({QStringLiteral("--json"), QStringLiteral("10:0:5"),
                             QStringLiteral("1:0:5"), QStringLiteral("0.1:0:5")});
    ASSERT_EQ(none.exitCode, 0);
    EXPECT_EQ(none.statistics()[QStringLiteral("mle_per_ml")].toDouble(-1), 0);
    EXPECT_EQ(none.statistics()[QStringLiteral("ci_low_per_ml")].toDouble(-1), 0);
    EXPECT_GT(none.statistics()[QStringLiteral("ci_high_per_ml")].toDouble(), 0);
}

// Series the grid accepts but the statistics cannot take: every figure is null and the
// statistics say why, beside the success status and the grid's own figures.
TEST(StatisticsJson, SeriesWithoutStatisticsSaysWhy) {
    const struct {
        QStringList rows;
        QString why;
    } cases[] = {
        {{QStringLiteral("1e100:2:3"), QStringLiteral("1e-100:1:5")},
         QStringLiteral("volumes differ by more than 150 orders of magnitude")},
    };
    for (const auto& c : cases) {
        const Result r = Cli(QStringList{QStringLiteral("--json")} + c.rows);
        ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
        const QJsonObject s = r.statistics();
        for (const char* key : {"mle_per_ml", "ci_low_per_ml", "ci_high_per_ml", "rarity_index"})
            EXPECT_TRUE(s[QLatin1String(key)].isNull()) << key;
        EXPECT_EQ(s[QStringLiteral("error")].toString(), c.why);
    }
    // The smallest volume the program computes with keeps its figures.
    const QJsonObject tiny =
        Cli({QStringLiteral("--json"), QStringLiteral("1e-300:1:5")}).statistics();
    EXPECT_FALSE(tiny.contains(QStringLiteral("error")));
    EXPECT_NEAR(tiny[QStringLiteral("mle_per_ml")].toDouble() / 1.8232155679395e299, 1, 1e-9);
    // A subnormal volume, whose estimate per mL would lie beyond the largest double, is refused
    // with the grid's other refusals, before any figure.
    const Result subnormal = Cli({QStringLiteral("--json"), QStringLiteral("4.9e-324:23486:1")});
    EXPECT_EQ(subnormal.exitCode, 2);
}

TEST(StatisticsUsage, RefusedOptionsExit64) {
    const QStringList cases[] = {
        {QStringLiteral("--ci"), QStringLiteral("wald"), QStringLiteral("1:1:1")},
        {QStringLiteral("--level"), QStringLiteral("95"), QStringLiteral("1:1:1")},
        {QStringLiteral("--level"), QStringLiteral("0"), QStringLiteral("1:1:1")},
        {QStringLiteral("--level"), QStringLiteral("abc"), QStringLiteral("1:1:1")},
        {QStringLiteral("--out"), QStringLiteral("x.csv"), QStringLiteral("1:1:1")},
        {QStringLiteral("--batch"), QStringLiteral("in.csv"), QStringLiteral("1:1:1")},
        {QStringLiteral("--batch"), QStringLiteral("in.csv"), QStringLiteral("--json")},
    };
    for (const QStringList& args : cases) {
        const Result r = Cli(args);
        EXPECT_EQ(r.exitCode, 64) << args.join(' ').toStdString();
        EXPECT_FALSE(r.crashed);
    }
}

TEST(BatchRun, ResultFileWithErrorLinesAndStatus) {
    QTemporaryDir dir;
    const QString in = dir.filePath(QStringLiteral("in.csv"));
    const QString out = dir.filePath(QStringLiteral("out.csv"));
    ASSERT_TRUE(WriteFile(in,
                          "id,v,n,p\n"
                          "a,10,5,5,1,5,3,0.1,5,0\n"
                          "\n"
                          "b,10,5,9\n"
                          "c,0.1,3,2,0.01,3,2,0.001,3,0\r\n"));
    const Result r = Cli({QStringLiteral("--batch"), in, QStringLiteral("--out"), out,
                          QStringLiteral("--ci"), QStringLiteral("lr")});
    EXPECT_EQ(r.exitCode, 2);  // finished, but one line was bad
    EXPECT_TRUE(r.out.isEmpty());
    EXPECT_TRUE(r.err.contains("line 4:")) << r.err.toStdString();

    QFile f(out);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = Lines(f.readAll());
    ASSERT_EQ(lines.size(), 4);
    EXPECT_TRUE(lines[0].startsWith("line,id,"));
    EXPECT_TRUE(lines[1].startsWith("2,a,3,0.7920000000000006,")) << lines[1].toStdString();
    EXPECT_TRUE(lines[1].contains(",lr,0.95,"));
    EXPECT_TRUE(lines[2].startsWith("4,b,")) << lines[2].toStdString();
    EXPECT_TRUE(lines[2].endsWith("must be a whole number from 0 to tubes"));
    // FDA BAM Table 1, 2-2-0 at 0.1/0.01/0.001 g: 21 per g.
    const QList<QByteArray> c = lines[3].split(',');
    ASSERT_GT(c.size(), 9);
    EXPECT_EQ(c[0], "5");
    EXPECT_NEAR(c[9].toDouble(), 21, 0.5);
    // Nothing else was left in the directory: no temporary file.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 2);
}

TEST(BatchRun, StandardOutputAndFileErrors) {
    QTemporaryDir dir;
    const QString in = dir.filePath(QStringLiteral("in.csv"));
    ASSERT_TRUE(WriteFile(in, "a,1,5,3\n"));
    const Result ok = Cli({QStringLiteral("--batch"), in});
    EXPECT_EQ(ok.exitCode, 0) << ok.err.toStdString();
    EXPECT_EQ(Lines(ok.out).size(), 2);

    const Result missing = Cli({QStringLiteral("--batch"), dir.filePath(QStringLiteral("no.csv"))});
    EXPECT_EQ(missing.exitCode, 66);
    const Result unwritable = Cli({QStringLiteral("--batch"), in, QStringLiteral("--out"),
                                   dir.filePath(QStringLiteral("no/such/dir/out.csv"))});
    EXPECT_EQ(unwritable.exitCode, 73);
}

// The batch's shortcuts (one calculation per distinct series, the answer-only search) must
// not change a byte: the usual designs, random series of every kind (many tubes whose
// likelihood underflows, all positive, all negative), repeats and bad lines.
TEST(BatchRun, ShortcutsChangeNoByteOfTheOutput) {
    QTemporaryDir dir;
    const QString in = dir.filePath(QStringLiteral("in.csv"));
    std::mt19937_64 rng(11);
    QByteArray text = "id,volume,tubes,positives\n";
    for (const int tubes : {3, 5}) {
        for (int pattern = 0; pattern < (tubes + 1) * (tubes + 1) * (tubes + 1); ++pattern) {
            text += "p" + QByteArray::number(pattern);
            int digits = pattern;
            for (const char* volume : {"10", "1", "0.1"}) {
                text += ',' + QByteArray(volume) + ',' + QByteArray::number(tubes) + ',' +
                        QByteArray::number(digits % (tubes + 1));
                digits /= tubes + 1;
            }
            text += '\n';
        }
    }
    std::uniform_real_distribution<double> exponent(-4, 2);
    for (int i = 0; i < 1500; ++i) {
        QByteArray cells;
        const int dilutions = 1 + static_cast<int>(rng() % 5);
        for (int j = 0; j < dilutions; ++j) {
            const int most = rng() % 10 == 0 ? 500 : 20;
            const int tubes = static_cast<int>(rng() % (most + 1));
            const int positives = static_cast<int>(rng() % (tubes + 1));
            cells += ',' + QByteArray::number(std::pow(10.0, exponent(rng)), 'g', 6) + ',' +
                     QByteArray::number(tubes) + ',' + QByteArray::number(positives);
        }
        text += "r" + QByteArray::number(i) + cells + '\n';
        if (i % 7 == 0) text += "again" + QByteArray::number(i) + cells + '\n';
    }
    text += "under,1,2000,1000\nbad,1,5\nallpos,100,5,5\nallneg,10,5,0,1,5,0\n";
    ASSERT_TRUE(WriteFile(in, text));
    const auto run = [&](const QStringList& env) {
        return tubewise::testing::RunCli(QStringLiteral(TUBEWISE_CLI),
                                         {QStringLiteral("--batch"), in}, QStringLiteral("C.UTF-8"),
                                         {}, env);
    };
    const tubewise::testing::CliRun fast = run({});
    const tubewise::testing::CliRun full = run({QStringLiteral("TUBEWISE_FULL_SEARCH=1")});
    EXPECT_EQ(fast.exitCode, 2);  // the one bad line
    EXPECT_EQ(full.exitCode, fast.exitCode);
    EXPECT_GT(Lines(fast.out).size(), 1800);
    EXPECT_TRUE(fast.out == full.out) << "the outputs differ";
    EXPECT_EQ(fast.err, full.err);
}

// An interrupted run leaves neither a result file nor its temporary file behind.
TEST(BatchRun, InterruptLeavesNoFile) {
    QTemporaryDir dir;
    const QString in = dir.filePath(QStringLiteral("in.csv"));
    const QString out = dir.filePath(QStringLiteral("out.csv"));
    QByteArray many;
    for (int i = 0; i < 20000; ++i)
        many += "s,10,5," + QByteArray::number(i % 6) + ",1,5,2,0.1,5,1\n";
    ASSERT_TRUE(WriteFile(in, many));
    QProcess p;
    // Every sample through its own full search, as before the batch's shortcuts: the run needs
    // several seconds (with them it ends in a tenth of a second).
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("TUBEWISE_FULL_SEARCH"), QStringLiteral("1"));
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(TUBEWISE_CLI),
            {QStringLiteral("--batch"), in, QStringLiteral("--out"), out});
    ASSERT_TRUE(p.waitForStarted());
    // The run needs several seconds; by now it is writing (its temporary file may have no
    // name at all: QSaveFile uses an unnamed file where the system has them).
    QThread::msleep(1500);
    ASSERT_EQ(p.state(), QProcess::Running) << "the run ended before it could be interrupted";
    ::kill(static_cast<pid_t>(p.processId()), SIGINT);
    ASSERT_TRUE(p.waitForFinished(30000));
    EXPECT_EQ(p.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(p.exitCode(), 128 + SIGINT);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("in.csv")});
}

}  // namespace
