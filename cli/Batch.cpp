// Batch runs: chunks of sample records evaluated on both cores, written to an output target.
#include "cli/Batch.h"

#include <fcntl.h>
#include <poll.h>
#include <pthread.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "cli/BatchCsv.h"
#include "cli/BatchWork.h"
#include "cli/OutputTarget.h"
#include "cli/Section.h"

namespace tubewise::cli {

namespace {

constexpr int kChunkSamples = 2048;  // samples read, evaluated and written at a time
// Ids may be long: a chunk also ends once its ids hold this many bytes, to bound memory.
constexpr std::size_t kChunkIdBytes = 4 * 1024 * 1024;

// On a terminal the message first wipes the progress line it would otherwise run into.
void Err(const std::string& text) {
    const char* wipe = isatty(STDERR_FILENO) == 1 ? "\r\033[K" : "";
    std::fputs((wipe + ("tubewise-cli: " + text + "\n")).c_str(), stderr);
}

// The batch input: a file, or standard input for "-"; closed at the end when opened here.
class Input {
  public:
    explicit Input(const QString& path) : name_(path) {
        if (path == QStringLiteral("-")) {
            fd_ = STDIN_FILENO;
            name_ = QStringLiteral("standard input");
        } else {
            const QByteArray file = QFile::encodeName(path);
            do {
                fd_ = ::open(file.constData(), O_RDONLY | O_CLOEXEC);
            } while (fd_ < 0 && errno == EINTR);
            own_ = fd_ >= 0;
        }
        struct stat status {};
        if (fd_ < 0 || ::fstat(fd_, &status) != 0) {
            error_ = errno;
        } else if (S_ISDIR(status.st_mode)) {
            error_ = EISDIR;
        }
    }
    ~Input() {
        if (own_) ::close(fd_);
    }
    Input(const Input&) = delete;
    Input& operator=(const Input&) = delete;

    int Fd() const { return fd_; }
    std::string Name() const { return name_.toStdString(); }
    int Error() const { return error_; }

    // Reads what is there, waiting for a slow writer, and gives up (as at the end of the input)
    // once `stop` is set.
    long Read(char* buffer, std::size_t size, const std::atomic<bool>& stop) {
        while (!stop.load()) {
            pollfd ready{fd_, POLLIN, 0};
            const int polled = ::poll(&ready, 1, 100);
            if (polled == 0 || (polled < 0 && errno == EINTR)) continue;
            const ssize_t got = ::read(fd_, buffer, size);
            if (got >= 0) return got;
            if (errno != EINTR && errno != EAGAIN) {
                error_ = errno;
                return -1;
            }
        }
        return 0;
    }

  private:
    QString name_;
    int fd_ = -1;
    bool own_ = false;
    int error_ = 0;
};

// Blocks the stop signals in every thread of the run and takes them synchronously on a
// watcher thread, which also draws the progress line; the previous mask returns at the end.
class Watcher {
  public:
    Watcher(const std::atomic<int>& done, bool showProgress)
        : done_(done), showProgress_(showProgress) {
        sigemptyset(&signals_);
        sigaddset(&signals_, SIGINT);
        sigaddset(&signals_, SIGTERM);
        sigaddset(&signals_, SIGHUP);
        sigaddset(&signals_, WakeSignal());
        pthread_sigmask(SIG_BLOCK, &signals_, &previous_);
        thread_ = std::thread([this] { Watch(); });
    }
    ~Watcher() {
        finished_ = true;
        // Without the wake-up the watcher would sleep out its wait (up to 50 ms) before the
        // run could end; a short batch would spend more time here than evaluating.
        pthread_kill(thread_.native_handle(), WakeSignal());
        thread_.join();
        if (showProgress_) std::fputs("\n", stderr);
        pthread_sigmask(SIG_SETMASK, &previous_, nullptr);
    }
    const std::atomic<bool>& Stop() const { return stop_; }
    int Signal() const { return signal_.load(); }

  private:
    // A real-time signal the program sends only to its own watcher thread, to end its wait.
    static int WakeSignal() { return SIGRTMIN; }

    void Watch() {
        int shown = -1;
        while (!finished_) {
            const timespec wait{0, 50'000'000};
            const int sig = sigtimedwait(&signals_, nullptr, &wait);
            if (sig == WakeSignal()) continue;
            if (sig > 0) {
                signal_ = sig;
                stop_ = true;
            }
            const int done = done_.load();
            if (showProgress_ && done != shown) {
                std::fprintf(stderr, "\rtubewise-cli: %d samples done", done);
                shown = done;
            }
        }
    }

