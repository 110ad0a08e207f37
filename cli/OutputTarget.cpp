// Output targets: streams written in place, regular files through a checked save file.
#include "cli/OutputTarget.h"

#include <fcntl.h>
#include <limits.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <utility>

namespace tubewise::cli {

namespace {

std::atomic<bool> standardOutputUsed{false};

bool IsStandardOutput(const QString& path) {
    return path.isEmpty() || path == QStringLiteral("-");
}

bool StatPath(const QString& path, struct stat* status) {
    return ::stat(QFile::encodeName(path).constData(), status) == 0;
}

bool SameRegularFile(const struct stat& a, const struct stat& b) {
    return S_ISREG(a.st_mode) && S_ISREG(b.st_mode) && a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// Writes to a stream of at most PIPE_BUF bytes never block on a pipe that polled writable, so
// a stop request is seen within one poll.
constexpr std::size_t kStreamPiece = PIPE_BUF;

}  // namespace

OutputTarget::OutputTarget(const QString& path) : path_(path) {
    if (IsStandardOutput(path)) {
        kind_ = Kind::OwnStream;
        fd_ = STDOUT_FILENO;
        return;
    }
    struct stat status {};
    // A path that is missing or a folder is left to the save file, which says why it fails.
    if (!StatPath(path, &status) || S_ISDIR(status.st_mode)) return;
    if (!S_ISREG(status.st_mode)) {
        kind_ = Kind::Stream;
        return;
    }
    // Replacing the file that standard output or error writes to would lose what goes there.
    for (const int fd : {STDOUT_FILENO, STDERR_FILENO}) {
        struct stat open {};
        if (::fstat(fd, &open) == 0 && SameRegularFile(status, open)) {
            kind_ = Kind::OwnStream;
            fd_ = fd;
            return;
        }
    }
}

OutputTarget::~OutputTarget() {
    Abandon();
}

QString OutputTarget::Name() const {
    return OutputName(path_);
}

QString OutputName(const QString& path) {
    return IsStandardOutput(path) ? QStringLiteral("standard output") : path;
}

bool OutputTarget::Fail(int error) {
    return Fail(QString::fromLocal8Bit(std::strerror(error)));
}

bool OutputTarget::Fail(const QString& reason) {
    error_ = reason;
    return false;
}

bool OutputTarget::Open() {
    switch (kind_) {
        case Kind::OwnStream:
            return true;
        case Kind::Stream: {
            const QByteArray name = QFile::encodeName(path_);
            do {
                fd_ = ::open(name.constData(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
            } while (fd_ < 0 && errno == EINTR);
            return fd_ >= 0 || Fail(errno);
        }
        case Kind::File:
            file_.emplace(path_);
            written_ = 0;
            // Unbuffered: each write reaches the file at once, and its error is the system's.
            if (file_->open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return true;
            Fail(file_->errorString());
            file_.reset();
            return false;
    }
    return false;
}

bool OutputTarget::Write(std::string_view bytes, const std::atomic<bool>* stop) {
    if (kind_ == Kind::File) {
        if (!file_) return Fail(QStringLiteral("not open"));
        // A short write (the disk filling up) is tried again for the rest, which then fails
        // with the system's reason.
        while (!bytes.empty()) {
            const qint64 wrote = file_->write(bytes.data(), static_cast<qint64>(bytes.size()));
            if (wrote <= 0) {
                return Fail(file_->error() != QFileDevice::NoError
                                ? file_->errorString()
                                : QStringLiteral("incomplete write"));
            }
            written_ += wrote;
            bytes.remove_prefix(static_cast<std::size_t>(wrote));
        }
        return true;
    }
    if (fd_ == STDOUT_FILENO) NoteStandardOutputUsed();
    while (!bytes.empty()) {
        if (stop && stop->load()) return Fail(QStringLiteral("stopped"));
        pollfd ready{fd_, POLLOUT, 0};
        const int polled = ::poll(&ready, 1, stop ? 100 : -1);
        if (polled == 0 || (polled < 0 && errno == EINTR)) continue;
        const ssize_t wrote = ::write(fd_, bytes.data(), std::min(bytes.size(), kStreamPiece));
        if (wrote < 0) {
            if (errno == EINTR || errno == EAGAIN) continue;
            return Fail(errno);
        }
        if (wrote == 0) return Fail(QStringLiteral("incomplete write"));
        bytes.remove_prefix(static_cast<std::size_t>(wrote));
    }
    return true;
}

bool OutputTarget::Commit() {
    if (kind_ == Kind::OwnStream) return true;
    if (kind_ == Kind::Stream) {
        const int fd = std::exchange(fd_, -1);
        // A close interrupted by a signal has still closed the descriptor on Linux.
        return fd < 0 || ::close(fd) == 0 || errno == EINTR || Fail(errno);
    }
    if (!file_) return Fail(QStringLiteral("not open"));
    // QSaveFile::commit() neither notices a failed flush of its buffer nor a failed sync, and
    // would rename a truncated file over the old one: both are checked before.
    if (!file_->flush() || file_->size() != written_) {
        Fail(file_->error() != QFileDevice::NoError ? file_->errorString()
                                                    : QStringLiteral("incomplete write"));
        Abandon();
        return false;
    }
    if (::fsync(file_->handle()) != 0 && errno != EINVAL && errno != EROFS) {
        Fail(errno);
        Abandon();
        return false;
    }
    const bool committed = file_->commit();
    if (!committed) Fail(file_->errorString());
    file_.reset();
    return committed;
}

void OutputTarget::Abandon() {
    if (file_) {
        file_->cancelWriting();
        file_.reset();  // the save file removes its temporary file
    }
    if (kind_ == Kind::Stream && fd_ >= 0) ::close(std::exchange(fd_, -1));
}

QString WriteOutput(const QString& path, std::string_view bytes) {
    OutputTarget target(path);
    if (target.Open() && target.Write(bytes) && target.Commit()) return {};
    return target.ErrorText();
}

bool IsOpenRegularFile(const QString& path, int fd) {
    struct stat named {};
    struct stat open {};
    return StatPath(path, &named) && ::fstat(fd, &open) == 0 && SameRegularFile(named, open);
}

bool IsSameRegularFile(int fdA, int fdB) {
    struct stat a {};
    struct stat b {};
    return ::fstat(fdA, &a) == 0 && ::fstat(fdB, &b) == 0 && SameRegularFile(a, b);
}

void NoteStandardOutputUsed() {
    standardOutputUsed = true;
}

bool StandardOutputUsed() {
    return standardOutputUsed.load();
}

}  // namespace tubewise::cli
