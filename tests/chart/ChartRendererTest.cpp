// Qt Charts rendering of chart descriptions, the 800 x 400 picture and its GIF file.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QTemporaryDir>
#include <QtCharts/QBarCategoryAxis>
#include <QtCharts/QBarSeries>
#include <QtCharts/QBarSet>
#include <QtCharts/QChart>
#include <QtCharts/QLegend>
#include <QtCharts/QValueAxis>
#include <csignal>

#include "chart/ChartExport.h"
#include "chart/ChartRenderer.h"
#include "core/NumberText.h"
#include "tests/chart/ChartFixtures.h"

namespace tubewise {
namespace {

using testing::Example530;
using testing::FailedValidation;

ChartDescription Drawn(const Calculation& calc) {
    return DescribeProbabilityChart(&calc);
}

bool HasColour(const QImage& image, QRgb colour) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if ((image.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF)) return true;
        }
    }
    return false;
}

template <class Axis>
Axis* OnlyAxis(QChart& chart, Qt::Orientation orientation) {
    const auto axes = chart.axes(orientation);
    if (axes.size() != 1) return nullptr;
    return qobject_cast<Axis*>(axes.first());
}

TEST(ChartRenderer, CompleteChartHasColumnsTitlesAndFormats) {
    const auto chart = RenderChart(Drawn(Example530()));

    ASSERT_EQ(chart->series().size(), 1);
    auto* series = qobject_cast<QBarSeries*>(chart->series().first());
    ASSERT_NE(series, nullptr);
    ASSERT_EQ(series->barSets().size(), 1);
    QBarSet* set = series->barSets().first();
    EXPECT_EQ(set->count(), 50);
    EXPECT_EQ(set->color(), QColor(128, 255, 128));
    EXPECT_DOUBLE_EQ(set->at(3), 2.26e-2);
    EXPECT_EQ(chart->plotAreaBackgroundBrush().color(), QColor(192, 255, 255));
    EXPECT_TRUE(chart->isPlotAreaBackgroundVisible());
    EXPECT_FALSE(chart->legend()->isVisible());

    EXPECT_TRUE(chart->title().startsWith(QStringLiteral("(MPN = 79.2)")));
    EXPECT_EQ(chart->titleBrush().color(), QColor(0, 0, 192));
    EXPECT_TRUE(chart->titleFont().bold());
    EXPECT_EQ(chart->titleFont().pointSizeF(), 12);

    auto* categories = OnlyAxis<QBarCategoryAxis>(*chart, Qt::Horizontal);
    ASSERT_NE(categories, nullptr);
    ASSERT_EQ(categories->count(), 50);
    EXPECT_EQ(categories->at(0), QStringLiteral("0.2"));
    EXPECT_EQ(categories->at(49), QStringLiteral("10"));
    EXPECT_FALSE(categories->truncateLabels());
    EXPECT_EQ(categories->labelsFont().pointSizeF(), 5);
    EXPECT_EQ(categories->titleText(), QStringLiteral("Coliform Density , Number/mL"));

    auto* values = OnlyAxis<QValueAxis>(*chart, Qt::Vertical);
    ASSERT_NE(values, nullptr);
    EXPECT_EQ(values->labelFormat(), QStringLiteral("%.2E"));
    EXPECT_EQ(values->labelsFont().pointSizeF(), 6);
    EXPECT_EQ(values->titleText(), QStringLiteral("Probability"));
    EXPECT_TRUE(values->titleFont().bold());
    EXPECT_EQ(values->titleFont().pointSizeF(), 10);
    EXPECT_EQ(values->titleBrush().color(), QColor(Qt::black));
    EXPECT_TRUE(values->isGridLineVisible());
    EXPECT_GE(values->max(), 2.26e-2);  // the tallest column fits
}

