// tubewise-cli from outside: JSON figures, refusals, usage errors, the curve file and odd argv.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <random>

#include "core/Calculation.h"
#include "tests/support/CliProcess.h"
#include "tests/support/ExpectedTexts.h"

namespace {

// The message box texts as the analyst must see them.
const QString kTitle = QString::fromStdString(expected::kWrongInput);
const QString kEmptyPrompt = QString::fromStdString(expected::kEmptyCells);
const QString kNumbersPrompt = QString::fromStdString(expected::kNumbersOnly);
const QString kVolumeRow2 = QString::fromStdString(expected::VolumeNotPositive(2));
const QString kNegativeRow1 = QString::fromStdString(expected::NegativeCount(1));
const QString kTooSmallRow2 = QString::fromStdString(expected::VolumeTooSmall(2));

using Result = tubewise::testing::CliRun;

// Runs in a scratch folder: odd arguments may name files (--curve) relative to it.
Result Cli(const QStringList& args, const QString& lcAll = QStringLiteral("C.UTF-8")) {
    static QTemporaryDir scratch;
    return tubewise::testing::RunCli(QStringLiteral(TUBEWISE_CLI), args, lcAll, scratch.path());
}

const QStringList k530 = {QStringLiteral("10:5:0"), QStringLiteral("1:3:2"),
                          QStringLiteral("0.1:0:5")};

// ---- Figures ---------------------------------------------------------------------------------

TEST(CliJson, WorkedExampleWithShortestRoundTripNumbers) {
    const Result r = Cli(QStringList{QStringLiteral("--json")} + k530);
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QJsonObject o = r.json();
    EXPECT_EQ(o[QStringLiteral("dilutions")].toInt(), 3);
    EXPECT_EQ(o[QStringLiteral("mpn_per_ml")].toDouble(), 0.7920000000000006);
    EXPECT_EQ(o[QStringLiteral("mpn_per_100ml")].toDouble(), 0.7920000000000006 * 100);
    EXPECT_NEAR(o[QStringLiteral("max_likelihood")].toDouble(), 0.0225640617980848, 1e-15);
    EXPECT_NEAR(o[QStringLiteral("thomas_per_100ml")].toDouble(), 67.916, 5e-4);
    EXPECT_FALSE(o[QStringLiteral("lower_bound")].toBool());
    EXPECT_FALSE(o[QStringLiteral("search_fault")].toBool());
    EXPECT_TRUE(o[QStringLiteral("thomas_defined")].toBool());
    // The shortest text that reads back to the same double, not a rounded one.
    EXPECT_TRUE(r.out.contains("\"mpn_per_ml\": 0.7920000000000006")) << r.out.toStdString();
    EXPECT_TRUE(r.out.contains("\"mpn_per_100ml\": 79.20000000000006")) << r.out.toStdString();
}

TEST(CliJson, LikelihoodBelowTheSmallestDoubleIsReportedByItsLogarithm) {
    const Result r = Cli({QStringLiteral("--json"), QStringLiteral("1:1000:1000")});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QJsonObject o = r.json();
    // The double keeps its meaning; the new key tells the size.
    EXPECT_EQ(o[QStringLiteral("max_likelihood")].toDouble(), 0.0);
    EXPECT_NEAR(o[QStringLiteral("max_log10_likelihood")].toDouble(), -602.0600007, 1e-6);
    EXPECT_NEAR(o[QStringLiteral("mpn_per_ml")].toDouble(), 0.693, 1e-12);
    EXPECT_FALSE(o[QStringLiteral("lower_bound")].toBool());
    const QJsonObject display = o[QStringLiteral("display")].toObject();
    EXPECT_EQ(display[QStringLiteral("likelihood")].toString(),
              QStringLiteral("8.70962111757E-603"));
    EXPECT_EQ(display[QStringLiteral("mpn_per_ml")].toString(), QStringLiteral("0.693"));
    EXPECT_TRUE(o[QStringLiteral("chart")].toObject()[QStringLiteral("scaled")].toBool());

    const Result summary = Cli({QStringLiteral("1:1000:1000")});
    EXPECT_TRUE(summary.out.contains("Maximum likelihood:  8.70962111757E-603\n"))
        << summary.out.toStdString();
    EXPECT_TRUE(summary.out.contains("MPN per mL:          0.693\n")) << summary.out.toStdString();

    // An ordinary likelihood: the logarithm of the double.
    const QJsonObject usual = Cli(QStringList{QStringLiteral("--json")} + k530).json();
    EXPECT_NEAR(usual[QStringLiteral("max_log10_likelihood")].toDouble(),
                std::log10(0.0225640617980848), 1e-13);
    // The smallest volume the program computes with still gives its positive tube a chance,
    // through the logarithm, though every product of the documented arithmetic underflows.
    const QJsonObject subnormal =
        Cli({QStringLiteral("--json"), QStringLiteral("1e-300:1:4"), QStringLiteral("1:3:2")})
            .json();
    EXPECT_EQ(subnormal[QStringLiteral("max_likelihood")].toDouble(), 0.0);
    EXPECT_LT(subnormal[QStringLiteral("max_log10_likelihood")].toDouble(), -300);
}

struct Series {
    const char* name;
    QStringList rows;
    double mpnPerMl;
    double maxLikelihood;
    double likelihoodTolerance;
    bool lowerBound;
    std::optional<double> thomas;  // nullopt: not defined
};

// Test names carry the row's name; the value itself need not be printed.
void PrintTo(const Series& row, std::ostream* os) {
    *os << row.name;
}

class CliSeries : public testing::TestWithParam<Series> {};

TEST_P(CliSeries, JsonFigures) {
    const Series& s = GetParam();
    const Result r = Cli(QStringList{QStringLiteral("--json"), QStringLiteral("--")} + s.rows);
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QJsonObject o = r.json();
    EXPECT_EQ(o[QStringLiteral("dilutions")].toInt(), s.rows.size());
    EXPECT_NEAR(o[QStringLiteral("mpn_per_ml")].toDouble(), s.mpnPerMl, 1e-12);
    EXPECT_NEAR(o[QStringLiteral("max_likelihood")].toDouble(), s.maxLikelihood,
                s.likelihoodTolerance);
    EXPECT_EQ(o[QStringLiteral("lower_bound")].toBool(), s.lowerBound);
    EXPECT_EQ(o[QStringLiteral("thomas_defined")].toBool(), s.thomas.has_value());
    if (s.thomas) {
        EXPECT_NEAR(o[QStringLiteral("thomas_per_100ml")].toDouble(), *s.thomas, 5e-4);
    } else {
        EXPECT_TRUE(o[QStringLiteral("thomas_per_100ml")].isNull());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Examples, CliSeries,
    testing::Values(
        Series{"OneDilution", {"1:3:2"}, 0.916, 0.03456, 5e-6, false, 94.868},
        Series{"AllNegative",
               {"10:0:5", "1:0:5", "0.1:0:5"},
               0.001,
               std::exp(-0.0555),
               1e-15,
               false,
               0.0},
        Series{"AllPositive",
               {"10:5:0", "1:5:0", "0.1:5:0"},
               9.999999999999897,
               0.1009,
               5e-5,
               true,
               std::nullopt},
        // The likelihood rounds to 1 long before the top; the answer is still a lower bound.
        Series{"AllPositiveLargeVolume", {"100:5:0"}, 0.375, 1.0, 0.0, true, std::nullopt},
        // Halves go to the even neighbour: the same as 1:2:4.
        Series{"HalfCounts", {"1:2.5:3.5"}, 0.405, 0.0, 1.0, false, 200 / std::sqrt(24.0)},
        Series{"PersianDigits", {"\u06F1:\u06F3:\u06F2"}, 0.916, 0.03456, 5e-6, false, 94.868},
        Series{"ArabicDecimalSeparator",
               {"10:5:0", "1:3:2", "0\u066B1:0:5"},
               0.792,
               0.0225640617980848,
               1e-15,
               false,
               67.916},
        // A row without tubes says nothing, whatever its volume.
        Series{"RowWithoutTubesAfterDoubleDash",
               {"-1:0:0", "10:5:0", "1:3:2", "0.1:0:5"},
               0.7920000000000006,
               0.0225640617980848,
               1e-15,
               false,
               67.916}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CliJson, CountBeyondSixteenBitsIsASearchFault) {
    const Result r = Cli({QStringLiteral("--json"), QStringLiteral("10:5:0"),
                          QStringLiteral("1:40000:2"), QStringLiteral("0.1:0:5")});
    ASSERT_FALSE(r.crashed);
    const QJsonObject o = r.json();
    EXPECT_TRUE(o[QStringLiteral("search_fault")].toBool());
    EXPECT_EQ(o[QStringLiteral("mpn_per_ml")].toDouble(), 0.0);
    EXPECT_EQ(o[QStringLiteral("max_likelihood")].toDouble(), 0.0);
    // The fault is refused as input the search cannot compute: the error stands beside the
    // figures where the search stopped.
    EXPECT_EQ(r.exitCode, 2) << r.err.toStdString();
    EXPECT_EQ(o[QStringLiteral("error")].toObject()[QStringLiteral("title")].toString(), kTitle);
}

TEST(CliJson, LocaleDecimalSeparator) {
    const QStringList rows = {QStringLiteral("--json"), QStringLiteral("10:5:0"),
                              QStringLiteral("1:3:2"), QStringLiteral("0,1:0:5")};
    const Result comma = Cli(rows, QStringLiteral("de_DE.UTF-8"));
    ASSERT_EQ(comma.exitCode, 0) << comma.err.toStdString();
    EXPECT_EQ(comma.json()[QStringLiteral("mpn_per_ml")].toDouble(), 0.7920000000000006);
    const Result dot = Cli(rows);
    EXPECT_EQ(dot.exitCode, 2);
    EXPECT_EQ(dot.json()[QStringLiteral("error")].toObject()[QStringLiteral("prompt")].toString(),
              kNumbersPrompt);
}

TEST(CliText, SummaryShowsTheRoundedFigures) {
    const Result r = Cli(k530);
    ASSERT_EQ(r.exitCode, 0);
    const QString out = QString::fromUtf8(r.out);
    EXPECT_TRUE(out.contains(QStringLiteral("0.792"))) << out.toStdString();
    EXPECT_TRUE(out.contains(QStringLiteral("79.2\n"))) << out.toStdString();
    EXPECT_TRUE(out.contains(QStringLiteral("67.916"))) << out.toStdString();
    const Result top = Cli({QStringLiteral("10:5:0"), QStringLiteral("1:5:0")});
    EXPECT_TRUE(QString::fromUtf8(top.out).contains(QStringLiteral("> 1000")));
}

// ---- Refusals and usage ----------------------------------------------------------------------

struct Refusal {
    const char* name;
    QStringList rows;
    int row;
    const QString* prompt;
};

// Test names carry the row's name; the value itself need not be printed.
void PrintTo(const Refusal& row, std::ostream* os) {
    *os << row.name;
}

class CliRefusal : public testing::TestWithParam<Refusal> {};

TEST_P(CliRefusal, PromptTitleAndRowOnBothStreams) {
    const Refusal& c = GetParam();
    const Result plain = Cli(c.rows);
    EXPECT_EQ(plain.exitCode, 2);
    EXPECT_TRUE(plain.out.isEmpty());
    const QString err = QString::fromUtf8(plain.err);
    EXPECT_TRUE(err.contains(*c.prompt)) << plain.err.toStdString();
    EXPECT_TRUE(err.contains(kTitle));
    EXPECT_TRUE(err.contains(QStringLiteral("row %1").arg(c.row)));

    const Result json = Cli(QStringList{QStringLiteral("--json")} + c.rows);
    EXPECT_EQ(json.exitCode, 2);
    const QJsonObject error = json.json()[QStringLiteral("error")].toObject();
    EXPECT_EQ(error[QStringLiteral("title")].toString(), kTitle);
    EXPECT_EQ(error[QStringLiteral("prompt")].toString(), *c.prompt);
    EXPECT_EQ(error[QStringLiteral("row")].toInt(), c.row);
}

INSTANTIATE_TEST_SUITE_P(
    Grids, CliRefusal,
    testing::Values(Refusal{"EmptyCell", {"10:5:0", "1::2", "0.1:x:5"}, 2, &kEmptyPrompt},
                    Refusal{"Letters", {"10:5:0", "1:3:2", "0.1:five:5"}, 3, &kNumbersPrompt},
                    Refusal{"Blanks", {" :1:2"}, 1, &kNumbersPrompt},
                    Refusal{"Overflowing", {"1e400:1:2"}, 1, &kNumbersPrompt},
                    // Figures the model cannot take, refused before the search, naming the row.
                    Refusal{"ZeroVolume", {"10:5:0", "0:3:2", "0.1:0:5"}, 2, &kVolumeRow2},
                    Refusal{"NegativeVolume", {"--", "1:3:2", "-1:0:3"}, 2, &kVolumeRow2},
                    Refusal{"NegativeCount", {"--", "10:-1:5", "1:3:2"}, 1, &kNegativeRow1},
                    Refusal{"SubnormalVolume", {"1:3:2", "4.9e-324:1:4"}, 2, &kTooSmallRow2}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CliUsage, ExitSixtyFourWithTheUsageText) {
    const QStringList cases[] = {
        {},
        {QStringLiteral("--json")},
        {QStringLiteral("1:2")},
        {QStringLiteral("1:2:3:4")},
        QStringList(65, QStringLiteral("1:1:1")),  // more rows than the most groups, 64
        {QStringLiteral("--bogus"), QStringLiteral("1:3:2")},
        {QStringLiteral("-1:3:2")},  // an option, without --
        {QStringLiteral("1:3:2"), QStringLiteral("--curve")},
    };
    for (const QStringList& args : cases) {
        const Result r = Cli(args);
        EXPECT_EQ(r.exitCode, 64) << args.join(' ').toStdString();
        EXPECT_TRUE(r.err.contains("Usage: tubewise-cli")) << args.join(' ').toStdString();
        EXPECT_TRUE(r.out.isEmpty());
    }
    const Result help = Cli({QStringLiteral("--help")});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.contains("Usage: tubewise-cli"));
}

// ---- The curve file --------------------------------------------------------------------------

TEST(CliCurve, EveryIndexAtFullPrecision) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("curve.csv"));
    const Result r = Cli(QStringList{QStringLiteral("--curve"), path} + k530);
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().split('\n');
    ASSERT_EQ(lines.size(), 1 + tubewise::kCurveSize + 1);  // header, rows, final newline
    EXPECT_EQ(lines[0], "index,lambda,likelihood");
    EXPECT_TRUE(lines.back().isEmpty());

    tubewise::GridTexts grid;
    grid[0] = {"10", "5", "0"};
    grid[1] = {"1", "3", "2"};
    grid[2] = {"0.1", "0", "5"};
    const tubewise::Calculation calc = tubewise::Calculate(grid, 3, tubewise::NumberLocale{});
    ASSERT_TRUE(calc.search.curve);
    const tubewise::Curve& expected = *calc.search.curve;
    const auto read = [](const QByteArray& text) {
        double v = -1;
        std::from_chars(text.constData(), text.constData() + text.size(), v);
        return std::bit_cast<std::uint64_t>(v);
    };
    for (int i = 1; i <= tubewise::kCurveSize; ++i) {
        const QList<QByteArray> f = lines[i].split(',');
        ASSERT_EQ(f.size(), 3) << i;
        ASSERT_EQ(f[0].toInt(), i);
        ASSERT_EQ(read(f[1]), std::bit_cast<std::uint64_t>(expected.lambda[static_cast<std::size_t>(i)])) << i;
        ASSERT_EQ(read(f[2]), std::bit_cast<std::uint64_t>(expected.likelihood[static_cast<std::size_t>(i)])) << i;
    }
    EXPECT_EQ(lines[10001], "10001,10.000999999999896,0");
}

TEST(CliCurve, NothingWrittenOnRefusalAndFailureReported) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("curve.csv"));
    EXPECT_EQ(Cli({QStringLiteral("--curve"), path, QStringLiteral("1::2")}).exitCode, 2);
    EXPECT_FALSE(QFile::exists(path));
    const Result r = Cli({QStringLiteral("--curve"), dir.path(), QStringLiteral("1:3:2")});
    EXPECT_EQ(r.exitCode, 73);
    EXPECT_TRUE(r.err.contains("cannot write"));
}

