// tubewise-cli's run from argv to exit status.
#include "cli/Report.h"

#include <fcntl.h>
#include <unistd.h>

#include <QJsonDocument>
#include <QLocale>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>

#include "cli/OutputTarget.h"
#include "cli/Sections.h"
#include "cli/Subcommands.h"
#include "tubewise/BuildInfo.h"
#include "i18n/Language.h"

namespace tubewise::cli {

namespace {

const QString kJsonOption = QStringLiteral("json");
const QString kHelpOption = QStringLiteral("help");
const QString kVersionOption = QStringLiteral("version");
const QString kLanguageOption = QStringLiteral("lang");

// Options whose FILE may be "-", standard output; the report then stays off it.
const QStringList kFileOptions = {QStringLiteral("curve"), QStringLiteral("chart"),
                                  QStringLiteral("report")};

// Standard error: nowhere is left to tell of its failure.
void Write(std::FILE* to, const QByteArray& bytes) {
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), to);
    std::fflush(to);
}

// Standard output: false (errno set) when the bytes did not all get through.
bool WriteOut(const QByteArray& bytes) {
    NoteStandardOutputUsed();
    const auto size = static_cast<std::size_t>(bytes.size());
    errno = 0;
    if (std::fwrite(bytes.constData(), 1, size, stdout) == size && std::fflush(stdout) == 0)
        return true;
    if (errno == 0) errno = EIO;
    return false;
}

// A standard stream closed by the caller gets /dev/null opened the wrong way round, before
// anything else can be opened as that descriptor: otherwise the next file opened (the batch
// input, a temporary file) would become standard output, and the report would go into it.
// Writing to it then fails, as writing to the closed stream should.
void HoldClosedStandardStreams() {
    for (const int fd : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) {
        if (::fcntl(fd, F_GETFD) == -1 && errno == EBADF)
            ::open("/dev/null", fd == STDIN_FILENO ? O_WRONLY : O_RDONLY);
    }
}

int OutputFailed(int error) {
    Write(stderr, QByteArrayLiteral("tubewise-cli: cannot write standard output: ") +
                      QByteArray(std::strerror(error)) + '\n');
    return kExitCannotCreate;
}

QList<QCommandLineOption> OwnOptions() {
    return {
        QCommandLineOption(kJsonOption,
                           QStringLiteral("Print one JSON object instead of the summary.")),
        QCommandLineOption({QStringLiteral("h"), kHelpOption},
                           QStringLiteral("Show this help and exit.")),
        QCommandLineOption(kVersionOption, QStringLiteral("Show the version and exit.")),
        QCommandLineOption(kLanguageOption,
                           QStringLiteral("Language of the window texts, refusals and chart: fa "
                                          "(Persian, the default) or en (English)."),
                           QStringLiteral("LANG")),
    };
}

