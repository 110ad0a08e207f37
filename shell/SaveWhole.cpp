// Atomic saving of a file's whole contents.
#include "shell/SaveWhole.h"

#include <QFileInfo>
#include <QSaveFile>

namespace tubewise {

bool SaveWhole(const QString& path, const QByteArray& bytes, QString* reason) {
    // A device, pipe or socket would be replaced by a regular file of the same name (and a pipe
    // without a reader would hold the window): only regular files are saved.
    const QFileInfo target(path);
    if (target.exists() && !target.isFile() && !target.isDir()) {
        if (reason) *reason = QStringLiteral("Not a regular file");
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (reason) *reason = file.errorString();
        return false;
    }
    // QSaveFile::commit() does not notice a failed flush of its buffer (a full disk then
    // leaves a truncated file reported as saved), so flush and check the size first.
    const bool complete = !bytes.isEmpty() && file.write(bytes) == bytes.size() && file.flush() &&
                          file.size() == bytes.size();
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
