// The report's PDF page read back as a person reads it: its text, its size and its chart, and
// the report's date in the two calendars.
#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "core/Calculation.h"
#include "core/Texts.h"
#include "results/ReportDate.h"
#include "results/ReportPdf.h"
#include "tests/support/PdfTools.h"

namespace tubewise {
namespace {

using namespace tubewise::testing;

const NumberLocale kPoint{"."};

class ReportPdf : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!HavePoppler()) FAIL() << "poppler-utils missing: run scripts/install-deps.sh";
        ASSERT_TRUE(dir.isValid());
    }

    // 5-5-4 at 10, 1 and 0.1 mL, as the calculate button leaves it.
    static Calculation FiveFiveFour() {
        return Calculate(Series{{{10, 5, 0}, {1, 5, 0}, {0.1, 4, 1}}});
    }

    QString Write(const Calculation& state, const ReportHeader& header) {
        const StatisticsTexts exact =
            ComposeStatisticsTexts(state, std::nullopt, StatisticsOf(state, {}), kPoint);
        const QString path = dir.filePath(QStringLiteral("report.pdf"));
        QString reason;
        EXPECT_TRUE(SaveReportPdf(ComposeSampleReport(state, exact, header, kPoint),
                                  DescribeProbabilityChart(&state), path, &reason))
            << reason.toStdString();
        return path;
    }

    QTemporaryDir dir;
};

TEST_F(ReportPdf, OneA4PageWithTheFiguresCaptionsAndSampleInReadingOrder) {
    const QString pdf =
        Write(FiveFiveFour(), {"چاه شماره 3", "Maryam Ahmadi", "1403/01/01 (2024-03-20)"});
    const QString info = PdfInfo(pdf);
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))))
        << info.toStdString();
    EXPECT_TRUE(info.contains(QStringLiteral("595 x 842 pts (A4)"))) << info.toStdString();

    const QString text = PdfText(pdf);
    // pdftotext mirrors the brackets of a left-to-right figure beside a Persian caption.
    for (const char* figure : {"1609", "16.09", "1209", "542", "4780", "594.267", "1403/01/01",
                               "2024-03-20", "MaryamAhmadi", "0.1"})
        EXPECT_TRUE(text.contains(QLatin1String(figure))) << figure << "\n" << text.toStdString();
    EXPECT_TRUE(text.contains(Normalised(QStringLiteral("چاه شماره 3")))) << text.toStdString();
    // Each caption reads in its own order, and the sections follow one another.
    qsizetype last = -1;
    for (const char* caption :
         {text::kReportTitle.source, text::kSampleCaption.source, text::kSeriesHeading.source,
          text::kGridHeading.source, text::kExactHeading.source, text::kExactPer100Ml.source,
          text::kLowerLimitPer100Ml.source, text::kRarityCaption.source,
          text::kThomasHeading.source, text::kChartHeading.source}) {
        const qsizetype at = text.indexOf(Normalised(QString::fromUtf8(caption)));
        EXPECT_GT(at, last) << caption << "\n" << text.toStdString();
        last = std::max(last, at);
    }
    // The advice sentences end in their full stop, which the windows store first.
    EXPECT_TRUE(
        text.contains(Normalised(QStringLiteral("برآورد پنجره نتايج فقط کران پايين است؛ "
                                                "برآورد دقيق را گزارش کنيد."))))
        << text.toStdString();
}

TEST_F(ReportPdf, ThePageShowsTheChartInItsColours) {
    const QImage page = PdfPage(Write(FiveFiveFour(), {}), 50);
    ASSERT_FALSE(page.isNull());
    EXPECT_NEAR(page.width(), 413, 1);  // 595 pt at 50 dpi
    EXPECT_NEAR(page.height(), 585, 1);
    // The plot area's light cyan, exact: the picture is not compressed lossily.
    EXPECT_GT(CountPixels(page, qRgb(192, 255, 255)), 2000);
    // Below the chart's top there is nothing but the chart: it lies in the page's lower part.
    EXPECT_EQ(CountPixels(page.copy(0, 0, page.width(), page.height() / 2), qRgb(192, 255, 255)),
              0);
}

TEST_F(ReportPdf, AFailedWriteReportsWhyAndLeavesNoFile) {
    const Calculation state = FiveFiveFour();
    const StatisticsTexts exact =
        ComposeStatisticsTexts(state, std::nullopt, StatisticsOf(state, {}), kPoint);
    const SampleReport report = ComposeSampleReport(state, exact, {}, kPoint);
    const QString missing = dir.filePath(QStringLiteral("no/such/folder/report.pdf"));
    QString reason;
    EXPECT_FALSE(SaveReportPdf(report, DescribeProbabilityChart(&state), missing, &reason));
    EXPECT_FALSE(reason.isEmpty());
    EXPECT_FALSE(QFile::exists(missing));

    // A folder in the way: the write fails and the folder stays.
    QDir(dir.path()).mkdir(QStringLiteral("taken.pdf"));
    EXPECT_FALSE(SaveReportPdf(report, DescribeProbabilityChart(&state),
                               dir.filePath(QStringLiteral("taken.pdf")), &reason));
    EXPECT_TRUE(QFileInfo(dir.filePath(QStringLiteral("taken.pdf"))).isDir());
}

TEST_F(ReportPdf, ReplacesAnOlderFileWhole) {
    const QString path = dir.filePath(QStringLiteral("report.pdf"));
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write(QByteArray(500000, 'x'));
    old.close();
    Write(FiveFiveFour(), {});
    QFile now(path);
    ASSERT_TRUE(now.open(QIODevice::ReadOnly));
    const QByteArray bytes = now.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_TRUE(bytes.trimmed().endsWith("%%EOF"));
    EXPECT_FALSE(bytes.contains("xxxxxxxx"));
}

TEST(ReportDate, PersianCalendarWithTheGregorianBeside) {
    EXPECT_EQ(JalaliDateText(QDate(2024, 3, 20)), QStringLiteral("1403/01/01"));  // Nowruz
    EXPECT_EQ(JalaliDateText(QDate(2025, 3, 20)), QStringLiteral("1403/12/30"));  // leap year
    const struct {
        const char* typed;
        QDate date;
    } rows[] = {
        {"1403/01/01", QDate(2024, 3, 20)},
        {" ۱۴۰۳/۰۱/۰۱ ", QDate(2024, 3, 20)},
        {"١٤٠٣/١/١", QDate(2024, 3, 20)},
        {"2024-03-20", QDate(2024, 3, 20)},
        {"1402/12/30", QDate()},  // 1402 is not a leap year
        {"1403/13/01", QDate()},
        {"2024-02-30", QDate()},
        {"1403-01/01", QDate()},
        {"yesterday", QDate()},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.typed);
        const auto parsed = ParseReportDate(QString::fromUtf8(r.typed));
        EXPECT_EQ(parsed.value_or(QDate()), r.date);
    }
    EXPECT_EQ(ReportDateText(QStringLiteral("2024-03-20")), "1403/01/01 (2024-03-20)");
    EXPECT_EQ(ReportDateText(QStringLiteral("  first shift ")), "first shift");
}

}  // namespace
}  // namespace tubewise