QString Usage(const std::vector<std::unique_ptr<Section>>& sections) {
    QList<QCommandLineOption> options = OwnOptions();
    for (const auto& section : sections) options += section->Options();
    QString text = QStringLiteral(
        "Usage: tubewise-cli [options] [--] ROW...\n"
        "Estimates the Most Probable Number (MPN) of coliform bacteria from a multiple-tube\n"
        "fermentation test, as the Tubewise windows do.\n"
        "Each ROW is VOLUME:POSITIVE:NEGATIVE - the mL of sample per tube and the numbers of\n"
        "positive and negative tubes of one dilution, as typed in a row of the grid; 1 to 5\n"
        "rows. Put -- before the rows when one of them begins with '-'.\n"
        "6 to 64 ROWs, or a tray (--tray 51:K or 97:L:S, with --dilution F), are computed\n"
        "without the windows' grid search: the summary and --json give the design, the\n"
        "figures per 100 mL and the statistics, and no grid, Thomas or window texts.\n"
        "\nOptions:\n");
    for (const QCommandLineOption& option : options) {
        QStringList names;
        for (const QString& name : option.names())
            names << (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
        QString left = names.join(QStringLiteral(", "));
        if (!option.valueName().isEmpty()) left += QLatin1Char(' ') + option.valueName();
        text += QStringLiteral("  %1  %2\n").arg(left, -18).arg(option.description());
    }
    text += QStringLiteral(
        "\nExit status: 0 done; 2 input refused (the message the windows would show goes to\n"
        "standard error), or a batch finished with bad lines; 64 usage error (also a batch\n"
        "output that is its input file); 66 the batch input cannot be read; 73 an output\n"
        "file or standard output could not be written; 128+N a batch interrupted by signal N.\n");
    return text;
}

int UsageError(const QString& why, const std::vector<std::unique_ptr<Section>>& sections) {
    Write(stderr,
          (QStringLiteral("tubewise-cli: ") + why + QStringLiteral("\n\n") + Usage(sections))
              .toUtf8());
    return kExitUsage;
}

QJsonObject ErrorJson(const InputError& error) {
    QJsonObject inner;
    inner[QStringLiteral("title")] = QString::fromStdString(error.title);
    inner[QStringLiteral("prompt")] = QString::fromStdString(error.prompt);
    inner[QStringLiteral("row")] = error.row;
    return QJsonObject{{QStringLiteral("error"), inner}};
}

void TellRefusal(const InputError& error) {
    QString line = QStringLiteral("tubewise-cli: ");
    if (error.row > 0) line += QStringLiteral("row %1: ").arg(error.row);
    line += QString::fromStdString(error.title) + QStringLiteral(": ") +
            QString::fromStdString(error.prompt) + QLatin1Char('\n');
    Write(stderr, line.toUtf8());
}

NumberLocale SystemNumberLocale() {
    return NumberLocale{QLocale::system().decimalPoint().toStdString()};
}

}  // namespace

std::optional<GridTexts> ParseRows(const QStringList& rows, QString* usageError) {
    if (rows.isEmpty() || rows.size() > kGridRows) {
        *usageError = QStringLiteral("give 1 to %1 rows VOLUME:POSITIVE:NEGATIVE (got %2)")
                          .arg(kGridRows)
                          .arg(rows.size());
        return std::nullopt;
    }
    GridTexts grid;
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const QStringList cells = rows[i].split(QLatin1Char(':'));
        if (cells.size() != 3) {
            *usageError = QStringLiteral("row %1 is not VOLUME:POSITIVE:NEGATIVE: '%2'")
                              .arg(i + 1)
                              .arg(rows[i]);
            return std::nullopt;
        }
        grid[static_cast<std::size_t>(i)] = {cells[0].toStdString(), cells[1].toStdString(),
                                             cells[2].toStdString()};
    }
    return grid;
}

namespace {

int RunCommand(int& argc, char** argv) {
    const auto sections = MakeSections();

    QStringList arguments;
    for (int i = 0; i < argc && argv[i]; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    if (arguments.isEmpty()) arguments << QStringLiteral("tubewise-cli");

    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsCompactedShortOptions);
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsOptions);
    QList<QCommandLineOption> options = OwnOptions();
    for (const auto& section : sections) options += section->Options();
    for (const auto& option : options) {
        if (!parser.addOption(option))
            return UsageError(QStringLiteral("option defined twice: ") + option.names().join(','),
                              sections);
    }
    if (!parser.parse(arguments)) return UsageError(parser.errorText(), sections);
    if (parser.isSet(kHelpOption))
        return WriteOut(Usage(sections).toUtf8()) ? kExitOk : OutputFailed(errno);
    if (parser.isSet(kVersionOption)) {
        return WriteOut(QByteArrayLiteral("tubewise-cli " TUBEWISE_VERSION
                                          " (revision " TUBEWISE_SOURCE_REVISION ")\n"))
                   ? kExitOk
                   : OutputFailed(errno);
    }
    for (const auto& section : sections) {
        const QString why = section->CheckUsage(parser);
        if (!why.isEmpty()) return UsageError(why, sections);
    }
    const std::optional<Language> language = parser.isSet(kLanguageOption)
                                                 ? LanguageFromCode(parser.value(kLanguageOption))
                                                 : Language::Persian;
    if (!language)
        return UsageError(
            QStringLiteral("--lang takes fa or en, not '%1'").arg(parser.value(kLanguageOption)),
            sections);
    // A file written to standard output takes the report's place there.
    QStringList toStandardOutput;
    for (const QString& name : kFileOptions) {
        if (parser.optionNames().contains(name) && parser.value(name) == QStringLiteral("-"))
            toStandardOutput << QStringLiteral("--") + name;
    }
    if (toStandardOutput.size() > 1)
        return UsageError(toStandardOutput.join(QStringLiteral(" and ")) +
                              QStringLiteral(" cannot both write to standard output"),
                          sections);
    if (!toStandardOutput.isEmpty() && parser.isSet(kJsonOption))
        return UsageError(toStandardOutput.first() +
                              QStringLiteral(" - writes to standard output; --json does not apply"),
                          sections);
    const bool report = toStandardOutput.isEmpty();

