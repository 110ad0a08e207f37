// The chart in tubewise-cli: the JSON object and the picture written without a display.
#include <gtest/gtest.h>

#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <algorithm>
#include <utility>

#include "cli/ChartSection.h"
#include "tests/chart/ChartFixtures.h"
#include "tests/support/CliProcess.h"

namespace tubewise {
namespace {

const QString kPersianTail = QStringLiteral(" توزيع پوآسون براي نمونه آناليز شده ");

QJsonObject JsonOf(const Calculation* calc) {
    return cli::ChartJson(DescribeProbabilityChart(calc));
}

QJsonObject JsonOf(const Calculation& calc) {
    return JsonOf(&calc);
}

TEST(ChartJson, CompleteChart) {
    const QJsonObject chart = JsonOf(testing::Example530());
    ASSERT_EQ(chart["densities"].toArray().size(), 50);
    EXPECT_EQ(chart["densities"][0].toDouble(), 0.2);
    EXPECT_EQ(chart["densities"][49].toDouble(), 10.0);
    EXPECT_EQ(chart["probabilities"][3].toDouble(), 2.26e-2);
    EXPECT_EQ(chart["scaled"], QJsonValue(false));
    EXPECT_TRUE(chart["scale_factor"].isNull());
    EXPECT_EQ(chart["title"].toString(), QStringLiteral("(MPN = 79.2)") + kPersianTail);
    EXPECT_EQ(chart["value_axis_title"].toString(), QStringLiteral("Probability"));
    EXPECT_EQ(chart["category_axis_title"].toString(),
              QStringLiteral("Coliform Density , Number/mL"));
}

TEST(ChartJson, ScaledChartNamesItsFactor) {
    Calculation state = testing::Example530();
    testing::EditCurve(state).likelihood[50] = 2e-60;
    const QJsonObject chart = JsonOf(state);
    EXPECT_EQ(chart["scaled"], QJsonValue(true));
    EXPECT_EQ(chart["scale_factor"].toDouble(), 1e50 / 2e-60);
    EXPECT_EQ(chart["probabilities"][3].toDouble(), 2.26e-2 * (1e50 / 2e-60));
}

TEST(ChartJson, WhatTheDrawingDidNotReachIsNull) {
    const QJsonObject empty = JsonOf(testing::FailedValidation());
    EXPECT_EQ(empty["densities"].toArray().size(), 50);  // built, then the drawing stopped
    EXPECT_TRUE(empty["title"].isNull());
    EXPECT_TRUE(empty["value_axis_title"].isNull());
    EXPECT_TRUE(empty["category_axis_title"].isNull());

    const QJsonObject none = JsonOf(nullptr);
    EXPECT_TRUE(none["densities"].isNull());
    EXPECT_TRUE(none["probabilities"].isNull());
    EXPECT_EQ(none["scaled"], QJsonValue(false));
}

// --- The program ---------------------------------------------------------------------------

class ChartCli : public ::testing::Test {
  protected:
    // Runs tubewise-cli with no display at all.
    int Run(const QStringList& arguments) {
        const testing::CliRun run =
            testing::RunCliWithoutDisplay(QStringLiteral(TUBEWISE_CLI), arguments);
        out_ = run.out;
        err_ = run.err;
        return run.crashed ? -1 : run.exitCode;
    }

    QTemporaryDir dir_;
    QByteArray out_, err_;
};

TEST_F(ChartCli, WritesThePictureToTheLiteralPathWithoutADisplay) {
    const QString path = dir_.filePath("picture");
    ASSERT_EQ(Run({"--chart", path, "--json", "10:5:0", "1:3:2", "0.1:0:5"}), 0) << err_.data();
    const QImage picture = QImage(path, "GIF").convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(picture.size(), QSize(800, 400));
    EXPECT_FALSE(QFile::exists(path + ".GIF"));
    const QJsonObject chart = QJsonDocument::fromJson(out_).object()["chart"].toObject();
    EXPECT_EQ(chart["title"].toString(), QStringLiteral("(MPN = 79.2)") + kPersianTail);
}

TEST_F(ChartCli, UnwritablePictureFailsWithItsReason) {
    const QString path = dir_.filePath("missing/picture.gif");
    EXPECT_EQ(Run({"--chart", path, "10:5:0", "1:3:2", "0.1:0:5"}), 73);
    EXPECT_TRUE(QString::fromUtf8(err_).contains(path)) << err_.data();
}

}  // namespace
}  // namespace tubewise

