// tubewise-cli's inputs and outputs from outside: batch input from pipes and FIFOs, records
// across line ends, outputs that are FIFOs, devices, links or standard output, a full disk, a
// closed standard output, and an output that is the input.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <functional>
#include <thread>

namespace {

const QString kCli = QStringLiteral(TUBEWISE_CLI);
const QStringList k530 = {QStringLiteral("10:5:0"), QStringLiteral("1:3:2"),
                          QStringLiteral("0.1:0:5")};

struct Outcome {
    int exitCode = -1;  // -1: crashed or hung
    QByteArray out;
    QByteArray err;
};

Outcome Finish(QProcess& p) {
    Outcome r;
    if (!p.waitForFinished(120000)) {
        p.kill();
        p.waitForFinished();
        return r;
    }
    if (p.exitStatus() == QProcess::NormalExit) r.exitCode = p.exitCode();
    r.out = p.readAllStandardOutput();
    r.err = p.readAllStandardError();
    return r;
}

// A folder of their own for runs not given one: a fault could write a file named "-".
QString Scratch() {
    static QTemporaryDir scratch;
    return scratch.path();
}

// Runs the program with `input` on its standard input (a pipe).
Outcome Cli(const QStringList& args, const QByteArray& input = {}, const QString& dir = {}) {
    QProcess p;
    p.setWorkingDirectory(dir.isEmpty() ? Scratch() : dir);
    p.start(kCli, args);
    if (!p.waitForStarted()) return {};
    p.write(input);
    p.closeWriteChannel();
    return Finish(p);
}

// Runs a /bin/sh script with the program as $0 and `args` as $1, $2...
Outcome Shell(const QString& script, const QStringList& args = {}, const QString& dir = {}) {
    QProcess p;
    p.setWorkingDirectory(dir.isEmpty() ? Scratch() : dir);
    p.start(QStringLiteral("/bin/sh"), QStringList{QStringLiteral("-c"), script, kCli} + args);
    return Finish(p);
}

bool WriteFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

QByteArray ReadFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(unreadable)");
}

QByteArray Samples(int count) {
    QByteArray out;
    for (int i = 0; i < count; ++i) {
        out += "s" + QByteArray::number(i) + ",10,5," + QByteArray::number(i % 6) + ",1,5," +
               QByteArray::number((i / 6) % 6) + ",0.1,5,1\n";
    }
    return out;
}

mode_t FileType(const QString& path) {
    struct stat status {};
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0 ? status.st_mode & S_IFMT : 0;
}

// Runs `run` while a thread reads everything written into the FIFO `path`; returns the bytes.
// The FIFO is held open for reading and writing, so neither side can block for ever.
QByteArray ReadFifoDuring(const QString& path, const std::function<void()>& run) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_NONBLOCK);
    if (fd < 0) return "(cannot open the FIFO)";
    std::atomic<bool> finished{false};
    QByteArray got;
    std::thread reader([&] {
        char buffer[65536];
        for (;;) {
            pollfd ready{fd, POLLIN, 0};
            ::poll(&ready, 1, 50);
            const ssize_t n = ::read(fd, buffer, sizeof buffer);
            if (n > 0) {
                got.append(buffer, n);
            } else if (finished) {
                return;
            }
        }
    });
    run();
    finished = true;
    reader.join();
    ::close(fd);
    return got;
}

// ---- Batch input -----------------------------------------------------------------------------

TEST(BatchInput, EverySampleThroughAPipe) {
    // More than one chunk of samples and more than a pipe holds at once.
    const QByteArray samples = Samples(2500);
    QTemporaryDir dir;
    const QString in = dir.filePath(QStringLiteral("in.csv"));
    ASSERT_TRUE(WriteFile(in, samples));
    const Outcome fromFile = Cli({QStringLiteral("--batch"), in});
    ASSERT_EQ(fromFile.exitCode, 0) << fromFile.err.toStdString();
    ASSERT_EQ(fromFile.out.count('\n'), 2501);
    for (const QString& name : {QStringLiteral("-"), QStringLiteral("/dev/stdin")}) {
        const Outcome piped = Cli({QStringLiteral("--batch"), name}, samples);
        EXPECT_EQ(piped.exitCode, 0) << name.toStdString() << ": " << piped.err.toStdString();
        EXPECT_EQ(piped.out, fromFile.out) << name.toStdString();
    }
}

