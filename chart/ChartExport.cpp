// GIF picture files of the chart, written atomically.
#include "chart/ChartExport.h"

#include <QSaveFile>

#include "chart/ChartRenderer.h"
#include "chart/GifWriter.h"

namespace tubewise {

bool SaveChartGif(const ChartDescription& description, const QString& path, QString* reason) {
    QString error;
    const QByteArray gif = EncodeGif(RenderChartPicture(description, kChartPictureSize), &error);
    if (gif.isEmpty()) {
        if (reason) *reason = error;
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (reason) *reason = file.errorString();
        return false;
    }
    // QSaveFile::commit() does not notice a failed flush of its buffer (a full disk then
    // leaves a truncated file reported as saved), so flush and check the size first.
    const bool complete =
        file.write(gif) == gif.size() && file.flush() && file.size() == gif.size();
    if (!complete) {
        if (reason) {
            *reason = file.error() != QFileDevice::NoError ? file.errorString()
                                                           : QStringLiteral("incomplete write");
        }
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