    const std::atomic<int>& done_;
    const bool showProgress_;
    sigset_t signals_{};
    sigset_t previous_{};
    std::atomic<bool> finished_{false};
    std::atomic<bool> stop_{false};
    std::atomic<int> signal_{0};
    std::thread thread_;
};

}  // namespace

int RunBatch(const QString& inputPath, const QString& outputPath,
             const stats::StatisticsOptions& options) {
    // The input, and an output that is a stream, are opened before the stop signals are taken:
    // opening a FIFO waits for its other end, and an interrupt then simply ends the program,
    // which has written nothing yet.
    Input input(inputPath);
    if (input.Error() != 0) {
        Err("cannot read " + input.Name() + ": " + std::strerror(input.Error()));
        return kExitNoInput;
    }
    OutputTarget sink(outputPath);
    const bool toStandardOutput = outputPath.isEmpty() || outputPath == QStringLiteral("-");
    if (toStandardOutput ? IsSameRegularFile(input.Fd(), STDOUT_FILENO)
                         : IsOpenRegularFile(outputPath, input.Fd())) {
        Err((toStandardOutput ? std::string("standard output")
                              : "--out " + outputPath.toStdString()) +
            " is the input file " + input.Name() + "; give another output (nothing was written)");
        return kExitUsage;
    }
    const auto cannotWrite = [&] {
        Err("cannot write " + sink.Name().toStdString() + ": " + sink.ErrorText().toStdString());
        return kExitCannotCreate;
    };
    if (!sink.IsFile() && !sink.Open()) return cannotWrite();

    std::atomic<int> done{0};
    // The watcher takes the stop signals from before the temporary file exists until it is
    // committed or abandoned, so an interrupt can never leave that file behind.
    Watcher watcher(done, isatty(STDERR_FILENO) == 1);
    if (sink.IsFile() && !sink.Open()) return cannotWrite();

    const int threads = std::clamp(static_cast<int>(std::thread::hardware_concurrency()), 1, 2);
    bool badLines = false;
    bool writeFailed = !sink.Write(BatchHeader() + "\n", &watcher.Stop());
    CsvRecordReader records(
        [&](char* buffer, std::size_t size) { return input.Read(buffer, size, watcher.Stop()); });
    BatchLineReader reader;
    SeriesCache cache;  // figures of the series met so far: repeated patterns are computed once
    bool atEnd = false;
    // Kept from chunk to chunk: buffers this size freed and taken again each time would come
    // back from the system as fresh pages, and faulting them in cost a fifth of a run.
    std::vector<BatchSample> samples;
    std::vector<BatchRecord> results;
    std::string chunk;
    while (!atEnd && !writeFailed && !watcher.Stop().load()) {
        samples.clear();
        std::size_t idBytes = 0;
        while (static_cast<int>(samples.size()) < kChunkSamples && idBytes < kChunkIdBytes) {
            const std::optional<CsvRecord> record = records.Next();
            if (!record) {
                atEnd = true;
                break;
            }
            if (auto sample = reader.Read(*record)) {
                idBytes += sample->id.size();
                samples.push_back(std::move(*sample));
            }
        }
        results.clear();
        results.resize(samples.size());
        if (!EvaluateSamples(samples, results, options, threads, done, watcher.Stop(), &cache))
            break;
        chunk.clear();
        for (const BatchRecord& r : results) {
            if (!r.error.empty()) {
                badLines = true;
                Err("line " + std::to_string(r.line) + ": " + r.error);
            }
            chunk += FormatRecord(r) + "\n";
        }
        writeFailed = !sink.Write(chunk, &watcher.Stop());
    }
    if (watcher.Stop().load()) {
        sink.Abandon();
        Err(sink.IsFile() ? "stopped; " + outputPath.toStdString() + " was not written"
                          : std::string("stopped"));
        return 128 + watcher.Signal();
    }
    if (records.Failed()) {
        sink.Abandon();
        Err("cannot read " + input.Name() + ": " + std::strerror(input.Error()));
        return kExitNoInput;
    }
    if (writeFailed || !sink.Commit()) {
        sink.Abandon();
        return cannotWrite();
    }
    return badLines ? kExitBadInput : 0;
}

}  // namespace tubewise::cli