TEST(BatchInput, EverySampleFromASlowWriterThroughAFifo) {
    const QByteArray samples = Samples(300);
    QTemporaryDir dir;
    const QString fifo = dir.filePath(QStringLiteral("samples"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0) << std::strerror(errno);
    QProcess p;
    p.start(kCli, {QStringLiteral("--batch"), fifo});
    std::thread writer([&] {
        // Waits for the program to open its end (ENXIO until then), at most ten seconds.
        int fd = -1;
        for (int i = 0; i < 1000 && fd < 0; ++i) {
            fd = ::open(QFile::encodeName(fifo).constData(), O_WRONLY | O_NONBLOCK);
            if (fd < 0) ::usleep(10000);
        }
        if (fd < 0) return;
        ::fcntl(fd, F_SETFL, 0);
        for (qsizetype at = 0; at < samples.size(); at += 1000) {
            const qsizetype n = std::min<qsizetype>(1000, samples.size() - at);
            if (::write(fd, samples.constData() + at, static_cast<std::size_t>(n)) != n) break;
            ::usleep(20000);
        }
        ::close(fd);
    });
    const Outcome r = Finish(p);
    writer.join();
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out.count('\n'), 301);
    EXPECT_TRUE(r.out.contains("\n300,s299,3,")) << r.out.right(300).toStdString();
}

TEST(BatchInput, RecordsAcrossLineEndsAndTheRecordLimit) {
    // CR line ends throughout; a quoted id over two lines; a record over the limit.
    const QByteArray input =
        "id,v,t,p\r"
        "=HYPERLINK(\"x\"),10,5,2\r"
        "\"two\nlines\",10,5,3\r\n"
        "+1+2,1,5,1\r"
        "long," +
        QByteArray(100000, '1') +
        ",5,1\r"
        "after,10,5,0\r";
    const Outcome r = Cli({QStringLiteral("--batch"), QStringLiteral("-")}, input);
    EXPECT_EQ(r.exitCode, 2);  // the long record is a bad line
    EXPECT_TRUE(r.err.contains("line 6: record longer than 65536 bytes")) << r.err.toStdString();
    for (const char* line : {"\n2,\"'=HYPERLINK(\"\"x\"\")\",1,0.", "\n3,\"two\nlines\",1,0.",
                             "\n5,'+1+2,1,0.", "\n6,,,", "\n7,after,1,0."}) {
        EXPECT_TRUE(r.out.contains(line)) << line << " in\n" << r.out.toStdString();
    }
    EXPECT_EQ(r.out.count('\n'), 7);  // header, five records, the quoted line end
}

TEST(BatchInput, OutputThatIsTheInputIsRefused) {
    QTemporaryDir dir;
    const QByteArray samples = Samples(3);
    const QString in = dir.filePath(QStringLiteral("in.csv"));
    ASSERT_TRUE(WriteFile(in, samples));
    ASSERT_TRUE(QFile::link(QStringLiteral("in.csv"), dir.filePath(QStringLiteral("soft.csv"))));
    ASSERT_EQ(::link(QFile::encodeName(in).constData(),
                     QFile::encodeName(dir.filePath(QStringLiteral("hard.csv"))).constData()),
              0);
    for (const QString& out : {QStringLiteral("in.csv"), QStringLiteral("./in.csv"), in,
                               QStringLiteral("soft.csv"), QStringLiteral("hard.csv")}) {
        const Outcome r =
            Cli({QStringLiteral("--batch"), QStringLiteral("in.csv"), QStringLiteral("--out"), out},
                {}, dir.path());
        EXPECT_EQ(r.exitCode, 64) << out.toStdString();
        EXPECT_TRUE(r.err.contains(out.toUtf8()) && r.err.contains("in.csv"))
            << r.err.toStdString();
        EXPECT_TRUE(r.out.isEmpty());
        EXPECT_EQ(ReadFile(in), samples) << out.toStdString();
    }
    // Standard output appending to the input would feed the run its own results.
    const Outcome appended =
        Shell(QStringLiteral("exec \"$0\" --batch in.csv >> in.csv"), {}, dir.path());
    EXPECT_EQ(appended.exitCode, 64) << appended.err.toStdString();
    EXPECT_EQ(ReadFile(in), samples);
}

// ---- Output targets --------------------------------------------------------------------------

// Each option that names an output, with what else it needs.
struct Target {
    const char* option;
    QStringList rest;
};

std::vector<Target> Targets(const QString& batchInput) {
    std::vector<Target> targets{{"--curve", k530},
                                {"--out", {QStringLiteral("--batch"), batchInput}}};
#ifdef TUBEWISE_CLI_CHART
    targets.push_back({"--chart", k530});
#endif
    return targets;
}

