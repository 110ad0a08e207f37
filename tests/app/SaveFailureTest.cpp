// Why a save failed, as the analyst is told it: each common cause found from the file system.
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cerrno>
#include <cstring>

#include "app/SaveFailure.h"
#include "shell/SaveWhole.h"

namespace tubewise {
namespace {

// A small file system of the test's own, where the machine lets the test make one.
class Mounted {
  public:
    explicit Mounted(const char* options) {
        if (!dir_.isValid()) return;
        mounted_ =
            mount("tmpfs", QFile::encodeName(dir_.path()).constData(), "tmpfs", 0, options) == 0;
    }
    ~Mounted() {
        if (mounted_) umount(QFile::encodeName(dir_.path()).constData());
    }
    bool ok() const { return mounted_; }
    QString path(const QString& name) const { return dir_.filePath(name); }
    void remountReadOnly() {
        mount("tmpfs", QFile::encodeName(dir_.path()).constData(), "tmpfs", MS_REMOUNT | MS_RDONLY,
              nullptr);
    }

  private:
    QTemporaryDir dir_;
    bool mounted_ = false;
};

TEST(SaveFailure, NamesAndFoldersThatCannotTakeTheFile) {
    QTemporaryDir dir;
    EXPECT_EQ(DiagnoseSaveFailure(dir.filePath(QStringLiteral("no/such/folder/x.GIF"))),
              SaveFailure::FolderMissing);
    QFile plain(dir.filePath(QStringLiteral("plain")));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    EXPECT_EQ(DiagnoseSaveFailure(dir.filePath(QStringLiteral("plain/x.GIF"))),
              SaveFailure::FolderMissing)
        << "a file standing where the folder should be";
    EXPECT_EQ(DiagnoseSaveFailure(dir.filePath(QString(300, QLatin1Char('a')) + ".GIF")),
              SaveFailure::NameNotAllowed);
    EXPECT_EQ(DiagnoseSaveFailure(dir.filePath(QStringLiteral("fine.GIF"))), SaveFailure::Other);
}

// A save aimed at a named pipe fails with a reason and leaves the pipe a pipe: a regular file
// put in its place would break whatever reads it, and writing into it could hold the window.
TEST(SaveFailure, APipeIsRefusedNotReplaced) {
    QTemporaryDir dir;
    const QString pipe = dir.filePath(QStringLiteral("chart.GIF"));
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    QString reason;
    EXPECT_FALSE(SaveWhole(pipe, QByteArrayLiteral("GIF89a"), &reason));
    EXPECT_FALSE(reason.isEmpty());
    struct stat after {};
    ASSERT_EQ(lstat(QFile::encodeName(pipe).constData(), &after), 0);
    EXPECT_TRUE(S_ISFIFO(after.st_mode));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System),
              QStringList{QStringLiteral("chart.GIF")})
        << "no temporary file left behind";
}

TEST(SaveFailure, FolderWithoutWritePermission) {
    if (geteuid() == 0) GTEST_SKIP() << "the superuser may write anywhere";
    QTemporaryDir dir;
    const QString locked = dir.filePath(QStringLiteral("locked"));
    ASSERT_TRUE(QDir().mkdir(locked));
    QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    EXPECT_EQ(DiagnoseSaveFailure(locked + "/x.GIF"), SaveFailure::NoPermission);
    QFile::setPermissions(locked,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

TEST(SaveFailure, ReadOnlyAndFullFileSystems) {
    Mounted full("size=256k");
    if (!full.ok()) GTEST_SKIP() << "cannot mount a small file system here";
    QFile filler(full.path(QStringLiteral("filler")));
    ASSERT_TRUE(filler.open(QIODevice::WriteOnly));
    const QByteArray block(64 * 1024, 'x');
    while (filler.write(block) == block.size() && filler.flush()) {
    }
    filler.close();
    EXPECT_EQ(DiagnoseSaveFailure(full.path(QStringLiteral("x.GIF"))), SaveFailure::DiskFull);

    Mounted readOnly("size=1m");
    ASSERT_TRUE(readOnly.ok());
    readOnly.remountReadOnly();
    EXPECT_EQ(DiagnoseSaveFailure(readOnly.path(QStringLiteral("x.GIF"))), SaveFailure::ReadOnly);
}

TEST(SaveFailure, MessageGivesPromptReasonPathAndSystemWords) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("missing/x.GIF"));
    const QStringList lines =
        SaveFailedMessage(text::Text{"! prompt"}, path, QStringLiteral("No such file or directory"))
            .split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(lines[0], QStringLiteral("! prompt"));
    EXPECT_EQ(lines[1], QStringLiteral(".پوشه مقصد وجود ندارد"));
    EXPECT_EQ(lines[2], QDir::toNativeSeparators(path));
    EXPECT_EQ(lines[3], QStringLiteral("No such file or directory"));
    // An unknown cause leaves the Persian line out rather than guess.
    EXPECT_EQ(
        SaveFailedMessage(text::Text{"! prompt"}, dir.filePath(QStringLiteral("ok.GIF")), "why")
            .split(QLatin1Char('\n'))
            .size(),
        3);
}

}  // namespace
}  // namespace tubewise

namespace tubewise {
namespace {

// The reason told comes from the error the system gave, checked against the file system only
// where one error has two causes; the words of no system error fall back on the diagnosis.
TEST(SaveFailure, TheReasonFollowsTheSystemsError) {
    QTemporaryDir dir;
    const QString here = dir.filePath(QStringLiteral("x.pdf"));
    const QString missing = dir.filePath(QStringLiteral("missing/x.pdf"));
    auto words = [](int error) { return QString::fromLocal8Bit(std::strerror(error)); };
    const struct {
        QString reason;
        QString path;
        SaveFailure expected;
    } rows[] = {
        {words(ENOSPC), here, SaveFailure::DiskFull},
        {words(EROFS), here, SaveFailure::ReadOnly},
        {words(EACCES), here, SaveFailure::NoPermission},
        {words(ENOENT), missing, SaveFailure::FolderMissing},
        {words(ENOENT), QStringLiteral("/proc/x.pdf"), SaveFailure::Other},
        {words(ENAMETOOLONG), here, SaveFailure::NameNotAllowed},
        {words(EIO), here, SaveFailure::Other},
        {QString(), missing, SaveFailure::FolderMissing},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE((r.reason + " at " + r.path).toStdString());
        EXPECT_EQ(SaveFailureOf(r.reason, r.path), r.expected);
    }
}

// Saving under /proc, which has no room at all, is told by the system's words, not as a full disk.
TEST(SaveFailure, SavingUnderProcIsNotCalledAFullDisk) {
    const QString path = QStringLiteral("/proc/tubewise-report.pdf");
    QString reason;
    ASSERT_FALSE(SaveWhole(path, QByteArrayLiteral("%PDF"), &reason));
    const QString message = SaveFailedMessage(text::Text{"! prompt"}, path, reason);
    EXPECT_FALSE(message.contains(QString::fromStdString(text::kSaveDiskFull.source)))
        << message.toStdString();
    EXPECT_TRUE(message.endsWith(reason)) << message.toStdString();
}

}  // namespace
}  // namespace tubewise
