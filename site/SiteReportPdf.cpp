// The site report's page, drawn by the sample report's page with the site chart's picture.
#include "site/SiteReportPdf.h"

#include "results/ReportPdf.h"
#include "shell/SaveWhole.h"
#include "site/SiteChartRenderer.h"

namespace tubewise::site {

QByteArray RenderSiteReportPdf(const SampleReport& report, const SiteChartDescription& chart) {
    return RenderReportPdf(report, RenderSiteChartPicture(chart));
}

bool SaveSiteReportPdf(const SampleReport& report, const SiteChartDescription& chart,
                       const QString& path, QString* reason) {
    return SaveWhole(path, RenderSiteReportPdf(report, chart), reason);
}

}  // namespace tubewise::site
