// Qt Charts rendering of the probability chart and its fixed-size picture.
#include "chart/ChartRenderer.h"

#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QPainter>
#include <QtCharts/QBarCategoryAxis>
#include <QtCharts/QBarSeries>
#include <QtCharts/QBarSet>
#include <QtCharts/QChart>
#include <QtCharts/QLegend>
#include <QtCharts/QValueAxis>
#include <algorithm>
#include <cmath>

#include "core/NumberText.h"
#include "shell/Fonts.h"
#include "shell/QtColour.h"

namespace tubewise {

namespace {

constexpr qreal kColumnWidth = 0.4;         // gap width 150 % of a column
constexpr int kDotsPerMeter96Dpi = 3780;    // picture fonts sized as on a 96 dpi screen
constexpr double kSmallestPlainTop = 1e-9;  // tallest column plotted as it is

// At 5 and 6 pt a digit is five pixels tall. Smoothed, and turned on the category axis, a 6
// blurs into an 8; drawn in whole pixels without hinting, the decimal point drops out. Whole
// pixels on the hinting grid keep both. Of the faces the program can count on, DejaVu Sans
// Mono has the widest and most distinct digits at this size.
QFont TickFont(double pointSize) {
    QFont font;
    font.setFamilies({QStringLiteral("DejaVu Sans Mono")});
    font.setPointSizeF(pointSize);
    font.setHintingPreference(QFont::PreferFullHinting);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

void ApplyTitleFont(QAbstractAxis& axis, const ChartFont& font) {
    axis.setTitleFont(NearestFont(font));
    axis.setTitleBrush(ToQColor(font.colour));
}

}  // namespace

QFont NearestFont(const ChartFont& chartFont) {
    return ResolveFont(chartFont.face, chartFont.pointSize, chartFont.bold);
}

std::unique_ptr<QChart> RenderChart(const ChartDescription& d) {
    auto chart = std::make_unique<QChart>();
    chart->legend()->hide();
    chart->setBackgroundRoundness(0);
    chart->setAnimationOptions(QChart::NoAnimation);
    if (!d.has(ChartStep::PlotAreaFilled)) return chart;

    chart->setPlotAreaBackgroundBrush(ToQColor(d.plotAreaColour));
    chart->setPlotAreaBackgroundVisible(true);
    if (!d.has(ChartStep::SeriesAdded)) return chart;

    auto* series = new QBarSeries;
    series->setBarWidth(kColumnWidth);
    auto* set = new QBarSet(QString());
    set->setColor(ToQColor(d.seriesColour));
    set->setBorderColor(Qt::black);
    series->append(set);
    chart->addSeries(series);

    if (d.has(ChartStep::TitleFormatted)) {
        chart->setTitleFont(NearestFont(d.titleFont));
        chart->setTitleBrush(ToQColor(d.titleFont.colour));
    }
    if (d.has(ChartStep::TitleCaptioned)) chart->setTitle(QString::fromStdString(d.title));
    if (!d.has(ChartStep::DataShown)) return chart;

    auto* categories = new QBarCategoryAxis;
    for (double density : d.densities) {
        categories->append(QString::fromStdString(FormatGeneral(density, NumberLocale{})));
    }
    const double top = d.probabilities.empty()
                           ? 0.0
                           : *std::max_element(d.probabilities.begin(), d.probabilities.end());
    // Qt Charts takes a value range below 1e-12 for an empty one and draws no columns, so a
    // tiny curve is plotted in units of a power of ten that the tick labels name.
    int exponent = 0;
    QString labelFormat = QStringLiteral("%.2E");
    if (top > 0 && top < kSmallestPlainTop) {
        exponent = static_cast<int>(std::floor(std::log10(top)));
        labelFormat = QStringLiteral("%.2fE%1").arg(exponent);
    }
    // 10^exponent itself underflows below 1e-307: divide in two steps there.
    auto plotted = [exponent](double p) {
        return exponent < -300 ? (p * 1e300) / std::pow(10.0, exponent + 300)
                               : p / std::pow(10.0, exponent);
    };
    for (double p : d.probabilities) set->append(plotted(p));
    auto* values = new QValueAxis;
    values->setRange(0, top > 0 ? plotted(top) : 1);
    values->applyNiceNumbers();
    values->setGridLineVisible(true);
    categories->setGridLineVisible(false);
    // The theme's label grey turns pale in letters this small.
    categories->setLabelsBrush(Qt::black);
    values->setLabelsBrush(Qt::black);
    categories->setLabelsAngle(-90);
    categories->setTruncateLabels(false);
    chart->addAxis(categories, Qt::AlignBottom);
    chart->addAxis(values, Qt::AlignLeft);
    series->attachAxis(categories);
    series->attachAxis(values);

    if (d.has(ChartStep::ValueAxisFormatted)) {
        values->setLabelFormat(labelFormat);
        ApplyTitleFont(*values, d.axisTitleFont);
        values->setLabelsFont(TickFont(d.valueTickPointSize));
    }
    if (d.has(ChartStep::ValueAxisCaptioned)) {
        values->setTitleText(QString::fromStdString(d.valueAxisTitle));
    }
    if (d.has(ChartStep::CategoryAxisDone)) {
        ApplyTitleFont(*categories, d.axisTitleFont);
        categories->setTitleText(QString::fromStdString(d.categoryAxisTitle));
        categories->setLabelsFont(TickFont(d.categoryTickPointSize));
    }
    return chart;
}

QImage RenderChartPicture(const ChartDescription& description, QSize size) {
    return RenderPicture(RenderChart(description), size);
}

QImage RenderPicture(std::unique_ptr<QChart> owned, QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.setDevicePixelRatio(1);
    image.setDotsPerMeterX(kDotsPerMeter96Dpi);
    image.setDotsPerMeterY(kDotsPerMeter96Dpi);
    image.fill(Qt::white);

    QGraphicsScene scene;
    QChart* chart = owned.release();
    scene.addItem(chart);  // the scene owns it from here
    const QRectF area(QPointF(0, 0), QSizeF(size));
    scene.setSceneRect(area);
    chart->setGeometry(area);
    if (chart->layout()) chart->layout()->activate();

    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    scene.render(&painter, area, area);
    painter.end();
    return image;
}

}  // namespace tubewise
