// tubewise-cli run as a separate process: the "display" texts, the summary lines and a
// search that cannot finish refused like bad input, in Persian and with --lang en in English.
#include <gtest/gtest.h>

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QProcessEnvironment>

#include "tests/support/ExpectedTexts.h"

namespace {

struct Outcome {
    int exitCode = -1;
    QString out;
    QString err;
};

Outcome RunCli(const QStringList& args) {
    QProcess cli;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));  // a point as separator
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    cli.setProcessEnvironment(env);
    cli.start(QStringLiteral(TUBEWISE_CLI), args);
    EXPECT_TRUE(cli.waitForFinished(30000));
    return {cli.exitCode(), QString::fromUtf8(cli.readAllStandardOutput()),
            QString::fromUtf8(cli.readAllStandardError())};
}

QJsonObject Json(const Outcome& run) {
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(run.out.toUtf8(), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << run.out.toStdString();
    return doc.object();
}

QString Q(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

struct DisplayRow {
    const char* name;
    QStringList rows;
    std::string heading;
    const char* perMl;
    const char* per100Ml;
    std::string thomas;
    const char* poissonColour;
    const char* thomasColour;
};

void PrintTo(const DisplayRow& row, std::ostream* os) {
    *os << row.name;
}

class DisplayJson : public ::testing::TestWithParam<DisplayRow> {};

TEST_P(DisplayJson, HoldsWhatTheWindowShows) {
    const DisplayRow& row = GetParam();
    const Outcome run = RunCli(QStringList{QStringLiteral("--json")} + row.rows);
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QJsonObject display = Json(run)[QStringLiteral("display")].toObject();
    EXPECT_EQ(display.size(), 9);
    EXPECT_EQ(display[QStringLiteral("probability_heading")].toString(), Q(row.heading));
    EXPECT_EQ(display[QStringLiteral("mpn_per_ml")].toString(), row.perMl);
    EXPECT_EQ(display[QStringLiteral("mpn_per_100ml")].toString(), row.per100Ml);
    EXPECT_EQ(display[QStringLiteral("thomas")].toString(), Q(row.thomas));
    const bool poissonRed = std::string(row.poissonColour) == "red";
    const bool thomasRed = std::string(row.thomasColour) == "red";
    EXPECT_EQ(display[QStringLiteral("poisson_advice_colour")].toString(), row.poissonColour);
    EXPECT_EQ(display[QStringLiteral("poisson_advice")].toString(),
              Q(poissonRed ? expected::kPoissonRed : expected::kPoissonGreen));
    EXPECT_EQ(display[QStringLiteral("thomas_advice_colour")].toString(), row.thomasColour);
    EXPECT_EQ(display[QStringLiteral("thomas_advice")].toString(),
              Q(thomasRed ? expected::kThomasRed : expected::kThomasGreen));
}

INSTANTIATE_TEST_SUITE_P(
    Series, DisplayJson,
    ::testing::Values(DisplayRow{"worked_example",
                                 {"10:5:0", "1:3:2", "0.1:0:5"},
                                 expected::kHeadStart + " 3" + expected::kHeadEnd,
                                 "0.792",
                                 "79.2",
                                 "67.916",
                                 "green",
                                 "green"},
                      DisplayRow{"every_tube_positive",
                                 {"10:5:0", "1:5:0", "0.1:5:0"},
                                 expected::kHeadStart + " 3" + expected::kHeadEnd,
                                 " 10  <",
                                 " 1000  <",
                                 expected::kUndefined,
                                 "red",
                                 "red"},
                      // 100 x 328 positive tubes is beyond the formula's 16-bit product: the
                      // Thomas figure is not defined, in red, while the grid answer stands.
                      DisplayRow{"more_than_327_positive_tubes",
                                 {"0.1:328:200"},
                                 expected::kHeadStart + " 1" + expected::kHeadEnd,
                                 "9.708",
                                 "970.8",
                                 expected::kUndefined,
                                 "green",
                                 "red"}),
    [](const ::testing::TestParamInfo<DisplayRow>& info) { return std::string(info.param.name); });

TEST(DisplayCli, SearchFaultIsRefusedWithTheWindowsMessage) {
    const Outcome run = RunCli({"--json", "10:5:0", "1:40000:2", "0.1:0:5"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.err.contains(Q(expected::kUncomputable))) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(Q(expected::kWrongInput)));
    const QJsonObject report = Json(run);
    const QJsonObject error = report[QStringLiteral("error")].toObject();
    EXPECT_EQ(error[QStringLiteral("prompt")].toString(), Q(expected::kUncomputable));
    EXPECT_EQ(error[QStringLiteral("title")].toString(), Q(expected::kWrongInput));
    EXPECT_EQ(error[QStringLiteral("row")].toInt(), 2);
    EXPECT_FALSE(report.contains(QStringLiteral("display")));

    const Outcome plain = RunCli({"10:5:0", "1:40000:2", "0.1:0:5"});
    EXPECT_EQ(plain.exitCode, 2);
    EXPECT_TRUE(plain.err.contains(Q(expected::kUncomputable)));
    EXPECT_FALSE(plain.out.contains(Q(expected::kHeadStart)));
}

TEST(DisplayCli, SummaryShowsTheWindowTexts) {
    const Outcome run = RunCli({"10:5:0", "1:5:0", "0.1:5:0"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    for (const std::string& text :
         {expected::kHeadStart + " 3" + expected::kHeadEnd, std::string(" 10  <"),
          std::string(" 1000  <"), expected::kUndefined, expected::kPoissonRed,
          expected::kThomasRed})
        EXPECT_TRUE(run.out.contains(Q(text))) << text;
}

// --lang en: the texts the English windows show, the same figures and keys, and the refusal.
TEST(DisplayCli, EnglishGivesTheEnglishWindowsTexts) {
    const Outcome run = RunCli({"--lang", "en", "--json", "10:5:0", "1:5:0", "0.1:5:0"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QJsonObject report = Json(run);
    const QJsonObject display = report[QStringLiteral("display")].toObject();
    EXPECT_EQ(display.size(), 9);
    EXPECT_EQ(display[QStringLiteral("probability_heading")].toString(),
              "Poisson probability, 3 dilutions");
    EXPECT_EQ(display[QStringLiteral("mpn_per_ml")].toString(), "> 10");
    EXPECT_EQ(display[QStringLiteral("mpn_per_100ml")].toString(), "> 1000");
    EXPECT_EQ(display[QStringLiteral("thomas")].toString(), "Undefined");
    EXPECT_EQ(display[QStringLiteral("thomas_advice_colour")].toString(), "red");
    EXPECT_EQ(display[QStringLiteral("thomas_advice")].toString(),
              "Thomas' formula is undefined; dilute the sample.");
    const QJsonObject chart = report[QStringLiteral("chart")].toObject();
    EXPECT_EQ(chart[QStringLiteral("title")].toString(),
              "Poisson distribution of the analysed sample (MPN > 1000)");
    EXPECT_EQ(chart[QStringLiteral("category_axis_title")].toString(),
              "Coliform density, number per mL");
    // Figures and keys are the language's business no more than the batch's columns are.
    const Outcome persian = RunCli({"--json", "10:5:0", "1:5:0", "0.1:5:0"});
    const QJsonObject fa = Json(persian);
    EXPECT_EQ(fa.keys(), report.keys());
    for (const char* key : {"mpn_per_ml", "mpn_per_100ml", "max_likelihood", "lower_bound"})
        EXPECT_EQ(fa[QLatin1String(key)], report[QLatin1String(key)]) << key;
    EXPECT_EQ(
        fa[QStringLiteral("display")].toObject()[QStringLiteral("probability_heading")].toString(),
        Q(expected::kHeadStart + " 3" + expected::kHeadEnd));

    const Outcome summary = RunCli({"--lang=en", "10:5:0", "1:3:2", "0.1:0:5"});
    EXPECT_TRUE(summary.out.contains(
        "Poisson advice (green): The estimate from the Poisson distribution is reliable."))
        << summary.out.toStdString();
}

TEST(DisplayCli, EnglishRefusalsNameTheRow) {
    const Outcome run = RunCli({"--lang", "en", "--json", "--", "10:5:0", "1:-3:2"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.err,
              "tubewise-cli: row 2: Invalid entry: The number of tubes in row 2 cannot be less "
              "than zero!\n");
    const QJsonObject error = Json(run)[QStringLiteral("error")].toObject();
    EXPECT_EQ(error[QStringLiteral("title")].toString(), "Invalid entry");
    EXPECT_EQ(error[QStringLiteral("row")].toInt(), 2);
    EXPECT_EQ(RunCli({"--lang", "en", "10:5:0", "1:40000:2", "0.1:5:0"}).exitCode, 2);
}

TEST(DisplayCli, ALanguageOtherThanPersianOrEnglishIsAUsageError) {
    for (const QStringList& args :
         {QStringList{"--lang", "de", "10:5:0"}, QStringList{"--lang=", "10:5:0"},
          QStringList{"10:5:0", "--lang"}}) {
        const Outcome run = RunCli(args);
        EXPECT_EQ(run.exitCode, 64) << args.join(' ').toStdString();
        EXPECT_TRUE(run.out.isEmpty());
    }
}

}  // namespace
