// The curve chart painted with QPainter: a log-scaled density axis needs decade ticks that
// Qt Charts' category axis of the tube chart cannot give.
#include "chart/CurveChartRenderer.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "shell/QtColour.h"

namespace tubewise {

namespace {

QString Q(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

// A decade's label: "0.01", "1", "1000", "1e+06" beyond a million.
QString DecadeText(int exponent) {
    return exponent >= 0 && exponent <= 6 ? QString::number(std::pow(10.0, exponent), 'f', 0)
           : exponent < 0 && exponent >= -4
               ? QString::number(std::pow(10.0, exponent), 'f', -exponent)
               : QStringLiteral("1e%1").arg(exponent);
}

}  // namespace

QImage RenderCurveChart(const CurveChart& chart, QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    const QFont titleFont = NearestFont({"B titr", 12, true, {0, 0, 192}});
    const QFont axisFont = NearestFont({"Times new roman", 10, true, {0, 0, 0}});
    const QFont tickFont = NearestFont({"Times new roman", 8, false, {0, 0, 0}});
    const QRectF plot(70, 50, size.width() - 100, size.height() - 110);

    p.setFont(titleFont);
    p.setPen(QColor(0, 0, 192));
    p.drawText(QRectF(0, 8, size.width(), 36), Qt::AlignCenter, Q(chart.title));
    p.fillRect(plot, ToQColor(chart.plotAreaColour));

    const std::size_t n = std::min(chart.densities.size(), chart.heights.size());
    if (n >= 2 && chart.densities.front() > 0 && chart.densities.back() > chart.densities.front()) {
        const double low = std::log10(chart.densities.front());
        const double high = std::log10(chart.densities.back());
        auto x = [&](double density) {
            return plot.left() + (std::log10(density) - low) / (high - low) * plot.width();
        };
        auto y = [&](double height) { return plot.bottom() - height * plot.height(); };

        p.setFont(tickFont);
        for (int e = static_cast<int>(std::ceil(low)); e <= static_cast<int>(std::floor(high));
             ++e) {
            const double at = plot.left() + (e - low) / (high - low) * plot.width();
            p.setPen(QColor(160, 160, 160));
            p.drawLine(QPointF(at, plot.top()), QPointF(at, plot.bottom()));
            p.setPen(Qt::black);
            p.drawText(QRectF(at - 40, plot.bottom() + 4, 80, 16), Qt::AlignCenter, DecadeText(e));
        }
        for (int i = 0; i <= 4; ++i) {
            const double h = i / 4.0;
            p.setPen(QColor(160, 160, 160));
            p.drawLine(QPointF(plot.left(), y(h)), QPointF(plot.right(), y(h)));
            p.setPen(Qt::black);
            p.drawText(QRectF(plot.left() - 44, y(h) - 8, 38, 16),
                       Qt::AlignRight | Qt::AlignVCenter, QString::number(h, 'f', 2));
        }

        QPainterPath curve;
        curve.moveTo(x(chart.densities[0]), y(chart.heights[0]));
        for (std::size_t i = 1; i < n; ++i)
            curve.lineTo(x(chart.densities[i]), y(chart.heights[i]));
        p.setPen(QPen(ToQColor(chart.curveColour), 2));
        p.drawPath(curve);

        if (chart.marked && *chart.marked >= chart.densities.front() &&
            *chart.marked <= chart.densities.back()) {
            p.setPen(QPen(ToQColor(chart.markColour), 1.5, Qt::DashLine));
            p.drawLine(QPointF(x(*chart.marked), plot.top()),
                       QPointF(x(*chart.marked), plot.bottom()));
        }
    }
    p.setPen(Qt::black);
    p.drawRect(plot);

    p.setFont(axisFont);
    p.drawText(QRectF(0, size.height() - 36, size.width(), 30), Qt::AlignCenter,
               Q(chart.densityAxisTitle));
    p.save();
    p.translate(18, plot.center().y());
    p.rotate(-90);
    p.drawText(QRectF(-plot.height() / 2, -12, plot.height(), 24), Qt::AlignCenter,
               Q(chart.heightAxisTitle));
    p.restore();
    return image;
}

}  // namespace tubewise
