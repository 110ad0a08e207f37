// The tray chart drawn with QPainter: Qt Charts' category axis of the tube chart has no log
// scale, and a tray's curve spans decades.
#include "chart/TrayChartRenderer.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace tubewise {

namespace {

QColor ToQColor(const Colour& c) {
    return QColor(c.red, c.green, c.blue);
}

// Tick labels: plain figures, never the exponent form, whatever the dilution factor.
QString TickText(double value) {
    return value >= 1 ? QString::number(value, 'f', 0) : QString::number(value, 'g', 7);
}

}  // namespace

QImage RenderTrayChartPicture(const trays::TrayChartDescription& d, QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const ChartDescription look;  // the tube chart's colours and fonts
    const QRectF plot(75, 45, size.width() - 75 - 25, size.height() - 45 - 65);
    p.fillRect(plot, ToQColor(look.plotAreaColour));
    p.setPen(QPen(Qt::black, 1));
    p.drawRect(plot);

    QFont titleFont = NearestFont(look.titleFont);
    p.setFont(titleFont);
    p.setPen(ToQColor(look.titleFont.colour));
    p.drawText(QRectF(0, 5, size.width(), 35), Qt::AlignCenter, QString::fromStdString(d.title));
    if (d.curve.size() < 2) return image;

    const double logFrom = std::log10(d.curve.front().densityPer100Ml);
    const double logTo = std::log10(d.curve.back().densityPer100Ml);
    const auto x = [&](double density) {
        return plot.left() + (std::log10(density) - logFrom) / (logTo - logFrom) * plot.width();
    };
    const auto y = [&](double relative) { return plot.bottom() - relative * plot.height(); };

    QFont tickFont = NearestFont(look.axisTitleFont);
    tickFont.setBold(false);
    tickFont.setPointSizeF(8);
    p.setFont(tickFont);
    // Decades, and 2 and 5 within them when the range spans few decades.
    const bool fine = logTo - logFrom < 4;
    for (int decade = static_cast<int>(std::floor(logFrom)); decade <= std::ceil(logTo); ++decade) {
        for (const double step : {1.0, 2.0, 5.0}) {
            if (step != 1 && !fine) continue;
            const double value = step * std::pow(10.0, decade);
            const double at = std::log10(value);
            if (at < logFrom - 1e-9 || at > logTo + 1e-9) continue;
            const double px = x(value);
            p.setPen(QPen(QColor(160, 200, 200), 1, step == 1 ? Qt::SolidLine : Qt::DotLine));
            p.drawLine(QPointF(px, plot.top()), QPointF(px, plot.bottom()));
            p.setPen(Qt::black);
            p.drawText(QRectF(px - 40, plot.bottom() + 3, 80, 16), Qt::AlignHCenter | Qt::AlignTop,
                       TickText(value));
        }
    }
    for (int i = 0; i <= 4; ++i) {
        const double v = i / 4.0;
        p.setPen(QPen(QColor(160, 200, 200), 1));
        p.drawLine(QPointF(plot.left(), y(v)), QPointF(plot.right(), y(v)));
        p.setPen(Qt::black);
        p.drawText(QRectF(plot.left() - 45, y(v) - 8, 40, 16), Qt::AlignRight | Qt::AlignVCenter,
                   QString::number(v, 'f', 2));
    }

    // The limits dashed, the figure to report solid; an open limit is not drawn.
    const auto mark = [&](double density, Qt::PenStyle style) {
        if (!(density > 0) || !std::isfinite(density)) return;
        const double px = x(density);
        if (px < plot.left() || px > plot.right()) return;
        p.setPen(QPen(QColor(0, 0, 192), 1.5, style));
        p.drawLine(QPointF(px, plot.top()), QPointF(px, plot.bottom()));
    };
    mark(d.lowLimitPer100Ml, Qt::DashLine);
    mark(d.highLimitPer100Ml, Qt::DashLine);
    mark(d.markPer100Ml, Qt::SolidLine);

    QPainterPath curve;
    for (std::size_t i = 0; i < d.curve.size(); ++i) {
        const QPointF at(x(d.curve[i].densityPer100Ml), y(d.curve[i].relativeLikelihood));
        if (i == 0)
            curve.moveTo(at);
        else
            curve.lineTo(at);
    }
    p.setPen(QPen(QColor(0, 128, 0), 2.5));
    p.drawPath(curve);

    p.setFont(NearestFont(look.axisTitleFont));
    p.setPen(Qt::black);
    p.drawText(QRectF(plot.left(), size.height() - 40, plot.width(), 30), Qt::AlignCenter,
               QString::fromStdString(d.densityAxisTitle));
    p.save();
    p.translate(15, plot.center().y());
    p.rotate(-90);
    p.drawText(QRectF(-plot.height() / 2, -12, plot.height(), 24), Qt::AlignCenter,
               QString::fromStdString(d.valueAxisTitle));
    p.restore();
    return image;
}

}  // namespace tubewise
