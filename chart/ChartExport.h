// Writing the chart as a GIF picture file.
#pragma once

#include <QString>

#include "chart/ChartDescription.h"

namespace tubewise {

// Writes the chart, drawn at 800 x 400 pixels, as a GIF to exactly `path`. The picture goes
// to a temporary file beside the target that is renamed over it only once complete, so a
// failed save leaves an existing file untouched. On failure returns false with the system's
// reason in `reason`.
bool SaveChartGif(const ChartDescription& description, const QString& path,
                  QString* reason = nullptr);

}  // namespace tubewise