// Qt Charts cannot show a value range below 1e-12; such curves must still show columns
// whose tick labels give the true probabilities.
TEST(ChartRenderer, TinyCurveStillShowsItsColumns) {
    for (double tiny : {1e-20, 1e-200, 1e-310}) {
        ChartDescription d = Drawn(Example530());
        for (double& p : d.probabilities) p *= tiny;  // tallest column 2.26e-2 * tiny
        const auto chart = RenderChart(d);
        auto* values = OnlyAxis<QValueAxis>(*chart, Qt::Vertical);
        ASSERT_NE(values, nullptr);
        auto* series = qobject_cast<QBarSeries*>(chart->series().first());
        const double tallest = series->barSets().first()->at(3);
        EXPECT_GT(tallest, 0.5 * values->max()) << tiny;
        EXPECT_LE(tallest, values->max()) << tiny;
        const QString label =
            QString::asprintf(values->labelFormat().toLatin1().constData(), tallest);
        EXPECT_NEAR(label.toDouble() / (2.26e-2 * tiny), 1.0, 1e-2) << label.toStdString();
    }
}

TEST(ChartRenderer, EmptyChartKeepsOnlyItsColours) {
    const auto chart = RenderChart(Drawn(FailedValidation()));
    EXPECT_EQ(chart->plotAreaBackgroundBrush().color(), QColor(192, 255, 255));
    ASSERT_EQ(chart->series().size(), 1);
    auto* series = qobject_cast<QBarSeries*>(chart->series().first());
    ASSERT_EQ(series->barSets().size(), 1);
    EXPECT_EQ(series->barSets().first()->count(), 0);
    EXPECT_EQ(series->barSets().first()->color(), QColor(128, 255, 128));
    EXPECT_TRUE(chart->title().isEmpty());
    EXPECT_TRUE(chart->axes().isEmpty());
}

TEST(ChartFonts, NearestFacesCanShowTheirTexts) {
    const ChartDescription d;
    const QFont title = NearestFont(d.titleFont);
    EXPECT_EQ(QFontInfo(title).family(), QStringLiteral("Titr"));
    // Without an Arabic-script face the Persian title would be drawn as empty boxes.
    const QFontMetrics metrics(title);
    for (char32_t letter : {U'\u062A', U'\u067E', U'\u0622', U'\u064A', U'\u0634'}) {
        EXPECT_TRUE(metrics.inFontUcs4(letter)) << std::hex << static_cast<unsigned>(letter);
    }
    EXPECT_EQ(QFontInfo(NearestFont(d.axisTitleFont)).family(), QStringLiteral("Liberation Serif"));
}

// --- The picture ---------------------------------------------------------------------------

TEST(ChartPicture, IsEightHundredByFourHundredWithTheChartColours) {
    const QImage picture = RenderChartPicture(Drawn(Example530()));
    EXPECT_EQ(picture.size(), QSize(800, 400));
    EXPECT_EQ(picture.devicePixelRatio(), 1.0);
    EXPECT_TRUE(HasColour(picture, qRgb(192, 255, 255)));
    EXPECT_TRUE(HasColour(picture, qRgb(128, 255, 128)));
    EXPECT_TRUE(HasColour(picture, qRgb(255, 255, 255)));
}

bool Dark(QRgb pixel) {
    return qGray(pixel) <= 48;
}

// The density label under category `index` of `count`, cut to the bounding box of its dark
// pixels; the plot area is the picture's light cyan.
QImage DensityLabel(const QImage& picture, int index, int count) {
    QRect plot;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if ((picture.pixel(x, y) & 0xFFFFFF) == 0xC0FFFF) plot |= QRect(x, y, 1, 1);
    const int left = plot.left() + plot.width() * index / count;
    const int right = plot.left() + plot.width() * (index + 1) / count;
    QRect ink;
    for (int y = plot.bottom() + 1; y < std::min(picture.height(), plot.bottom() + 40); ++y)
        for (int x = left; x < right; ++x)
            if (Dark(picture.pixel(x, y))) ink |= QRect(x, y, 1, 1);
    return ink.isEmpty() ? QImage() : picture.copy(ink);
}

int DarkPixels(const QImage& image) {
    int dark = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) dark += Dark(image.pixel(x, y));
    return dark;
}

