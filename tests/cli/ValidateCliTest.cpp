// tubewise-cli validate: the self-check of this build against the published tables, an altered
// table that must be reported, the PDF record and the version's source revision.
#include <gtest/gtest.h>

#include <QFile>
#include <QJsonArray>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "tests/support/CliProcess.h"
#include "tests/support/PdfTools.h"

namespace tubewise {
namespace {

testing::CliRun Validate(const QStringList& arguments, const QStringList& env = {}) {
    return testing::RunCli(QStringLiteral(TUBEWISE_CLI),
                           QStringList{QStringLiteral("validate")} + arguments,
                           QStringLiteral("C.UTF-8"), {}, env);
}

int ExplainedCompared(const QJsonObject& json) {
    int explained = 0;
    for (const QJsonValue& d : json[QStringLiteral("differences")].toArray()) {
        const QJsonObject o = d.toObject();
        for (const char* key : {"table", "row", "expected", "computed", "reason"})
            EXPECT_TRUE(o[QLatin1String(key)].isString()) << key;
        EXPECT_FALSE(o[QStringLiteral("reason")].toString().isEmpty());
        if (o[QStringLiteral("compared")].toBool() && o[QStringLiteral("explained")].toBool())
            ++explained;
    }
    return explained;
}

// The validation of this build: every published figure agrees or differs for a known reason.
TEST(ValidateCli, ThisBuildAgreesWithThePublishedTables) {
    const testing::CliRun run = Validate({QStringLiteral("--json")});
    ASSERT_FALSE(run.crashed);
    const QJsonObject json = run.json();
    const int checked = json[QStringLiteral("checked")].toInt();
    const int agreed = json[QStringLiteral("agreed")].toInt();
    EXPECT_GE(checked, 100);
    EXPECT_EQ(agreed + ExplainedCompared(json), checked) << run.out.constData();
    EXPECT_EQ(run.exitCode, 0) << run.out.constData();
}

QString CopyWithEntry(const QTemporaryDir& dir, const QByteArray& from, const QByteArray& to) {
    QFile published(QStringLiteral(TUBEWISE_BAM_TABLE));
    EXPECT_TRUE(published.open(QIODevice::ReadOnly));
    QByteArray text = published.readAll();
    if (!from.isEmpty()) {
        EXPECT_TRUE(text.contains(from));
        text.replace(from, to);
    }
    const QString path = dir.filePath(QStringLiteral("table.csv"));
    QFile copy(path);
    EXPECT_TRUE(copy.open(QIODevice::WriteOnly));
    copy.write(text);
    return path;
}

TEST(ValidateCli, ThePublishedFileAgreesAsBuiltIn) {
    QTemporaryDir dir;
    const testing::CliRun run =
        Validate({QStringLiteral("--json")},
                 {QStringLiteral("TUBEWISE_VALIDATE_TABLE=") + CopyWithEntry(dir, {}, {})});
    EXPECT_EQ(run.exitCode, 0) << run.out.constData() << run.err.constData();
    const QJsonObject first = run.json()[QStringLiteral("tables")].toArray().first().toObject();
    EXPECT_EQ(first[QStringLiteral("checked")].toInt(), 40);
    EXPECT_EQ(first[QStringLiteral("agreed")].toInt(), 40);
}

TEST(ValidateCli, AWrongTableEntryIsReportedAndFails) {
    QTemporaryDir dir;
    // 3-1-0 is printed 43; the altered copy says 47.
    const QString table = CopyWithEntry(dir,
                                        "3-1-0,3,0.1;0.01;0.001 g (= 10;1;0.1 mL per 100 "
                                        "mL),43,",
                                        "3-1-0,3,0.1;0.01;0.001 g (= 10;1;0.1 "
                                        "mL per 100 mL),47,");
    const testing::CliRun run =
        Validate({QStringLiteral("--json")}, {QStringLiteral("TUBEWISE_VALIDATE_TABLE=") + table});
    EXPECT_EQ(run.exitCode, 1);
    const QJsonObject json = run.json();
    EXPECT_EQ(json[QStringLiteral("agreed")].toInt() + ExplainedCompared(json) + 1,
              json[QStringLiteral("checked")].toInt());
    bool found = false;
    for (const QJsonValue& d : json[QStringLiteral("differences")].toArray()) {
        const QJsonObject o = d.toObject();
        if (o[QStringLiteral("row")].toString() != QStringLiteral("3-1-0 MPN")) continue;
        found = true;
        EXPECT_EQ(o[QStringLiteral("expected")].toString(), QStringLiteral("47"));
        EXPECT_EQ(o[QStringLiteral("computed")].toString(), QStringLiteral("43"));
        EXPECT_FALSE(o[QStringLiteral("explained")].toBool());
    }
    EXPECT_TRUE(found) << run.out.constData();

    // The summary says so too, and an unreadable copy is a usage error.
    const testing::CliRun summary =
        Validate({}, {QStringLiteral("TUBEWISE_VALIDATE_TABLE=") + table});
    EXPECT_EQ(summary.exitCode, 1);
    EXPECT_TRUE(summary.out.contains("NOT validated"));
    EXPECT_EQ(
        Validate({}, {QStringLiteral("TUBEWISE_VALIDATE_TABLE=/nonexistent/table.csv")}).exitCode,
        64);
    EXPECT_EQ(Validate({QStringLiteral("--bogus")}).exitCode, 64);
}

TEST(ValidateCli, VersionNamesTheSourceRevision) {
    const testing::CliRun run = testing::RunCli(
        QStringLiteral(TUBEWISE_CLI), {QStringLiteral("--version")}, QStringLiteral("C.UTF-8"));
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(QString::fromUtf8(run.out).contains(QRegularExpression(
        QStringLiteral("^tubewise-cli \\d+\\.\\d+\\.\\d+ \\(revision \\S+\\)\n$"))))
        << run.out.constData();
}

#ifdef TUBEWISE_CLI_CHART
TEST(ValidateCli, TheRecordCarriesTheBuildTheFiguresAndTheSignatureLines) {
    if (!testing::HavePoppler()) GTEST_SKIP() << "poppler-utils not installed";
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("record.pdf"));
    const testing::CliRun run = testing::RunCliWithoutDisplay(
        QStringLiteral(TUBEWISE_CLI), {QStringLiteral("validate"), QStringLiteral("--lang"),
                                       QStringLiteral("en"), QStringLiteral("--report"), pdf});
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    const QString text = testing::PdfText(pdf);
    for (const char* expected :
         {"Source revision", "Compiler", "Qt version", "Build date", "Operating system",
          "Checked at", "FDA BAM Appendix 2, Table 1 (3 tubes)", "Differences",
          "the manual's own method", "Analyst", "Signature"})
        EXPECT_TRUE(text.contains(testing::Normalised(QLatin1String(expected)))) << expected;
    const QJsonObject json = Validate({QStringLiteral("--json")}).json();
    const QString tally = QStringLiteral("%1/%2")
                              .arg(json[QStringLiteral("agreed")].toInt())
                              .arg(json[QStringLiteral("checked")].toInt());
    EXPECT_TRUE(text.contains(tally)) << tally.toStdString();

    // Persian by default, as every text of the program.
    const QString persian = dir.filePath(QStringLiteral("record-fa.pdf"));
    ASSERT_EQ(testing::RunCliWithoutDisplay(
                  QStringLiteral(TUBEWISE_CLI),
                  {QStringLiteral("validate"), QStringLiteral("--report"), persian})
                  .exitCode,
              0);
    EXPECT_TRUE(
        testing::PdfText(persian).contains(testing::Normalised(QStringLiteral("بازبيني منبع"))));

    // A record that cannot be written: 73.
    EXPECT_EQ(testing::RunCliWithoutDisplay(QStringLiteral(TUBEWISE_CLI),
                                            {QStringLiteral("validate"), QStringLiteral("--report"),
                                             dir.filePath(QStringLiteral("missing/record.pdf"))})
                  .exitCode,
              73);
}
#endif

}  // namespace
}  // namespace tubewise
