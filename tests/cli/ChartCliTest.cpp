// The chart in tubewise-cli: the JSON object and the picture written without a display.
#include <gtest/gtest.h>

#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

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
