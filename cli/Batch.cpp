// Batch runs: chunks of sample lines evaluated on both cores, written through a save file.
#include "cli/Batch.h"

#include <pthread.h>
#include <signal.h>
#include <unistd.h>

#include <QFile>
#include <QSaveFile>
#include <algorithm>
#include <atomic>
#include <cstdio>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "cli/BatchCsv.h"
#include "cli/BatchWork.h"
#include "cli/Section.h"

namespace tubewise::cli {

namespace {

constexpr int kChunkSamples = 2048;  // samples read, evaluated and written at a time

// On a terminal the message first wipes the progress line it would otherwise run into.
void Err(const std::string& text) {
    const char* wipe = isatty(STDERR_FILENO) == 1 ? "\r\033[K" : "";
    std::fputs((wipe + ("tubewise-cli: " + text + "\n")).c_str(), stderr);
}

// Where the result lines go: a save file committed only at the end, or standard output.
class ResultSink {
  public:
    explicit ResultSink(const QString& path) {
        if (!path.isEmpty()) file_.emplace(path);
    }
    bool Open() { return !file_ || file_->open(QIODevice::WriteOnly); }
    QString ErrorText() const { return file_ ? file_->errorString() : QString("write error"); }
    bool Write(const std::string& text) {
        if (file_) return file_->write(text.data(), static_cast<qint64>(text.size())) >= 0;
        return std::fwrite(text.data(), 1, text.size(), stdout) == text.size();
    }
    bool Finish() {
        if (file_) return file_->commit();
        return std::fflush(stdout) == 0;
    }
    void Abandon() {
        if (file_) file_->cancelWriting();
    }

  private:
    std::optional<QSaveFile> file_;
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
    std::atomic<int> done{0};
    // The watcher takes the stop signals from before the temporary file exists until it is
    // committed or abandoned, so an interrupt can never leave that file behind.
    Watcher watcher(done, isatty(STDERR_FILENO) == 1);
    QFile input(inputPath);
    if (!input.open(QIODevice::ReadOnly)) {
        Err("cannot read " + inputPath.toStdString() + ": " + input.errorString().toStdString());
        return kExitNoInput;
    }
    ResultSink sink(outputPath);
    if (!sink.Open()) {
        Err("cannot write " + outputPath.toStdString() + ": " + sink.ErrorText().toStdString());
        return kExitCannotCreate;
    }

    const int threads = std::clamp(static_cast<int>(std::thread::hardware_concurrency()), 1, 2);
    bool badLines = false;
    bool writeFailed = !sink.Write(BatchHeader() + "\n");
    BatchLineReader reader;
    SeriesCache cache;  // figures of the series met so far: repeated patterns are computed once
    int line = 0;
    bool atEnd = false;
    // Kept from chunk to chunk: buffers this size freed and taken again each time would come
    // back from the system as fresh pages, and faulting them in cost a fifth of a run.
    std::vector<BatchSample> samples;
    std::vector<BatchRecord> records;
    std::string chunk;
    while (!atEnd && !writeFailed && !watcher.Stop().load()) {
        samples.clear();
        while (static_cast<int>(samples.size()) < kChunkSamples) {
            if (input.atEnd()) {
                atEnd = true;
                break;
            }
            QByteArray text = input.readLine();
            ++line;
            while (text.endsWith('\n') || text.endsWith('\r')) text.chop(1);
            if (auto sample = reader.Read(std::string_view(text.constData(), text.size()), line))
                samples.push_back(std::move(*sample));
        }
        records.clear();
        records.resize(samples.size());
        if (!EvaluateSamples(samples, records, options, threads, done, watcher.Stop(), &cache))
            break;
        chunk.clear();
        for (const BatchRecord& r : records) {
            if (!r.error.empty()) {
                badLines = true;
                Err("line " + std::to_string(r.line) + ": " + r.error);
            }
            chunk += FormatRecord(r) + "\n";
        }
        writeFailed = !sink.Write(chunk);
    }
    if (watcher.Stop().load()) {
        sink.Abandon();
        Err(outputPath.isEmpty() ? "stopped"
                                 : "stopped; " + outputPath.toStdString() + " was not written");
        return 128 + watcher.Signal();
    }
    if (writeFailed || !sink.Finish()) {
        sink.Abandon();
        Err("cannot write " +
            (outputPath.isEmpty() ? std::string("standard output") : outputPath.toStdString()));
        return kExitCannotCreate;
    }
    return badLines ? kExitBadInput : 0;
}

}  // namespace tubewise::cli
