// The validate command: runs the self-check and prints it as a summary or as JSON, with the
// PDF record on request.
#include "cli/ValidateCommand.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSysInfo>
#include <cstdio>
#include <memory>

#include "cli/OutputTarget.h"
#include "i18n/Language.h"
#include "validate/PublishedTables.h"
#include "validate/SelfCheck.h"

#ifdef TUBEWISE_CLI_CHART
#include <QGuiApplication>

#include "validate/ValidationRecord.h"
#endif

namespace tubewise::cli {

namespace {

constexpr int kPassed = 0;
constexpr int kFailed = 1;
constexpr int kUsage = 64;
constexpr int kNoTranslations = 70;
constexpr int kCannotCreate = 73;
constexpr char kAlteredTableVariable[] = "TUBEWISE_VALIDATE_TABLE";

QString Q(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

int Usage(const QString& why) {
    std::fprintf(stderr, "tubewise-cli validate: %s\n%s", why.toLocal8Bit().constData(),
                 "usage: tubewise-cli validate [--json] [--lang fa|en] [--report FILE]\n");
    return kUsage;
}

QByteArray Json(const validate::SelfCheckResult& result) {
    QJsonArray differences;
    for (const validate::Difference& d : result.differences)
        differences.append(QJsonObject{{"table", Q(d.table)},
                                       {"row", Q(d.row)},
                                       {"expected", Q(d.expected)},
                                       {"computed", Q(d.computed)},
                                       {"reason", Q(d.reason)},
                                       {"explained", d.explained},
                                       {"compared", d.compared}});
    QJsonArray tables;
    for (const validate::TableSummary& t : result.tables)
        tables.append(QJsonObject{{"name", Q(t.name)},
                                  {"source", Q(t.source)},
                                  {"checked", t.checked},
                                  {"agreed", t.agreed}});
    const QJsonObject object{{"checked", result.checked},
                             {"agreed", result.agreed},
                             {"passed", result.Passed()},
                             {"tables", tables},
                             {"differences", differences}};
    return QJsonDocument(object).toJson(QJsonDocument::Indented);
}

QByteArray Summary(const validate::SelfCheckResult& result) {
    QString text;
    for (const validate::TableSummary& t : result.tables)
        text += QStringLiteral("%1: %2 of %3 agree\n").arg(Q(t.name)).arg(t.agreed).arg(t.checked);
    for (const validate::Difference& d : result.differences)
        text += QStringLiteral("difference: %1, %2: printed %3, computed %4: %5\n")
                    .arg(Q(d.table), Q(d.row), Q(d.expected), Q(d.computed), Q(d.reason));
    text += result.Passed() ? QStringLiteral(
                                  "validated: %1 of %2 values agree; every other difference is "
                                  "explained\n")
                                  .arg(result.agreed)
                                  .arg(result.checked)
                            : QStringLiteral(
                                  "NOT validated: %1 of %2 values agree; a difference is "
                                  "unexplained\n")
                                  .arg(result.agreed)
                                  .arg(result.checked);
    return text.toUtf8();
}

}  // namespace

int RunValidate(int& argc, char** argv) {
    // The record's fonts need a GUI application; it runs off screen.
    std::unique_ptr<QCoreApplication> app;
#ifdef TUBEWISE_CLI_CHART
    bool wantsReport = false;
    for (int i = 2; i < argc; ++i)
        if (QByteArray(argv[i]).startsWith("--report")) wantsReport = true;
    if (wantsReport) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    }
#endif
    if (!app) app = std::make_unique<QCoreApplication>(argc, argv);

    QCommandLineParser parser;
    const QCommandLineOption json(QStringLiteral("json"), QStringLiteral("Print JSON."));
    const QCommandLineOption report(QStringLiteral("report"),
                                    QStringLiteral("Write the PDF validation record."),
                                    QStringLiteral("FILE"));
    const QCommandLineOption lang(QStringLiteral("lang"),
                                  QStringLiteral("Language of the record: fa (default) or en."),
                                  QStringLiteral("fa|en"));
    const QCommandLineOption help(QStringLiteral("help"), QStringLiteral("Show this help."));
    parser.addOptions({json, report, lang, help});
    QStringList arguments = app->arguments();
    arguments.removeAt(1);  // the command's name
    if (!parser.parse(arguments)) return Usage(parser.errorText());
    if (parser.isSet(help)) {
        std::fputs("usage: tubewise-cli validate [--json] [--lang fa|en] [--report FILE]\n",
                   stdout);
        return kPassed;
    }
    if (!parser.positionalArguments().isEmpty())
        return Usage(QStringLiteral("unexpected argument ") + parser.positionalArguments().first());
    const std::optional<Language> language =
        parser.isSet(lang) ? LanguageFromCode(parser.value(lang)) : Language::Persian;
    if (!language)
        return Usage(QStringLiteral("--lang takes fa or en, not '%1'").arg(parser.value(lang)));
    if (!UseLanguage(*language)) {
        std::fputs("tubewise-cli validate: this build has no English translations\n", stderr);
        return kNoTranslations;
    }
#ifndef TUBEWISE_CLI_CHART
    if (parser.isSet(report)) return Usage(QStringLiteral("this build writes no PDF record"));
#endif

    std::vector<validate::PublishedTable> tables = validate::BuiltInTables();
    const QString altered = qEnvironmentVariable(kAlteredTableVariable);
    if (!altered.isEmpty()) {
        QFile file(altered);
        if (!file.open(QIODevice::ReadOnly))
            return Usage(altered + QStringLiteral(": ") + file.errorString());
        if (const auto why = validate::ReplaceThreeTubeRows(tables, file.readAll().toStdString()))
            return Usage(altered + QStringLiteral(": ") + Q(*why));
    }
    const validate::SelfCheckResult result = validate::RunSelfCheck(tables);

#ifdef TUBEWISE_CLI_CHART
    if (parser.isSet(report)) {
        const QByteArray pdf =
            validate::ValidationRecordPdf(result, validate::CurrentRecordContext());
        const QString why = WriteOutput(parser.value(report), pdf.toStdString());
        if (!why.isEmpty()) {
            std::fprintf(stderr, "tubewise-cli validate: %s: %s\n",
                         OutputName(parser.value(report)).toLocal8Bit().constData(),
                         why.toLocal8Bit().constData());
            return kCannotCreate;
        }
    }
#endif
    const QByteArray out = parser.isSet(json) ? Json(result) : Summary(result);
    if (std::fwrite(out.constData(), 1, out.size(), stdout) != static_cast<size_t>(out.size()) ||
        std::fflush(stdout) != 0)
        return kCannotCreate;
    return result.Passed() ? kPassed : kFailed;
}

}  // namespace tubewise::cli
