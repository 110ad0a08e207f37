// tubewise-cli's run from argv to exit status.
#include "cli/Report.h"

#include <QJsonDocument>
#include <QLocale>
#include <cstdio>

#include "cli/Sections.h"

namespace tubewise::cli {

namespace {

const QString kJsonOption = QStringLiteral("json");
const QString kHelpOption = QStringLiteral("help");
const QString kVersionOption = QStringLiteral("version");

void Write(std::FILE* to, const QByteArray& bytes) {
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), to);
    std::fflush(to);
}

QList<QCommandLineOption> OwnOptions() {
    return {
        QCommandLineOption(kJsonOption,
                           QStringLiteral("Print one JSON object instead of the summary.")),
        QCommandLineOption({QStringLiteral("h"), kHelpOption},
                           QStringLiteral("Show this help and exit.")),
        QCommandLineOption(kVersionOption, QStringLiteral("Show the version and exit.")),
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
        "rows. Put -- before the rows when one of them begins with '-'.\n\nOptions:\n");
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
        "standard error), or a batch finished with bad lines; 64 usage error; 66 the batch\n"
        "input cannot be read; 73 an output file could not be written; 128+N a batch\n"
        "interrupted by signal N.\n");
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

int Run(int& argc, char** argv) {
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
    if (parser.isSet(kHelpOption)) {
        Write(stdout, Usage(sections).toUtf8());
        return kExitOk;
    }
    if (parser.isSet(kVersionOption)) {
        Write(stdout, QByteArrayLiteral("tubewise-cli " TUBEWISE_VERSION "\n"));
        return kExitOk;
    }
    for (const auto& section : sections) {
        const QString why = section->CheckUsage(parser);
        if (!why.isEmpty()) return UsageError(why, sections);
    }

    std::unique_ptr<QCoreApplication> app;
    for (const auto& section : sections) {
        if ((app = section->MakeApplication(parser, argc, argv))) break;
    }
    if (!app) app = std::make_unique<QCoreApplication>(argc, argv);

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
    run.state.DilutionCount = static_cast<Int16>(run.calc.dilutions);
    StoreCalculation(run.state, run.calc);

    std::optional<InputError> refused;
    if (run.calc.refusal)
        refused =
            InputError{run.calc.refusal->title, run.calc.refusal->prompt, run.calc.refusalRow};
    if (refused && !run.calc.search.gridValid) {
        // A refused grid has nothing to report.
        TellRefusal(*refused);
        if (inv.json) Write(stdout, QJsonDocument(ErrorJson(*refused)).toJson());
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

    if (inv.json) {
        // A refused calculation still reports what it found, beside the error.
        QJsonObject report = refused ? ErrorJson(*refused) : QJsonObject();
        for (const auto& section : sections) section->AddJson(run, inv, report);
        Write(stdout, QJsonDocument(report).toJson());
    } else {
        QStringList lines;
        for (const auto& section : sections) section->AddText(run, inv, lines);
        Write(stdout, (lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8());
    }
    if (refused) {
        TellRefusal(*refused);
        return kExitBadInput;
    }
    return kExitOk;
}

}  // namespace tubewise::cli
