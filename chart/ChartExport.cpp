// GIF picture files of the chart, written atomically.
#include "chart/ChartExport.h"

#include <QSaveFile>

#include "chart/ChartRenderer.h"
#include "chart/GifWriter.h"

namespace tubewise {

bool SaveChartGif(const ChartDescription& description, const QString& path, QString* reason) {
    const QImage picture = RenderChartPicture(description, kChartPictureSize);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (reason) *reason = file.errorString();
        return false;
    }
    QString error;
    if (!WriteGif(picture, file, &error)) {
        if (reason) *reason = file.error() != QFileDevice::NoError ? file.errorString() : error;
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        if (reason) *reason = file.errorString();
        return false;
    }
    return true;
}

}  // namespace tubewise
