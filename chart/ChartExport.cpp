// GIF picture files of the chart, written atomically.
#include "chart/ChartExport.h"

#include "chart/ChartRenderer.h"
#include "chart/GifWriter.h"
#include "shell/SaveWhole.h"

namespace tubewise {

bool SaveChartGif(const ChartDescription& description, const QString& path, QString* reason) {
    QString error;
    const QByteArray gif = EncodeGif(RenderChartPicture(description, kChartPictureSize), &error);
    if (gif.isEmpty()) {
        if (reason) *reason = error;
        return false;
    }
    return SaveWhole(path, gif, reason);
}

}  // namespace tubewise
