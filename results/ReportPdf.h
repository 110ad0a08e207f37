// The report of one sample as a one-page A4 PDF, drawn with Qt's own PDF writer.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include "chart/ChartDescription.h"
#include "results/SampleReport.h"

namespace tubewise {

// The page: title, header, series table, the sections with their captions at the right and
// figures beside them, and the chart picture. Persian is shaped and laid out as the windows lay
// it out. Needs a QApplication (the chart picture).
QByteArray RenderReportPdf(const SampleReport& report, const ChartDescription& chart);
// The same page with a picture of its own under the chart's heading, drawn at the chart's width
// at its own proportions: the site report's chart, a tray's likelihood chart.
QByteArray RenderReportPdf(const SampleReport& report, const QImage& chartPicture);

// Writes the page to exactly `path`: to a temporary file beside it that is renamed over it
// only once complete, so a failed save leaves an existing file untouched. On failure returns
// false with the system's reason in `reason`.
bool SaveReportPdf(const SampleReport& report, const ChartDescription& chart, const QString& path,
                   QString* reason = nullptr);
bool SaveReportPdf(const SampleReport& report, const QImage& chartPicture, const QString& path,
                   QString* reason = nullptr);

}  // namespace tubewise
