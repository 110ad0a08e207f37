// tubewise-cli --report: the statistics window's report written without a display, its header
// options and its failures.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#ifdef TUBEWISE_CLI_CHART

#include "tests/support/CliProcess.h"
#include "tests/support/PdfTools.h"

namespace tubewise {
namespace {

class ReportCli : public ::testing::Test {
  protected:
    // Runs tubewise-cli with no display at all.
    int Run(const QStringList& arguments) {
        const testing::CliRun run =
            testing::RunCliWithoutDisplay(QStringLiteral(TUBEWISE_CLI), arguments);
        err_ = run.err;
        return run.crashed ? -1 : run.exitCode;
    }

    QTemporaryDir dir_;
    QByteArray err_;
};

TEST_F(ReportCli, WritesTheWindowsReportWithItsHeader) {
    if (!testing::HavePoppler()) FAIL() << "poppler-utils missing: run scripts/install-deps.sh";
    const QString path = dir_.filePath("sample 7.pdf");
    ASSERT_EQ(Run({"--report", path, "--sample", "Well 7", "--analyst", "مريم احمدي", "--date",
                   "2024-03-20", "--ci", "lr", "--level", "0.99", "10:5:0", "1:5:0", "0.1:4:1"}),
              0)
        << err_.data();
    const QString text = testing::PdfText(path);
    for (const QString& expected :
         {QStringLiteral("Well7"), testing::Normalised(QStringLiteral("مريم احمدي")),
          QStringLiteral("1403/01/01"), QStringLiteral("2024-03-20"), QStringLiteral("1609"),
          QStringLiteral("99%"), testing::Normalised(QStringLiteral("نسبت درست نمايي"))})
        EXPECT_TRUE(text.contains(expected)) << expected.toStdString() << "\n"
                                             << text.toStdString();
    EXPECT_TRUE(testing::PdfInfo(path).contains("Pages:           1"));
}

// In English the page is the Persian one's mirror image: captions at the left, their figures to
// their right, the series' number column first from the left.
TEST_F(ReportCli, AnEnglishReportReadsFromTheLeft) {
    if (!testing::HavePoppler()) FAIL() << "poppler-utils missing: run scripts/install-deps.sh";
    const QString path = dir_.filePath("en.pdf");
    ASSERT_EQ(Run({"--lang", "en", "--report", path, "--sample", "Well 7", "--date", "2024-03-20",
                   "10:5:0", "1:5:0", "0.1:4:1"}),
              0)
        << err_.data();
    const QString text = testing::PdfText(path);
    for (const char* expected :
         {"Coliformcountbythemultiple-tubefermentationmethod", "ExactMPNper100mL1609",
          "Upperconfidencelimitper100mL", "Log-normal(Jarvis)",
          "Theresultswindow'sestimateisonlyalowerbound;reporttheexactestimate."})
        EXPECT_TRUE(text.contains(QLatin1String(expected))) << expected << "\n"
                                                            << text.toStdString();
    EXPECT_FALSE(text.contains(QRegularExpression(QStringLiteral("\\p{Arabic}"))))
        << text.toStdString();
    const double caption = testing::WordLeft(path, QStringLiteral("Exact"));
    const double figure = testing::WordLeft(path, QStringLiteral("1609"));
    const double series = testing::WordLeft(path, QStringLiteral("Series"));
    const double negative = testing::WordLeft(path, QStringLiteral("Negative"));
    EXPECT_GT(caption, 0);
    EXPECT_LT(caption, 595 / 4.0) << "captions start at the left margin";
    EXPECT_GT(figure, caption);
    EXPECT_GT(series, 0);
    EXPECT_LT(series, negative) << "the series' columns run from the left";
    EXPECT_LT(negative, testing::WordLeft(path, QStringLiteral("Positive")))
        << "negative before positive tubes, as the grid reads";
}

// Like every output, the report goes into a pipe or to standard output as a stream; the pipe
// stays a pipe.
TEST_F(ReportCli, WritesIntoAPipeAndToStandardOutput) {
    const QStringList rows{"10:5:0", "1:3:2", "0.1:0:5"};
    const testing::CliRun out = testing::RunCliWithoutDisplay(QStringLiteral(TUBEWISE_CLI),
                                                              QStringList{"--report", "-"} + rows);
    EXPECT_EQ(out.exitCode, 0) << out.err.data();
    EXPECT_TRUE(out.out.startsWith("%PDF-")) << "the report alone, in place of the summary";
    EXPECT_TRUE(out.out.trimmed().endsWith("%%EOF"));
    EXPECT_EQ(Run(QStringList{"--report", "-", "--json"} + rows), 64);

    const QString pipe = dir_.filePath("report.pipe");
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    QProcess writer;
    writer.start(QStringLiteral(TUBEWISE_CLI), QStringList{"--report", pipe} + rows);
    QFile reader(pipe);
    ASSERT_TRUE(reader.open(QIODevice::ReadOnly));
    const QByteArray read = reader.readAll();
    ASSERT_TRUE(writer.waitForFinished(60000));
    EXPECT_EQ(writer.exitCode(), 0) << writer.readAllStandardError().data();
    EXPECT_TRUE(read.startsWith("%PDF-"));
    struct stat after {};
    ASSERT_EQ(lstat(QFile::encodeName(pipe).constData(), &after), 0);
    EXPECT_TRUE(S_ISFIFO(after.st_mode));
}

TEST_F(ReportCli, UsageErrorsAndFailures) {
    const QString path = dir_.filePath("r.pdf");
    const QStringList rows{"10:5:0", "1:3:2", "0.1:0:5"};
    EXPECT_EQ(Run(QStringList{"--sample", "W"} + rows), 64) << "--sample goes with --report";
    EXPECT_TRUE(err_.contains("--sample goes with --report")) << err_.data();
    EXPECT_EQ(Run(QStringList{"--report", path, "--date", "1403/13/01"} + rows), 64);
    EXPECT_EQ(Run({"--report", path, "--batch", "in.csv"}), 64);
    // A conformity statement needs a report, a limit above 0, and a rule of the two.
    EXPECT_EQ(Run(QStringList{"--limit", "100"} + rows), 64);
    EXPECT_EQ(Run(QStringList{"--report", path, "--limit", "0"} + rows), 64);
    EXPECT_EQ(Run(QStringList{"--report", path, "--rule", "guarded"} + rows), 64);
    EXPECT_EQ(Run(QStringList{"--report", path, "--limit", "100", "--rule", "strict"} + rows), 64);
    EXPECT_FALSE(QFile::exists(path));

    // Input refused: the message, status 2 and no report.
    EXPECT_EQ(Run({"--report", path, "10:x:0"}), 2);
    EXPECT_FALSE(QFile::exists(path));

    const QString missing = dir_.filePath("missing/r.pdf");
    EXPECT_EQ(Run(QStringList{"--report", missing} + rows), 73);
    EXPECT_TRUE(QString::fromUtf8(err_).contains(missing)) << err_.data();
}

// A tray's page names the design, its counts and F, and gives the tray's figures per 100 mL of
// the original sample with their bound; it has no series table.
TEST_F(ReportCli, TrayReportNamesTheDesignAndItsFigures) {
    if (!testing::HavePoppler()) FAIL() << "poppler-utils missing: run scripts/install-deps.sh";
    struct Case {
        QStringList tray;
        QStringList expected;
    };
    const Case cases[] = {
        {{"--tray", "97:49:48", "--dilution", "10"},
         {"97-welltray", "positivelargewells:49of49", "dilutionfactor:10", ">24196", "unbounded"}},
        {{"--tray", "51:25"}, {"51-welltray", "positivewells:25of51", "34.4", "Log-normal"}},
    };
    for (const Case& c : cases) {
        const QString path = dir_.filePath("tray.pdf");
        ASSERT_EQ(Run(QStringList{"--lang", "en", "--report", path, "--sample", "Tap 2", "--date",
                                  "2024-03-20"} +
                      c.tray),
                  0)
            << err_.data();
        const QString text = testing::PdfText(path);
        for (const QString& expected : c.expected + QStringList{"Tap2", "2024-03-20"})
            EXPECT_TRUE(text.contains(expected, Qt::CaseInsensitive))
                << expected.toStdString() << "\n"
                << text.toStdString();
        EXPECT_FALSE(text.contains("Positivetubes", Qt::CaseInsensitive)) << text.toStdString();
        EXPECT_TRUE(testing::PdfInfo(path).contains("Pages:           1"));
    }
}

}  // namespace
}  // namespace tubewise

#endif
