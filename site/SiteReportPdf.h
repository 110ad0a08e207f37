// The site report's PDF page: the sample report's page with the site chart as its picture.
#pragma once

#include <QByteArray>
#include <QString>

#include "results/SampleReport.h"
#include "site/SiteChart.h"

namespace tubewise::site {

// Needs a QApplication (the chart picture).
QByteArray RenderSiteReportPdf(const SampleReport& report, const SiteChartDescription& chart);

// Written whole or not at all: an existing file stays as it was when the page cannot be
// written, with the system's reason in `reason`.
bool SaveSiteReportPdf(const SampleReport& report, const SiteChartDescription& chart,
                       const QString& path, QString* reason = nullptr);

}  // namespace tubewise::site
