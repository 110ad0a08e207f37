// Where an output of tubewise-cli goes: standard output, a stream a path names, or a regular
// file replaced only once complete.
#pragma once

#include <QSaveFile>
#include <QString>
#include <atomic>
#include <optional>
#include <string_view>

namespace tubewise::cli {

// One output of the command (--out, --curve, --chart):
// - "-" (or an empty path) is standard output;
// - a path naming a character device, a FIFO or a socket is written as a stream, and so is a
//   regular file that is already this program's standard output or error (/dev/stdout
//   redirected to a file): such a target is opened as it is and never replaced;
// - any other path is a regular file, written under a temporary name beside it and renamed over
//   it only once complete, flushed and synced, so a failed write leaves the old file as it was.
//   A symbolic link stays a link: the file it points to is the one replaced.
class OutputTarget {
  public:
    explicit OutputTarget(const QString& path);
    ~OutputTarget();  // a file not committed is abandoned, a stream opened here is closed
    OutputTarget(const OutputTarget&) = delete;
    OutputTarget& operator=(const OutputTarget&) = delete;

    // True for a regular file written atomically; false for the streams.
    bool IsFile() const { return kind_ == Kind::File; }
    // The path as given, or "standard output".
    QString Name() const;
    // The reason of the last failure.
    QString ErrorText() const { return error_; }

    bool Open();
    // Writes every byte; on a stream that cannot take them yet it waits, and gives up once
    // `stop` is set.
    bool Write(std::string_view bytes, const std::atomic<bool>* stop = nullptr);
    // Streams: closes what was opened here. Files: checks that every byte reached the disk, then
    // renames the temporary file over the path.
    bool Commit();
    // Files: removes the temporary file; the path keeps what it held.
    void Abandon();

  private:
    enum class Kind { File, Stream, OwnStream };  // OwnStream: a descriptor already open
    bool Fail(int error);
    bool Fail(const QString& reason);

    QString path_;
    Kind kind_ = Kind::File;
    int fd_ = -1;
    std::optional<QSaveFile> file_;
    qint64 written_ = 0;
    QString error_;
};

// The path as given, or "standard output" for "-" or an empty path.
QString OutputName(const QString& path);

// Writes `bytes` to the target `path` names, as OutputTarget does; returns the reason of a
// failure, or an empty text.
QString WriteOutput(const QString& path, std::string_view bytes);

// True when `path`, its links followed, is the regular file open as descriptor `fd`.
bool IsOpenRegularFile(const QString& path, int fd);
// True when both descriptors are the same regular file.
bool IsSameRegularFile(int fdA, int fdB);

// Whether anything was written to standard output through this program's outputs.
void NoteStandardOutputUsed();
bool StandardOutputUsed();

}  // namespace tubewise::cli
