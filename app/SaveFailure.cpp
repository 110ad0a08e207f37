// Diagnosis of failed saves: name, folder, read-only or full file system, permissions.
#include "app/SaveFailure.h"

#include <sys/statvfs.h>
#include <unistd.h>

#include <QDir>
#include <QFileInfo>
#include <cerrno>
#include <climits>
#include <cstring>

#include "core/Texts.h"

namespace tubewise {

namespace {

// Below this much free room a picture or a report no longer fits (they take tens of KB).
constexpr unsigned long long kTooLittleRoom = 1024 * 1024;

const text::Text* ReasonText(SaveFailure failure) {
    switch (failure) {
        case SaveFailure::NoPermission:
            return &text::kSaveNoPermission;
        case SaveFailure::ReadOnly:
            return &text::kSaveReadOnly;
        case SaveFailure::DiskFull:
            return &text::kSaveDiskFull;
        case SaveFailure::FolderMissing:
            return &text::kSaveFolderMissing;
        case SaveFailure::NameNotAllowed:
            return &text::kSaveNameNotAllowed;
        case SaveFailure::Other:
            break;
    }
    return nullptr;
}

}  // namespace

SaveFailure DiagnoseSaveFailure(const QString& path) {
    const QFileInfo target(path);
    const QByteArray name = QFile::encodeName(target.fileName());
    if (name.isEmpty() || name.size() > NAME_MAX ||
        QFile::encodeName(target.absoluteFilePath()).size() >= PATH_MAX)
        return SaveFailure::NameNotAllowed;
    const QFileInfo folder(target.absolutePath());
    if (!folder.exists() || !folder.isDir()) return SaveFailure::FolderMissing;
    const QByteArray folderPath = QFile::encodeName(folder.absoluteFilePath());
    struct statvfs fs {};
    const bool known = statvfs(folderPath.constData(), &fs) == 0;
    if (known && (fs.f_flag & ST_RDONLY)) return SaveFailure::ReadOnly;
    // The picture is written beside its target first, so the folder must take new files.
    if (access(folderPath.constData(), W_OK | X_OK) != 0) return SaveFailure::NoPermission;
    if (target.exists() &&
        access(QFile::encodeName(target.absoluteFilePath()).constData(), W_OK) != 0)
        return SaveFailure::NoPermission;
    if (known && static_cast<unsigned long long>(fs.f_bavail) * fs.f_frsize < kTooLittleRoom)
        return SaveFailure::DiskFull;
    return SaveFailure::Other;
}

SaveFailure SaveFailureOf(const QString& systemReason, const QString& path) {
    const struct {
        int error;
        SaveFailure failure;
    } known[] = {{ENOSPC, SaveFailure::DiskFull},       {EDQUOT, SaveFailure::DiskFull},
                 {EROFS, SaveFailure::ReadOnly},        {EACCES, SaveFailure::NoPermission},
                 {EPERM, SaveFailure::NoPermission},    {ENOENT, SaveFailure::FolderMissing},
                 {ENOTDIR, SaveFailure::FolderMissing}, {ENAMETOOLONG, SaveFailure::NameNotAllowed},
                 {EISDIR, SaveFailure::NameNotAllowed}};
    const QString words = systemReason.trimmed();
    for (int error = 1; error < 256; ++error) {
        if (words != QString::fromLocal8Bit(std::strerror(error))) continue;
        for (const auto& k : known) {
            if (k.error != error) continue;
            // "No such file or directory" also comes from file systems that take no new files
            // (/proc): the folder is named as missing only when it is.
            if (k.failure == SaveFailure::FolderMissing &&
                DiagnoseSaveFailure(path) != SaveFailure::FolderMissing)
                return SaveFailure::Other;
            return k.failure;
        }
        return SaveFailure::Other;
    }
    return DiagnoseSaveFailure(path);
}

QString SaveFailedMessage(text::Text prompt, const QString& path, const QString& systemReason) {
    QStringList lines{QString::fromStdString(text::Tr(prompt))};
    if (const text::Text* reason = ReasonText(SaveFailureOf(systemReason, path)))
        lines << QString::fromStdString(text::Tr(*reason));
    lines << QDir::toNativeSeparators(path);
    if (!systemReason.isEmpty()) lines << systemReason;
    return lines.join(QLatin1Char('\n'));
}

}  // namespace tubewise