TEST(OutputTargets, FifoReceivesTheBytesAndStaysAFifo) {
    QTemporaryDir dir;
    const QString in = dir.filePath(QStringLiteral("in.csv"));
    ASSERT_TRUE(WriteFile(in, Samples(20)));
    const QString file = dir.filePath(QStringLiteral("file"));
    const QString fifo = dir.filePath(QStringLiteral("fifo"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    for (const Target& t : Targets(in)) {
        const QString option = QString::fromLatin1(t.option);
        ASSERT_EQ(Cli(QStringList{option, file} + t.rest).exitCode, 0) << t.option;
        const QByteArray expected = ReadFile(file);
        Outcome r;
        const QByteArray got = ReadFifoDuring(fifo, [&] {
            r = Cli(QStringList{option, fifo} + t.rest);
        });
        EXPECT_EQ(r.exitCode, 0) << t.option << ": " << r.err.toStdString();
        EXPECT_EQ(got.size(), expected.size()) << t.option;
        EXPECT_TRUE(got == expected) << t.option;
        EXPECT_EQ(FileType(fifo), static_cast<mode_t>(S_IFIFO)) << t.option;
    }
}

TEST(OutputTargets, CharacterDevicesAreWrittenNotReplaced) {
    QTemporaryDir dir;
    const QString null = dir.filePath(QStringLiteral("null"));
    const QString full = dir.filePath(QStringLiteral("full"));
    // Copies of /dev/null and /dev/full, so that a fault replaces these and not the system's.
    if (::mknod(QFile::encodeName(null).constData(), S_IFCHR | 0666, makedev(1, 3)) != 0 ||
        ::mknod(QFile::encodeName(full).constData(), S_IFCHR | 0666, makedev(1, 7)) != 0) {
        GTEST_SKIP() << "cannot make device nodes here: " << std::strerror(errno);
    }
    const int probe = ::open(QFile::encodeName(full).constData(), O_WRONLY);
    if (probe < 0) GTEST_SKIP() << "device nodes cannot be opened here: " << std::strerror(errno);
    ::close(probe);
    const QString in = dir.filePath(QStringLiteral("in.csv"));
    ASSERT_TRUE(WriteFile(in, Samples(5)));
    for (const Target& t : Targets(in)) {
        const QString option = QString::fromLatin1(t.option);
        EXPECT_EQ(Cli(QStringList{option, null} + t.rest).exitCode, 0) << t.option;
        const Outcome r = Cli(QStringList{option, full} + t.rest);
        EXPECT_EQ(r.exitCode, 73) << t.option;
        EXPECT_TRUE(r.err.contains(std::strerror(ENOSPC))) << r.err.toStdString();
        EXPECT_EQ(FileType(null), static_cast<mode_t>(S_IFCHR)) << t.option;
        EXPECT_EQ(FileType(full), static_cast<mode_t>(S_IFCHR)) << t.option;
    }
}

TEST(OutputTargets, DashAndDevStdoutAreStandardOutput) {
    QTemporaryDir dir;
    const QString in = dir.filePath(QStringLiteral("in.csv"));
    ASSERT_TRUE(WriteFile(in, Samples(20)));
    const QString file = dir.filePath(QStringLiteral("file"));
    for (const Target& t : Targets(in)) {
        const QString option = QString::fromLatin1(t.option);
        ASSERT_EQ(Cli(QStringList{option, file} + t.rest).exitCode, 0) << t.option;
        // The file alone: for --curve and --chart it takes the summary's place.
        const Outcome r = Cli(QStringList{option, QStringLiteral("-")} + t.rest);
        EXPECT_EQ(r.exitCode, 0) << t.option << ": " << r.err.toStdString();
        EXPECT_TRUE(r.out == ReadFile(file)) << t.option;
    }
    EXPECT_EQ(Cli(QStringList{"--curve", "-", "--json"} + k530).exitCode, 64);
#ifdef TUBEWISE_CLI_CHART
    EXPECT_EQ(Cli(QStringList{"--curve", "-", "--chart", "-"} + k530).exitCode, 64);
#endif

    // /dev/stdout redirected to a file: the curve goes into it, and the summary after it.
    const Outcome r =
        Shell(QStringLiteral("exec \"$0\" --curve /dev/stdout 10:5:0 > \"$1\""), {file});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QByteArray both = ReadFile(file);
    EXPECT_TRUE(both.startsWith("index,lambda,likelihood\n1,"));
    EXPECT_TRUE(both.contains("\nMPN per mL:")) << both.right(200).toStdString();
}

TEST(OutputTargets, SymbolicLinkStaysALinkToTheNewFile) {
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("target.csv"));
    const QString link = dir.filePath(QStringLiteral("link.csv"));
    ASSERT_TRUE(WriteFile(target, "old"));
    ASSERT_TRUE(QFile::link(target, link));
    ASSERT_EQ(Cli(QStringList{QStringLiteral("--curve"), link} + k530).exitCode, 0);
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_TRUE(ReadFile(target).startsWith("index,lambda,likelihood\n"));
}

// ---- A full disk -----------------------------------------------------------------------------

// A 1 MiB file system of its own (needs the right to mount, as root in CI has).
class FullDisk : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(disk_.isValid() && other_.isValid());
        if (::mount("tmpfs", QFile::encodeName(disk_.path()).constData(), "tmpfs", 0, "size=1m") !=
            0) {
            GTEST_SKIP() << "cannot mount a 1 MiB tmpfs here (" << std::strerror(errno)
                         << "); this needs root with the right to mount";
        }
        mounted_ = true;
        ASSERT_TRUE(WriteFile(Out(), "old results\n"));
    }
    void TearDown() override {
        if (mounted_) ::umount2(QFile::encodeName(disk_.path()).constData(), MNT_DETACH);
    }
    QString Out() const { return disk_.filePath(QStringLiteral("out.csv")); }
    // Fills the disk with `bytes` more, or up to the last byte.
    void Fill(const QString& name, qint64 bytes = -1) {
        QFile filler(disk_.filePath(name));
        ASSERT_TRUE(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        const QByteArray block(4096, 'f');
        for (qint64 at = 0; bytes < 0 || at < bytes; at += block.size()) {
            if (filler.write(block) != block.size()) break;
        }
    }
    // The old file is intact and no temporary file is left.
    void ExpectOldFileAlone(const Outcome& r, const char* what) {
        EXPECT_EQ(r.exitCode, 73) << what;
        EXPECT_TRUE(r.err.contains(std::strerror(ENOSPC))) << what << ": " << r.err.toStdString();
        EXPECT_EQ(ReadFile(Out()), "old results\n") << what;
        QStringList files = QDir(disk_.path()).entryList(QDir::Files | QDir::Hidden);
        files.removeAll(QStringLiteral("filler"));
        files.removeAll(QStringLiteral("rest"));
        EXPECT_EQ(files, QStringList{QStringLiteral("out.csv")}) << what;
    }

    QTemporaryDir disk_;
    QTemporaryDir other_;
    bool mounted_ = false;
};

