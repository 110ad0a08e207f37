// Turns a chart description into a Qt Charts chart, and into a picture of a fixed size.
#pragma once

#include <QFont>
#include <QImage>
#include <QSize>
#include <memory>

#include "chart/ChartDescription.h"

QT_BEGIN_NAMESPACE
class QChart;
QT_END_NAMESPACE

namespace tubewise {

// The exported picture's size in pixels, whatever the window's size or the screen's scale.
inline constexpr QSize kChartPictureSize{800, 400};

// A new chart showing exactly what the description reached: the plot area and series colours
// from the start, the title, columns and axis titles only once their steps were reached.
std::unique_ptr<QChart> RenderChart(const ChartDescription& description);

// The chart drawn into an image of `size` pixels at device pixel ratio 1 (96 dpi for fonts).
// Needs a QApplication.
QImage RenderChartPicture(const ChartDescription& description, QSize size = kChartPictureSize);

// Any chart drawn off screen into an image of `size` pixels at device pixel ratio 1, white
// behind it, fonts sized as on a 96 dpi screen: the probability chart's picture and the site
// chart's are made this one way.
QImage RenderPicture(std::unique_ptr<QChart> chart, QSize size);

// The installed face nearest to the one the chart names ("B titr" -> Titr, "Times new roman"
// -> a metric-compatible serif), at the given size and weight.
QFont NearestFont(const ChartFont& font);

}  // namespace tubewise