// ---- Odd argv --------------------------------------------------------------------------------

TEST(CliFuzz, OddArgumentsNeverCrash) {
    const QStringList pieces = {QStringLiteral("--json"),
                                QStringLiteral("--"),
                                QStringLiteral("-"),
                                QStringLiteral(""),
                                QStringLiteral("--curve"),
                                QStringLiteral("-h"),
                                QStringLiteral("--curve="),
                                QStringLiteral(":"),
                                QStringLiteral("::"),
                                QStringLiteral(":::"),
                                QStringLiteral("1:3:2"),
                                QStringLiteral("10:5:0"),
                                QStringLiteral("0:1:0"),
                                QStringLiteral("-0:-1:-2"),
                                QStringLiteral("1e308:1:1"),
                                QStringLiteral("1e-320:-1:0"),
                                QStringLiteral("-100:32767:32767"),
                                QStringLiteral("1:40000:1"),
                                QStringLiteral("\u06F1\u066B\u06F5:\u0663:x"),
                                QStringLiteral("nan:inf:-inf"),
                                QStringLiteral("1 :\t2: 3"),
                                QString(5000, QLatin1Char('9')) + QStringLiteral(":1:1"),
                                QStringLiteral("\uFFFD:\u200F:\u0000"),
                                QStringLiteral("--json=1"),
                                QStringLiteral("-jc"),
                                QStringLiteral("%s%n:%d:%x")};
    std::mt19937 rng(99);
    std::uniform_int_distribution<qsizetype> pick(0, pieces.size() - 1);
    std::uniform_int_distribution<int> length(0, 7);
    for (int n = 0; n < 60; ++n) {
        QStringList args;
        for (int k = length(rng); k > 0; --k) args << pieces[pick(rng)];
        const Result r = Cli(args);
        const std::string shown = args.join(QStringLiteral(" | ")).left(200).toStdString();
        ASSERT_FALSE(r.crashed) << shown;
        // Whatever the outcome, it is one of the documented ones and says what it is.
        const bool json = args.contains(QStringLiteral("--json"));
        switch (r.exitCode) {
            case 0:
                if (args.contains(QStringLiteral("-h"))) {
                    EXPECT_TRUE(r.out.startsWith("Usage: tubewise-cli")) << shown;
                } else if (json) {
                    EXPECT_TRUE(r.json().contains(QStringLiteral("mpn_per_ml"))) << shown;
                } else {
                    EXPECT_TRUE(r.out.contains("MPN per mL:")) << shown;
                }
                break;
            case 2:
                // Refused input: the windows' prompt on standard error, and with --json the
                // error object on standard output.
                EXPECT_TRUE(r.err.contains(kTitle.toUtf8())) << shown << r.err.toStdString();
                if (json) {
                    QJsonParseError error;
                    const QJsonDocument doc = QJsonDocument::fromJson(r.out, &error);
                    EXPECT_EQ(error.error, QJsonParseError::NoError) << shown;
                    EXPECT_TRUE(doc.object().contains(QStringLiteral("error"))) << shown;
                }
                break;
            case 64:
                EXPECT_TRUE(r.err.contains("Usage: tubewise-cli")) << shown;
                EXPECT_TRUE(r.out.isEmpty()) << shown;
                break;
            case 73:
                EXPECT_TRUE(r.err.contains("cannot write")) << shown;
                break;
            default:
                ADD_FAILURE() << "exit status " << r.exitCode << ": " << shown;
        }
    }
}

}  // namespace
