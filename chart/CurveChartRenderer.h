// Paints a curve chart (chart/CurveChart.h) into a picture: decades on the density axis,
// relative likelihood from 0 to 1 upwards.
#pragma once

#include <QImage>
#include <QSize>

#include "chart/ChartRenderer.h"
#include "chart/CurveChart.h"

namespace tubewise {

// The chart in an image of `size` pixels at device pixel ratio 1. Needs a QGuiApplication.
QImage RenderCurveChart(const CurveChart& chart, QSize size = kChartPictureSize);

}  // namespace tubewise
