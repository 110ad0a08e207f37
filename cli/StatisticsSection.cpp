// The statistics section of tubewise-cli and the entry to batch runs.
#include "cli/StatisticsSection.h"

#include <cmath>

#include "cli/Batch.h"
#include "cli/JsonNumber.h"

namespace tubewise::cli {

namespace {

const QString kCiOption = QStringLiteral("ci");
const QString kLevelOption = QStringLiteral("level");
const QString kBatchOption = QStringLiteral("batch");
const QString kOutOption = QStringLiteral("out");

// The statistics of the typed rows, or the reason they have none.
struct Outcome {
    stats::MpnStatistics statistics;
    QString error;  // non-empty: no statistics
};

Outcome OutcomeOf(const Evaluation& run) {
    Outcome out;
    if (run.calc.statistics) out.statistics = *run.calc.statistics;
    const stats::SeriesCheck& check = out.statistics.check;
    if (check.fault != stats::SeriesFault::None) {
        out.error = QString::fromUtf8(stats::SeriesFaultText(check.fault));
        if (check.dilution > 0)
            out.error = QStringLiteral("row %1: ").arg(check.dilution) + out.error;
    }
    return out;
}

stats::StatisticsOptions OptionsOf(const QCommandLineParser& parser) {
    QString ignored;
    return ReadStatisticsOptions(parser, &ignored).value_or(stats::StatisticsOptions{});
}

QString Number(double x) {
    return QString::number(x, 'g', 6);
}

}  // namespace

std::optional<stats::StatisticsOptions> ReadStatisticsOptions(const QCommandLineParser& parser,
                                                              QString* why) {
    stats::StatisticsOptions options;
    if (parser.isSet(kCiOption)) {
        const auto method = stats::ParseCiMethod(parser.value(kCiOption).toStdString());
        if (!method) {
            *why = QStringLiteral("--ci takes jarvis or lr, not '%1'").arg(parser.value(kCiOption));
            return std::nullopt;
        }
        options.method = *method;
    }
    if (parser.isSet(kLevelOption)) {
        bool ok = false;
        options.level = parser.value(kLevelOption).toDouble(&ok);
        if (!ok || !(options.level > 0 && options.level < 1)) {
            *why = QStringLiteral(
                       "--level takes a number between 0 and 1 (0.95 for 95 %), "
                       "not '%1'")
                       .arg(parser.value(kLevelOption));
            return std::nullopt;
        }
    }
    return options;
}

QList<QCommandLineOption> StatisticsSection::Options() const {
    return {
        QCommandLineOption(kCiOption,
                           QStringLiteral("Confidence limits: jarvis (log-normal, the default) "
                                          "or lr (likelihood ratio)."),
                           QStringLiteral("METHOD")),
        QCommandLineOption(kLevelOption,
                           QStringLiteral("Confidence level of the limits (default 0.95)."),
                           QStringLiteral("LEVEL")),
        QCommandLineOption(
            kBatchOption,
            QStringLiteral("Evaluate every sample of the CSV file IN (id, then "
                           "volume,tubes,positives per dilution) instead of ROWs; '-' is "
                           "standard input."),
            QStringLiteral("IN")),
        QCommandLineOption(kOutOption,
                           QStringLiteral("With --batch: write the results to OUT instead of "
                                          "standard output ('-')."),
                           QStringLiteral("OUT")),
    };
}

QString StatisticsSection::CheckUsage(const QCommandLineParser& parser) const {
    QString why;
    if (!ReadStatisticsOptions(parser, &why)) return why;
    if (parser.isSet(kOutOption) && !parser.isSet(kBatchOption))
        return QStringLiteral("--out goes with --batch");
    if (parser.isSet(kBatchOption)) {
        if (!parser.positionalArguments().isEmpty())
            return QStringLiteral("--batch reads its samples from the file; give no ROWs");
        if (parser.isSet(QStringLiteral("json")))
            return QStringLiteral("--batch writes CSV; --json does not apply");
    }
    return {};
}

std::optional<int> StatisticsSection::RunInstead(const Invocation& inv) {
    if (!inv.parser.isSet(kBatchOption)) return std::nullopt;
    return RunBatch(inv.parser.value(kBatchOption), inv.parser.value(kOutOption),
                    OptionsOf(inv.parser));
}

void StatisticsSection::Configure(const QCommandLineParser& parser,
                                  CalculationOptions& options) const {
    options.statistics = OptionsOf(parser);
}

QJsonObject StatisticsJson(const stats::MpnStatistics& s, const QString& error, double perMlScale) {
    const bool ok = error.isEmpty();
    const auto scaled = [&](double perMl) {
        return ok ? JsonNumber(perMl * perMlScale) : QJsonValue();
    };
    QJsonObject json;
    json[QStringLiteral("mle_per_ml")] = scaled(s.mle.perMl);
    json[QStringLiteral("mle_infinite")] =
        ok ? QJsonValue(s.mle.kind == stats::MleKind::Infinite) : QJsonValue();
    json[QStringLiteral("bias_adjusted_per_ml")] =
        ok && s.biasAdjustedPerMl ? JsonNumber(*s.biasAdjustedPerMl * perMlScale) : QJsonValue();
    json[QStringLiteral("ci_method")] = QString::fromUtf8(stats::CiMethodName(s.method));
    json[QStringLiteral("ci_level")] = s.level;
    json[QStringLiteral("ci_low_per_ml")] = scaled(s.limits.lowPerMl);
    json[QStringLiteral("ci_high_per_ml")] = scaled(s.limits.highPerMl);
    json[QStringLiteral("rarity_index")] = ok ? JsonNumber(s.rarityIndex) : QJsonValue();
    json[QStringLiteral("improbable")] = ok ? QJsonValue(s.improbable) : QJsonValue();
    if (!ok) json[QStringLiteral("error")] = error;
    return json;
}

void StatisticsSection::AddJson(const Evaluation& run, const Invocation&,
                                QJsonObject& report) const {
    const Outcome o = OutcomeOf(run);
    report[QStringLiteral("statistics")] = StatisticsJson(o.statistics, o.error);
}

void StatisticsSection::AddText(const Evaluation& run, const Invocation&,
                                QStringList& lines) const {
    const Outcome o = OutcomeOf(run);
    if (!o.error.isEmpty()) {
        lines << QStringLiteral("Exact MLE:           not computed (%1)").arg(o.error);
        return;
    }
    const stats::MpnStatistics& s = o.statistics;
    switch (s.mle.kind) {
        case stats::MleKind::Zero:
            lines << QStringLiteral("Exact MLE per mL:    0 (every tube negative)");
            break;
        case stats::MleKind::Infinite:
            lines << QStringLiteral("Exact MLE per mL:    infinite (every tube positive)");
            break;
        case stats::MleKind::Finite:
            lines << QStringLiteral("Exact MLE per mL:    %1").arg(Number(s.mle.perMl));
            break;
    }
    lines << QStringLiteral("Adjusted MPN per mL: %1")
                 .arg(s.biasAdjustedPerMl ? Number(*s.biasAdjustedPerMl)
                                          : QStringLiteral("not defined"));
    const QString how =
        QStringLiteral("(%1, %2 %)")
            .arg(QString::fromUtf8(stats::CiMethodName(s.method)), Number(s.level * 100));
    if (std::isinf(s.limits.highPerMl)) {
        lines << QStringLiteral("Limits per mL:       above %1 %2")
                     .arg(Number(s.limits.lowPerMl), how);
    } else {
        lines << QStringLiteral("Limits per mL:       %1 to %2 %3")
                     .arg(Number(s.limits.lowPerMl), Number(s.limits.highPerMl), how);
    }
    lines << QStringLiteral("Rarity index:        %1%2")
                 .arg(Number(s.rarityIndex),
                      s.improbable ? QStringLiteral(" (improbable pattern)") : QString());
}

}  // namespace tubewise::cli
