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

// A tick's label, step x 10^exponent: "0.02", "5", "1000", "2e+06" beyond a million.
QString TickText(int step, int exponent) {
    const double value = step * std::pow(10.0, exponent);
    if (exponent >= 0 && exponent <= 5) return QString::number(value, 'f', 0);
    if (exponent < 0 && exponent >= -4) return QString::number(value, 'f', -exponent);
    return QString::number(value, 'g', 1);
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

        // Decades; within a narrow range also 2 and 5 times each, so that a curve spanning
        // less than two decades still has figures under it.
        const bool narrow = high - low < 2;
        p.setFont(tickFont);
        for (int e = static_cast<int>(std::floor(low)); e <= static_cast<int>(std::ceil(high));
             ++e) {
            for (const int step : {1, 2, 5}) {
                if (step != 1 && !narrow) continue;
                const double tick = step * std::pow(10.0, e);
                const double at = x(tick);
                if (at < plot.left() - 0.5 || at > plot.right() + 0.5) continue;
                p.setPen(QColor(160, 160, 160));
                p.drawLine(QPointF(at, plot.top()), QPointF(at, plot.bottom()));
                p.setPen(Qt::black);
                p.drawText(QRectF(at - 40, plot.bottom() + 4, 80, 16), Qt::AlignCenter,
                           TickText(step, e));
            }
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
