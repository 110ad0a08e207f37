// Draws a tray's likelihood chart (trays/TrayChart.h) into a picture: the density on a log
// axis, the relative likelihood on a linear one, the estimate and its limits marked.
#pragma once

#include <QImage>
#include <QSize>

#include "chart/ChartRenderer.h"
#include "trays/TrayChart.h"

namespace tubewise {

// The picture at device pixel ratio 1, the tube chart's size by default. Needs a
// QGuiApplication (fonts). A description without a curve gives the empty plot area.
QImage RenderTrayChartPicture(const trays::TrayChartDescription& description,
                              QSize size = kChartPictureSize);

}  // namespace tubewise