// Pixels dark in one label and not in the other, the two laid over each other at their
// top-left corners.
int PixelsApart(const QImage& a, const QImage& b) {
    auto dark = [](const QImage& image, int x, int y) {
        return image.valid(x, y) && Dark(image.pixel(x, y));
    };
    int apart = 0;
    for (int y = 0; y < std::max(a.height(), b.height()); ++y)
        for (int x = 0; x < std::max(a.width(), b.width()); ++x)
            apart += dark(a, x, y) != dark(b, x, y);
    return apart;
}

// The labels of neighbouring densities that differ in one digit can be told apart in the
// picture as it is: drawn near black, and apart in more than a stray pixel or two.
TEST(ChartPicture, NeighbouringDensityLabelsAreDarkAndDistinct) {
    const ChartDescription d = Drawn(Example530());
    ASSERT_EQ(d.densities.size(), 50u);
    const QImage picture = RenderChartPicture(d);
    const struct {
        int index;
        const char* label;
    } pairs[][2] = {{{2, "0.6"}, {3, "0.8"}}, {{7, "1.6"}, {8, "1.8"}}};
    for (const auto& pair : pairs) {
        SCOPED_TRACE(std::string(pair[0].label) + " and " + pair[1].label);
        QImage labels[2];
        for (int i = 0; i < 2; ++i) {
            ASSERT_EQ(FormatGeneral(d.densities[pair[i].index], NumberLocale{}), pair[i].label);
            labels[i] = DensityLabel(picture, pair[i].index, 50);
            EXPECT_GE(DarkPixels(labels[i]), 15) << pair[i].label;
        }
        EXPECT_GE(PixelsApart(labels[0], labels[1]), 4);
    }
}

class ChartFile : public ::testing::Test {
  protected:
    QString PathOf(const QString& name) const { return dir_.filePath(name); }
    QTemporaryDir dir_;
};

TEST_F(ChartFile, SavedGifIsEightHundredByFourHundredWithExactColours) {
    const QString path = PathOf("curve");  // written to the literal path, nothing appended
    QString reason;
    ASSERT_TRUE(SaveChartGif(Drawn(Example530()), path, &reason)) << reason.toStdString();
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.peek(6) == "GIF89a");
    const QImage back = QImage(path, "GIF").convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(back.size(), QSize(800, 400));
    EXPECT_TRUE(HasColour(back, qRgb(192, 255, 255)));
    EXPECT_TRUE(HasColour(back, qRgb(128, 255, 128)));
    EXPECT_TRUE(HasColour(back, qRgb(255, 255, 255)));
    EXPECT_TRUE(HasColour(back, qRgb(0, 0, 0)));
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files), QStringList{"curve"});
}

TEST_F(ChartFile, ExistingFileIsReplaced) {
    const QString path = PathOf("old.GIF");
    {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("not a picture");
    }
    ASSERT_TRUE(SaveChartGif(Drawn(Example530()), path));
    EXPECT_EQ(QImage(path, "GIF").size(), QSize(800, 400));
}

TEST_F(ChartFile, MissingFolderFailsWithTheSystemsReason) {
    QString reason;
    EXPECT_FALSE(SaveChartGif(Drawn(Example530()), PathOf("no/such/folder/curve.GIF"), &reason));
    EXPECT_FALSE(reason.isEmpty());
}

// A full disk, emulated by a file size limit (works for any user, root included).
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        previous_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = saved_;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previous_);
    }

  private:
    rlimit saved_{};
    void (*previous_)(int) = nullptr;
};

TEST_F(ChartFile, FailedWriteKeepsTheOldPicture) {
    const QString path = PathOf("kept.GIF");
    const QByteArray old = "an old picture";
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(old);
    }
    QString reason;
    bool saved = true;
    {
        FileSizeLimit full(512);
        saved = SaveChartGif(Drawn(Example530()), path, &reason);
    }
    EXPECT_FALSE(saved);
    EXPECT_FALSE(reason.isEmpty());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), old);
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files), QStringList{"kept.GIF"});
}

}  // namespace
}  // namespace tubewise