TEST_F(FullDisk, BatchThatDoesNotFitFailsAndKeepsTheOldFile) {
    const QString in = other_.filePath(QStringLiteral("in.csv"));
    ASSERT_TRUE(WriteFile(in, Samples(2050)));  // some 460 kB of results
    Fill(QStringLiteral("filler"), 700 * 1024);
    ExpectOldFileAlone(Cli({QStringLiteral("--batch"), in, QStringLiteral("--out"), Out()}),
                       "batch");
}

TEST_F(FullDisk, EveryOutputFailsOnAFullDiskAndKeepsTheOldFile) {
    const QString in = other_.filePath(QStringLiteral("in.csv"));
    ASSERT_TRUE(WriteFile(in, Samples(10)));
    Fill(QStringLiteral("rest"));
    for (const Target& t : Targets(in)) {
        ExpectOldFileAlone(Cli(QStringList{QString::fromLatin1(t.option), Out()} + t.rest),
                           t.option);
    }
}

// ---- Standard output -------------------------------------------------------------------------

TEST(StandardOutput, FailuresExitSeventyThreeWithTheReason) {
    QTemporaryDir dir;
    const QString in = dir.filePath(QStringLiteral("in.csv"));
    ASSERT_TRUE(WriteFile(in, Samples(5)));
    const char* scripts[] = {
        "exec \"$0\" --json 10:5:0 1:3:2 >&-",      "exec \"$0\" 10:5:0 >&-",
        "exec \"$0\" --json 10:5:0 > /dev/full",    "exec \"$0\" --help > /dev/full",
        "exec \"$0\" --curve - 10:5:0 > /dev/full", "exec \"$0\" --batch \"$1\" >&-",
        "exec \"$0\" --batch \"$1\" > /dev/full",
    };
    for (const char* script : scripts) {
        const Outcome r = Shell(QString::fromLatin1(script), {in});
        EXPECT_EQ(r.exitCode, 73) << script;
        EXPECT_TRUE(r.err.contains("cannot write standard output"))
            << script << ": " << r.err.toStdString();
    }
    // A reader that goes away: a reported failure, not a silent end by SIGPIPE.
    const QString status = dir.filePath(QStringLiteral("status"));
    Shell(QStringLiteral("{ \"$0\" --curve - 10:5:0 1:3:2 2>\"$2\"; echo $? > \"$1\"; } | true"),
          {status, dir.filePath(QStringLiteral("err"))});
    EXPECT_EQ(ReadFile(status), "73\n");
    EXPECT_TRUE(ReadFile(dir.filePath(QStringLiteral("err"))).contains("cannot write standard"));
}

}  // namespace