    std::unique_ptr<QCoreApplication> app;
    for (const auto& section : sections) {
        if ((app = section->MakeApplication(parser, argc, argv))) break;
    }
    if (!app) app = std::make_unique<QCoreApplication>(argc, argv);
    if (!UseLanguage(*language)) {
        Write(stderr, QByteArrayLiteral("tubewise-cli: the English translations are missing\n"));
        return kExitSoftware;
    }

    const Invocation inv{parser, argc, argv, parser.isSet(kJsonOption)};
    for (const auto& section : sections) {
        if (const auto status = section->RunInstead(inv)) return *status;
    }

    QString usageError;
    const QStringList rows = parser.positionalArguments();
    const auto grid = ParseRows(rows, &usageError);
    if (!grid) return UsageError(usageError, sections);

    CalculationOptions calcOptions;  // a search that cannot finish is kept and reported
    for (const auto& section : sections) section->Configure(parser, calcOptions);
    Evaluation run;
    run.locale = SystemNumberLocale();
    run.calc = Calculate(*grid, static_cast<int>(rows.size()), run.locale, calcOptions);

    std::optional<InputError> refused;
    if (run.calc.refusal)
        refused =
            InputError{run.calc.refusal->title, run.calc.refusal->prompt, run.calc.refusalRow};
    if (refused && !run.calc.search.gridValid) {
        // A refused grid has nothing to report.
        TellRefusal(*refused);
        if (inv.json && !WriteOut(QJsonDocument(ErrorJson(*refused)).toJson()))
            return OutputFailed(errno);
        return kExitBadInput;
    }
    if (!refused) {
        for (const auto& section : sections) {
            const QString why = section->WriteFiles(run, inv);
            if (!why.isEmpty()) {
                Write(stderr,
                      (QStringLiteral("tubewise-cli: ") + why + QLatin1Char('\n')).toUtf8());
                return kExitCannotCreate;
            }
        }
    }

    QByteArray text;
    if (inv.json) {
        // A refused calculation still reports what it found, beside the error.
        QJsonObject json = refused ? ErrorJson(*refused) : QJsonObject();
        for (const auto& section : sections) section->AddJson(run, inv, json);
        text = QJsonDocument(json).toJson();
    } else {
        QStringList lines;
        for (const auto& section : sections) section->AddText(run, inv, lines);
        text = (lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8();
    }
    if (report && !WriteOut(text)) {
        const int error = errno;
        if (refused) TellRefusal(*refused);
        return OutputFailed(error);
    }
    if (refused) {
        TellRefusal(*refused);
        return kExitBadInput;
    }
    return kExitOk;
}

}  // namespace

int Run(int& argc, char** argv) {
    HoldClosedStandardStreams();
    // A reader that goes away is a failed write (73), not a silent end by SIGPIPE.
    std::signal(SIGPIPE, SIG_IGN);
    const std::optional<Subcommand> command = FindSubcommand(argc, argv);
    const int status = command ? command->run(argc, argv) : RunCommand(argc, argv);
    // Closing standard output is the last chance to learn that its bytes were not kept.
    const int closeError = std::fclose(stdout) == 0 ? 0 : errno;
    if (closeError != 0 && StandardOutputUsed() && (status == kExitOk || status == kExitBadInput))
        return OutputFailed(closeError);
    return status;
}

}  // namespace tubewise::cli
