// Qt Charts rendering of the site chart, and its picture drawn off screen.
#include "site/SiteChartRenderer.h"

#include "chart/ChartRenderer.h"

#include <QDateTime>
#include <QtCharts/QChart>
#include <QtCharts/QDateTimeAxis>
#include <QtCharts/QLegend>
#include <QtCharts/QLineSeries>
#include <QtCharts/QLogValueAxis>
#include <QtCharts/QScatterSeries>

#include "shell/Fonts.h"
#include "shell/QtColour.h"

namespace tubewise::site {

namespace {

constexpr qreal kMarkerSize = 9;
constexpr int kLineWidth = 2;

// The sample's clock time as the axis shows it: the same wall-clock date and time, whatever
// the machine's time zone.
qreal AxisTime(SampleTime time) {
    const auto day = std::chrono::floor<std::chrono::days>(time);
    const std::chrono::year_month_day ymd{day};
    const auto minutes = (time - day).count();
    const QDateTime local(QDate(static_cast<int>(ymd.year()), static_cast<unsigned>(ymd.month()),
                                static_cast<unsigned>(ymd.day())),
                          QTime(static_cast<int>(minutes / 60), static_cast<int>(minutes % 60)));
    return static_cast<qreal>(local.toMSecsSinceEpoch());
}

QScatterSeries* Markers(const std::vector<SiteChartPoint>& points, const std::string& caption,
                        const Colour& colour, QScatterSeries::MarkerShape shape) {
    auto* series = new QScatterSeries;
    series->setName(QString::fromStdString(caption));
    series->setMarkerShape(shape);
    series->setMarkerSize(kMarkerSize);
    series->setColor(ToQColor(colour));
    series->setBorderColor(ToQColor(colour));
    for (const SiteChartPoint& p : points) series->append(AxisTime(p.at), p.per100Ml);
    return series;
}

QLineSeries* Line(const std::string& caption, const Colour& colour) {
    auto* series = new QLineSeries;
    series->setName(QString::fromStdString(caption));
    QPen pen(ToQColor(colour));
    pen.setWidth(kLineWidth);
    series->setPen(pen);
    return series;
}

}  // namespace

std::unique_ptr<QChart> RenderSiteChart(const SiteChartDescription& d) {
    auto chart = std::make_unique<QChart>();
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->setBackgroundRoundness(0);
    chart->setTitle(QString::fromStdString(d.title));
    chart->setTitleFont(ResolveFont("Tahoma", 11, true));
    chart->legend()->setAlignment(Qt::AlignBottom);

    auto* time = new QDateTimeAxis;
    time->setFormat(QStringLiteral("yyyy-MM-dd"));
    time->setRange(QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(AxisTime(d.firstTime))),
                   QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(AxisTime(d.lastTime))));
    time->setTitleText(QString::fromStdString(d.timeAxisTitle));
    time->setLabelsAngle(-45);
    auto* values = new QLogValueAxis;
    values->setBase(10);
    values->setRange(d.axisLowPer100Ml, d.axisHighPer100Ml);
    values->setLabelFormat(QStringLiteral("%g"));
    values->setMinorTickCount(8);
    values->setTitleText(QString::fromStdString(d.valueAxisTitle));
    chart->addAxis(time, Qt::AlignBottom);
    chart->addAxis(values, Qt::AlignLeft);

    std::vector<QAbstractSeries*> all;
    if (d.limitPer100Ml) {
        QLineSeries* limit = Line(d.limitCaption, d.limitColour);
        limit->append(AxisTime(d.firstTime), *d.limitPer100Ml);
        limit->append(AxisTime(d.lastTime), *d.limitPer100Ml);
        all.push_back(limit);
    }
    if (!d.rolling.empty()) {
        QLineSeries* rolling = Line(d.rollingCaption, d.rollingColour);
        for (const RollingPoint& p : d.rolling)
            rolling->append(AxisTime(p.at), p.geometricMeanPer100Ml);
        all.push_back(rolling);
    }
    all.push_back(Markers(d.measured, d.measuredCaption, d.measuredColour,
                          QScatterSeries::MarkerShapeCircle));
    if (!d.nonDetects.empty())
        all.push_back(Markers(d.nonDetects, d.nonDetectCaption, d.nonDetectColour,
                              QScatterSeries::MarkerShapeTriangle));
    if (!d.flagged.empty())
        all.push_back(Markers(d.flagged, d.flaggedCaption, d.flaggedColour,
                              QScatterSeries::MarkerShapeRectangle));
    for (QAbstractSeries* series : all) {
        chart->addSeries(series);
        series->attachAxis(time);
        series->attachAxis(values);
    }
    return chart;
}

QImage RenderSiteChartPicture(const SiteChartDescription& description, QSize size) {
    return RenderPicture(RenderSiteChart(description), size);
}

}  // namespace tubewise::site