namespace tubewise {
namespace {

// The green of the tray chart's curve, as the GIF palette keeps it (near enough).
bool CurvePixel(QRgb c) {
    return qGreen(c) > 90 && qGreen(c) < 170 && qRed(c) < 60 && qBlue(c) < 60;
}

// The highest curve pixel (smallest y) in the leftmost and rightmost tenth of the picture.
std::pair<int, int> CurveTopAtTheEnds(const QImage& image) {
    int left = image.height();
    int right = image.height();
    for (int x = 0; x < image.width(); ++x) {
        for (int y = 0; y < image.height(); ++y) {
            if (!CurvePixel(image.pixel(x, y))) continue;
            if (x < image.width() / 10) left = std::min(left, y);
            if (x > image.width() * 9 / 10) right = std::min(right, y);
            break;
        }
    }
    return {left, right};
}

// A tray's chart: a log-density picture of the tube chart's size, its curve rising towards
// the side where the likelihood keeps its supremum.
TEST(TrayChartCli, PictureOfTheLikelihoodCurve) {
    QTemporaryDir dir;
    struct Case {
        const char* tray;
        int shape;  // -1 highest at the left (no well positive), +1 at the right, 0 a peak inside
    };
    const Case cases[] = {{"97:0:0", -1}, {"97:49:48", 1}, {"97:25:10", 0}};
    for (const Case& c : cases) {
        const QString path = dir.filePath(QStringLiteral("tray.gif"));
        const testing::CliRun run = testing::RunCli(
            QStringLiteral(TUBEWISE_CLI),
            {QStringLiteral("--tray"), QLatin1String(c.tray), QStringLiteral("--chart"), path},
            QStringLiteral("C.UTF-8"));
        ASSERT_EQ(run.exitCode, 0) << c.tray << run.err.toStdString();
        EXPECT_TRUE(run.out.contains("MPN per 100 mL:")) << c.tray;
        const QImage image(path);
        ASSERT_EQ(image.size(), QSize(800, 400)) << c.tray;
        const auto [left, right] = CurveTopAtTheEnds(image);
        ASSERT_LT(std::min(left, right), image.height()) << c.tray << ": no curve drawn";
        if (c.shape < 0) {
            EXPECT_LT(left + 50, right) << c.tray;
        }
        if (c.shape > 0) {
            EXPECT_LT(right + 50, left) << c.tray;
        }
        if (c.shape == 0) {
            // Both ends fall well below the peak, which reaches near the top of the plot.
            int top = image.height();
            for (int x = 0; x < image.width(); ++x)
                for (int y = 0; y < image.height(); ++y)
                    if (CurvePixel(image.pixel(x, y))) top = std::min(top, y);
            EXPECT_LT(top + 100, std::min(left, right)) << c.tray;
        }
    }
    // "-": the picture alone on standard output.
    const testing::CliRun out = testing::RunCli(QStringLiteral(TUBEWISE_CLI),
                                                {QStringLiteral("--tray"), QStringLiteral("51:25"),
                                                 QStringLiteral("--chart"), QStringLiteral("-")},
                                                QStringLiteral("C.UTF-8"));
    EXPECT_EQ(out.exitCode, 0);
    EXPECT_TRUE(out.out.startsWith("GIF89a"));
    EXPECT_EQ(QImage::fromData(out.out).size(), QSize(800, 400));
}

}  // namespace
}  // namespace tubewise
