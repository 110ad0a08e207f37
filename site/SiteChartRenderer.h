// Draws the site chart's description with Qt Charts, on screen or into a picture.
#pragma once

#include <QImage>
#include <QSize>
#include <memory>

#include "site/SiteChart.h"

QT_BEGIN_NAMESPACE
class QChart;
QT_END_NAMESPACE

namespace tubewise::site {

inline constexpr QSize kSiteChartPictureSize{1000, 500};

// A new chart: the samples as markers (one series per kind) on a base-10 log axis against the
// date, the limit and the rolling geometric mean as lines, a legend naming each.
std::unique_ptr<QChart> RenderSiteChart(const SiteChartDescription& description);

// The chart drawn into an image of `size` pixels at device pixel ratio 1. Needs a
// QApplication.
QImage RenderSiteChartPicture(const SiteChartDescription& description,
                              QSize size = kSiteChartPictureSize);

}  // namespace tubewise::site
