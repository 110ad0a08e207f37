// tubewise-cli with trays and long series: the published tray tables' figures through --tray,
// the refusals, 6 to 64 ROWs against the same series in 5 rows, and tray and group batch lines.
#include <gtest/gtest.h>

#include <QFile>
#include <QJsonObject>
#include <QTemporaryDir>
#include <cmath>

#include "tests/support/CliProcess.h"

namespace {

using Result = tubewise::testing::CliRun;

Result Cli(const QStringList& args) {
    static QTemporaryDir scratch;
    return tubewise::testing::RunCli(QStringLiteral(TUBEWISE_CLI), args, QStringLiteral("C.UTF-8"),
                                     scratch.path());
}

QJsonObject Json(const QStringList& args) {
    const Result r =
        Cli(QStringList{QStringLiteral("--json"), QStringLiteral("--lang"), QStringLiteral("en")} +
            args);
    EXPECT_EQ(r.exitCode, 0) << args.join(' ').toStdString() << ": " << r.err.toStdString();
    return r.json();
}

double Stat(const QJsonObject& o, const char* key) {
    return o[QStringLiteral("statistics")].toObject()[QLatin1String(key)].toDouble();
}

// The manufacturer's printed figures (MPN per 100 mL) for the counts given.
TEST(TrayCli, PublishedTrayFiguresAndBounds) {
    struct Row {
        const char* tray;
        const char* dilution;
        const char* text;
        const char* bound;
    };
    const Row rows[] = {
        {"51:1", nullptr, "1.0", "none"},           {"51:25", nullptr, "34.4", "none"},
        {"51:50", nullptr, "200.5", "none"},        {"51:51", nullptr, "> 200.5", "above"},
        {"51:0", nullptr, "< 1.0", "below"},        {"97:1:0", nullptr, "1.0", "none"},
        {"97:10:5", nullptr, "16.6", "none"},       {"97:25:10", nullptr, "48.2", "none"},
        {"97:30:30", nullptr, "97.6", "none"},      {"97:49:47", nullptr, "2419.6", "none"},
        {"97:49:48", nullptr, "> 2419.6", "above"}, {"97:49:48", "10", "> 24196", "above"},
        {"97:0:0", "10", "< 10", "below"},
    };
    for (const Row& row : rows) {
        QStringList args{QStringLiteral("--tray"), QString::fromLatin1(row.tray)};
        if (row.dilution) args << QStringLiteral("--dilution") << QString::fromLatin1(row.dilution);
        const QJsonObject o = Json(args);
        const QJsonObject tray = o[QStringLiteral("tray")].toObject();
        EXPECT_EQ(tray[QStringLiteral("report_text")].toString().toStdString(), row.text)
            << row.tray;
        EXPECT_EQ(tray[QStringLiteral("bound")].toString().toStdString(), row.bound) << row.tray;
        // The summary reports the same figure.
        const Result text = Cli(QStringList{QStringLiteral("--lang"), QStringLiteral("en")} + args);
        EXPECT_TRUE(text.out.contains("MPN per 100 mL:      " + QByteArray(row.text) + "\n"))
            << text.out.toStdString();
    }
}

// mle_per_ml is per mL of the original sample: ten times the tray's own at F = 10.
TEST(TrayCli, DesignAndStatisticsAfterTheDilutionFactor) {
    const QJsonObject plain = Json({QStringLiteral("--tray"), QStringLiteral("97:10:5")});
    const QJsonObject diluted = Json({QStringLiteral("--tray"), QStringLiteral("97:10:5"),
                                      QStringLiteral("--dilution"), QStringLiteral("10")});
    EXPECT_NEAR(Stat(plain, "mle_per_ml"), 0.166, 0.0005);  // 16.6 per 100 mL
    for (const char* key :
         {"mle_per_ml", "bias_adjusted_per_ml", "ci_low_per_ml", "ci_high_per_ml"})
        EXPECT_NEAR(Stat(diluted, key), 10 * Stat(plain, key), 1e-12) << key;
    EXPECT_EQ(Stat(diluted, "rarity_index"), Stat(plain, "rarity_index"));
    const QJsonObject design = diluted[QStringLiteral("design")].toObject();
    EXPECT_EQ(design[QStringLiteral("name")].toString(), QStringLiteral("tray97"));
    EXPECT_EQ(design[QStringLiteral("large_positive")].toInt(), 10);
    EXPECT_EQ(design[QStringLiteral("small_positive")].toInt(), 5);
    EXPECT_EQ(design[QStringLiteral("dilution_factor")].toDouble(), 10);
    // No grid search stands behind a tray's figures.
    EXPECT_FALSE(diluted.contains(QStringLiteral("mpn_per_ml")));
    EXPECT_FALSE(diluted.contains(QStringLiteral("display")));

    // Every well positive: no finite estimate, an open upper limit.
    const QJsonObject all = Json({QStringLiteral("--tray"), QStringLiteral("51:51")});
    EXPECT_TRUE(
        all[QStringLiteral("statistics")].toObject()[QStringLiteral("mle_infinite")].toBool());
    EXPECT_TRUE(
        all[QStringLiteral("statistics")].toObject()[QStringLiteral("ci_high_per_ml")].isNull());
}

TEST(TrayCli, CountsBeyondTheDesignAreRefusedAndMalformedFormsAreUsageErrors) {
    struct Row {
        QStringList args;
        int status;
        const char* says;  // on standard error
    };
    const Row rows[] = {
        {{"--tray", "97:50:0"}, 2, "49 large wells"},
        {{"--tray", "97:0:49"}, 2, "48 small wells"},
        {{"--tray", "51:52"}, 2, "51 wells"},
        {{"--tray", "51:-1"}, 2, "less than zero"},
        {{"--tray", "97:2.5:0"}, 2, "whole number"},
        {{"--tray", "51:3", "--dilution", "0"}, 2, "dilution factor"},
        {{"--tray", "51:3", "--dilution", "-10"}, 2, "dilution factor"},
        {{"--tray", "52:3"}, 64, "51:K or 97:L:S"},
        {{"--tray", "97:3"}, 64, "51:K or 97:L:S"},
        {{"--tray", "51:x"}, 64, "not a number"},
        {{"--tray", "51:3", "--dilution", "ten"}, 64, "--dilution takes a number"},
        {{"--dilution", "10", "10:5:0"}, 64, "--dilution goes with --tray"},
        {{"--tray", "51:3", "10:5:0"}, 64, "give no ROWs"},
        {{"--tray", "51:3", "--curve", "c.csv"}, 64, "--curve is not available"},
    };
    for (const Row& row : rows) {
        const Result r =
            Cli(QStringList{QStringLiteral("--lang"), QStringLiteral("en")} + row.args);
        EXPECT_EQ(r.exitCode, row.status) << row.args.join(' ').toStdString();
        EXPECT_TRUE(r.err.contains(row.says))
            << row.args.join(' ').toStdString() << ": " << r.err.toStdString();
        EXPECT_TRUE(r.out.isEmpty()) << row.args.join(' ').toStdString();
    }
    // With --json the refusal is also the error object on standard output.
    const Result json =
        Cli({QStringLiteral("--json"), QStringLiteral("--tray"), QStringLiteral("97:50:0")});
    EXPECT_EQ(json.exitCode, 2);
    EXPECT_FALSE(json.json()[QStringLiteral("error")]
                     .toObject()[QStringLiteral("prompt")]
                     .toString()
                     .isEmpty());
}

// Two rows of the same volume are one group of their tubes: six rows give the five-row
// series' statistics exactly. More than 64 rows are a usage error.
TEST(TrayCli, MoreThanFiveRowsGiveTheStatisticsOfTheSameSeries) {
    const QStringList five = {"10:5:0", "1:3:2", "0.1:0:5", "0.01:0:5", "0.001:0:5"};
    const QStringList six = {"10:3:0", "10:2:0", "1:3:2", "0.1:0:5", "0.01:0:5", "0.001:0:5"};
    const QJsonObject a = Json(five);
    const QJsonObject b = Json(six);
    EXPECT_EQ(b[QStringLiteral("statistics")].toObject(),
              a[QStringLiteral("statistics")].toObject());
    EXPECT_EQ(b[QStringLiteral("dilutions")].toInt(), 6);
    EXPECT_EQ(b[QStringLiteral("design")].toObject()[QStringLiteral("name")].toString(),
              QStringLiteral("groups"));
    EXPECT_FALSE(b.contains(QStringLiteral("mpn_per_ml")));
    EXPECT_FALSE(b.contains(QStringLiteral("thomas_per_100ml")));

    QStringList many;
    for (int i = 0; i < 64; ++i) many << QStringLiteral("1:1:1");
    const QJsonObject m = Json(many);
    EXPECT_NEAR(Stat(m, "mle_per_ml"), std::log(2.0), 1e-9);  // half of 1 mL wells positive
    const Result tooMany = Cli(many + QStringList{QStringLiteral("1:1:1")});
    EXPECT_EQ(tooMany.exitCode, 64);
    EXPECT_TRUE(tooMany.err.contains("1 to 64 rows")) << tooMany.err.toStdString();
    const Result negative = Cli(six.mid(0, 5) + QStringList{QStringLiteral("1:-1:5")});
    EXPECT_EQ(negative.exitCode, 2);
}

// Batch lines naming a tray, and lines of more than five groups, beside an ordinary line.
TEST(TrayCli, BatchTrayAndGroupLines) {
    QTemporaryDir dir;
    const QString in = dir.filePath(QStringLiteral("in.csv"));
    QFile file(in);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(
        "id,x\n"
        "a,tray97,10,5\n"
        "b,tray97,10,5,10\n"
        "c,TRAY51,25\n"
        "d,tray51,52\n"
        "e,10,3,3,10,2,2,1,5,3,0.1,5,0,0.01,5,0,0.001,5,0\n"
        "f,10,5,5,1,5,3,0.1,5,0,0.01,5,0,0.001,5,0\n"
        "g,tray97,49,48,10\n");
    file.close();
    const Result r =
        Cli({QStringLiteral("--lang"), QStringLiteral("en"), QStringLiteral("--batch"), in});
    EXPECT_EQ(r.exitCode, 2);  // line d is bad
    const QList<QByteArray> lines = r.out.trimmed().split('\n');
    ASSERT_EQ(lines.size(), 8) << r.out.toStdString();
    const QList<QByteArray> header = lines[0].split(',');
    const auto cell = [&](int line, const char* column) {
        return QString::fromUtf8(lines[line].split(',').value(header.indexOf(column)));
    };
    const double trayMle =
        Stat(Json({QStringLiteral("--tray"), QStringLiteral("97:10:5")}), "mle_per_ml");
    EXPECT_EQ(cell(1, "mle_per_ml").toDouble(), trayMle);
    EXPECT_NEAR(cell(2, "mle_per_ml").toDouble(), 10 * trayMle, 1e-12);
    EXPECT_EQ(cell(1, "dilutions"), QStringLiteral("2"));
    EXPECT_NEAR(cell(3, "mle_per_ml").toDouble() * 100, 34.4, 0.05);
    EXPECT_TRUE(cell(4, "error").contains(QStringLiteral("51 wells"))) << lines[4].toStdString();
    EXPECT_TRUE(r.err.contains("line 5:")) << r.err.toStdString();
    // Six groups: the five-group line's statistics, with no grid columns.
    for (const char* column : {"mle_per_ml", "ci_low_per_ml", "ci_high_per_ml", "rarity_index"})
        EXPECT_EQ(cell(5, column), cell(6, column)) << column;
    EXPECT_EQ(cell(5, "dilutions"), QStringLiteral("6"));
    for (int line : {1, 5}) {
        for (const char* column : {"grid_mpn_per_ml", "grid_mpn_per_100ml", "grid_lower_bound",
                                   "grid_search_fault", "max_likelihood", "thomas_per_100ml"})
            EXPECT_TRUE(cell(line, column).isEmpty()) << line << ' ' << column;
    }
    EXPECT_FALSE(cell(6, "grid_mpn_per_ml").isEmpty());
    EXPECT_EQ(cell(7, "mle_infinite"), QStringLiteral("true"));
    EXPECT_TRUE(cell(7, "mle_per_ml").isEmpty());
}

}  // namespace
