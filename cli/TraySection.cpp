// tubewise-cli for trays, plates and series longer than the grid: one ComputeTray, reported
// with the same statistics object as a tube series, after the dilution factor.
#include "cli/TraySection.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QLocale>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "cli/JsonNumber.h"
#include "cli/OutputTarget.h"
#include "cli/StatisticsSection.h"
#include "core/Texts.h"
#include "trays/TrayCalculation.h"
#include "trays/TrayTexts.h"
#ifdef TUBEWISE_CLI_CHART
#include <QDate>

#include "chart/GifWriter.h"
#include "chart/CurveChartRenderer.h"
#include "results/ReportDate.h"
#include "results/ReportPdf.h"
#include "results/SampleReport.h"
#include "results/TrayStatistics.h"
#endif

namespace tubewise::cli {

namespace {

const QString kTrayOption = QStringLiteral("tray");
const QString kDilutionOption = QStringLiteral("dilution");
// What the grid alone draws or writes: a tray or a long series has no grid search.
const QStringList kGridOnlyOptions = {QStringLiteral("curve")};

// Long series are refused by their row count before anything is computed; 1..5 rows stay with
// the grid.
bool LongSeries(const QCommandLineParser& parser) {
    return parser.positionalArguments().size() > kGridRows;
}

const char* DesignKey(trays::Design design) {
    switch (design) {
        case trays::Design::Tray51:
            return "tray51";
        case trays::Design::Tray97:
            return "tray97";
        case trays::Design::Groups:
            break;
    }
    return "groups";
}

const char* BoundKey(trays::TrayBound bound) {
    switch (bound) {
        case trays::TrayBound::Below:
            return "below";
        case trays::TrayBound::Above:
            return "above";
        case trays::TrayBound::None:
            break;
    }
    return "none";
}

QJsonObject DesignJson(const trays::TrayInput& input) {
    QJsonObject design;
    design[QStringLiteral("name")] = QString::fromLatin1(DesignKey(input.design));
    design[QStringLiteral("title")] = QString::fromStdString(trays::DesignName(input.design));
    switch (input.design) {
        case trays::Design::Tray51:
            design[QStringLiteral("positive")] = input.positives;
            design[QStringLiteral("wells")] = trays::kTray51Wells;
            break;
        case trays::Design::Tray97:
            design[QStringLiteral("large_positive")] = input.positives;
            design[QStringLiteral("small_positive")] = input.smallPositives;
            design[QStringLiteral("large_wells")] = trays::kTray97LargeWells;
            design[QStringLiteral("small_wells")] = trays::kTray97SmallWells;
            break;
        case trays::Design::Groups: {
            QJsonArray groups;
            for (const trays::GroupEntry& g : input.groups) {
                groups.append(QJsonObject{{QStringLiteral("volume_ml"), g.volumeMl},
                                          {QStringLiteral("positive"), g.positives},
                                          {QStringLiteral("negative"), g.negatives}});
            }
            design[QStringLiteral("groups")] = groups;
            break;
        }
    }
    design[QStringLiteral("dilution_factor")] = input.dilutionFactor;
    return design;
}

// The figures per 100 mL of the original sample, as the tray tables print them.
QJsonObject FiguresJson(const trays::TrayResult& r) {
    QJsonObject json;
    json[QStringLiteral("report_text")] =
        QString::fromStdString(trays::ReportFigureText(r, NumberLocale{}));
    json[QStringLiteral("bound")] = QString::fromLatin1(BoundKey(r.bound));
    json[QStringLiteral("report_per_100ml")] = JsonNumber(r.reportPer100Ml);
    json[QStringLiteral("mle_per_100ml")] = JsonNumber(r.mlePer100Ml);
    json[QStringLiteral("bias_adjusted_per_100ml")] =
        r.biasAdjustedPer100Ml ? JsonNumber(*r.biasAdjustedPer100Ml) : QJsonValue();
    json[QStringLiteral("ci_low_per_100ml")] = JsonNumber(r.lowLimitPer100Ml);
    json[QStringLiteral("ci_high_per_100ml")] = JsonNumber(r.highLimitPer100Ml);
    return json;
}

QString Figure(const trays::TrayResult& r, double per100Ml) {
    return QString::fromStdString(trays::FigureText(per100Ml, r.dilutionFactor, NumberLocale{}));
}

QStringList SummaryLines(const trays::TrayInput& input, const trays::TrayResult& r) {
    const NumberLocale locale;
    const stats::MpnStatistics& s = r.statistics;
    QStringList lines;
    lines << QStringLiteral("Design:              %1")
                 .arg(QString::fromStdString(trays::DesignName(input.design)));
    lines << QStringLiteral("Counts:              %1")
                 .arg(QString::fromStdString(trays::CountsText(input, locale)));
    lines << QStringLiteral("Dilution factor:     %1")
                 .arg(QString::fromStdString(FormatGeneral(input.dilutionFactor, locale)));
    lines << QStringLiteral("MPN per 100 mL:      %1")
                 .arg(QString::fromStdString(trays::ReportFigureText(r, locale)));
    const QString how =
        QStringLiteral("(%1, %2 %)")
            .arg(QString::fromUtf8(stats::CiMethodName(s.method)), QString::number(s.level * 100));
    if (std::isinf(r.highLimitPer100Ml)) {
        lines << QStringLiteral("Limits per 100 mL:   above %1 %2")
                     .arg(Figure(r, r.lowLimitPer100Ml), how);
    } else {
        lines << QStringLiteral("Limits per 100 mL:   %1 to %2 %3")
                     .arg(Figure(r, r.lowLimitPer100Ml), Figure(r, r.highLimitPer100Ml), how);
    }
    lines << QStringLiteral("Adjusted per 100 mL: %1")
                 .arg(r.biasAdjustedPer100Ml ? Figure(r, *r.biasAdjustedPer100Ml)
                                             : QStringLiteral("not defined"));
    switch (s.mle.kind) {
        case stats::MleKind::Zero:
            lines << QStringLiteral("Exact MLE per mL:    0 (every well negative)");
            break;
        case stats::MleKind::Infinite:
            lines << QStringLiteral("Exact MLE per mL:    infinite (every well positive)");
            break;
        case stats::MleKind::Finite:
            lines << QStringLiteral("Exact MLE per mL:    %1")
                         .arg(QString::number(r.mlePerMl, 'g', 6));
            break;
    }
    lines << QStringLiteral("Rarity index:        %1%2")
                 .arg(QString::number(s.rarityIndex, 'g', 6),
                      s.improbable ? QStringLiteral(" (improbable pattern)") : QString());
    return lines;
}

NumberLocale SystemLocale() {
    return NumberLocale{QLocale::system().decimalPoint().toStdString()};
}

// 6..64 ROWs as the groups of a custom design; nullopt with *why set for a malformed ROW.
std::optional<trays::TrayInput> GroupsOf(const QStringList& rows, const NumberLocale& locale,
                                         QString* why) {
    if (rows.size() > kMaxRows) {
        *why = QStringLiteral("give 1 to %1 rows VOLUME:POSITIVE:NEGATIVE (got %2)")
                   .arg(kMaxRows)
                   .arg(rows.size());
        return std::nullopt;
    }
    trays::TrayInput input;
    input.design = trays::Design::Groups;
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const QStringList cells = rows[i].split(QLatin1Char(':'));
        std::optional<double> values[3];
        for (qsizetype c = 0; c < cells.size() && c < 3; ++c)
            values[c] = TextToFloat(cells[c].trimmed().toStdString(), locale);
        if (cells.size() != 3 || !values[0] || !values[1] || !values[2]) {
            *why = QStringLiteral("row %1 is not VOLUME:POSITIVE:NEGATIVE: '%2'")
                       .arg(i + 1)
                       .arg(rows[i]);
            return std::nullopt;
        }
        input.groups.push_back({*values[0], *values[1], *values[2]});
    }
    return input;
}

void Tell(std::FILE* to, const QString& text) {
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), to);
    std::fflush(to);
}

// Standard output: the exit status of the run, 73 when the bytes did not all get through.
int Print(const QByteArray& bytes, int status) {
    NoteStandardOutputUsed();
    const auto size = static_cast<std::size_t>(bytes.size());
    errno = 0;
    if (std::fwrite(bytes.constData(), 1, size, stdout) == size && std::fflush(stdout) == 0)
        return status;
    Tell(stderr, QStringLiteral("tubewise-cli: cannot write standard output: %1\n")
                     .arg(QString::fromLocal8Bit(std::strerror(errno ? errno : EIO))));
    return kExitCannotCreate;
}

const QString kChartOption = QStringLiteral("chart");

// --chart FILE: the tray's likelihood curve as a GIF; the reason of a failure, or empty.
QString WriteChart(const QCommandLineParser& parser, const trays::TrayResult& r) {
#ifdef TUBEWISE_CLI_CHART
    if (!parser.isSet(kChartOption)) return {};
    const QString path = parser.value(kChartOption);
    QString reason;
    const QByteArray gif =
        EncodeGif(RenderCurveChart(DescribeTrayChart(r, NumberLocale{})), &reason);
    if (!gif.isEmpty()) {
        reason = WriteOutput(
            path, std::string_view(gif.constData(), static_cast<std::size_t>(gif.size())));
        if (reason.isEmpty()) return {};
    }
    return QStringLiteral("cannot write the chart to %1: %2").arg(OutputName(path), reason);
#else
    (void)parser;
    (void)r;
    return {};
#endif
}


// --report FILE: the tray's one-page PDF; the reason of a failure, or empty.
QString WriteReport(const QCommandLineParser& parser, const trays::TrayInput& input,
                    const trays::TrayResult& r) {
#ifdef TUBEWISE_CLI_CHART
    if (!parser.isSet(QStringLiteral("report"))) return {};
    ReportHeader header;
    header.sample = parser.value(QStringLiteral("sample")).trimmed().toStdString();
    header.analyst = parser.value(QStringLiteral("analyst")).trimmed().toStdString();
    header.date =
        ReportDateText(parser.isSet(QStringLiteral("date")) ? parser.value(QStringLiteral("date"))
                                                            : JalaliDateText(QDate::currentDate()));
    const QString path = parser.value(QStringLiteral("report"));
    // The statistics window's page for a tray, composed as the window composes it.
    const NumberLocale locale;
    const QByteArray pdf = RenderReportPdf(
        ComposeTrayReport(input, ComposeTrayStatisticsTexts(r, locale), header, locale),
        RenderCurveChart(DescribeTrayChart(r, locale)));
    const QString reason =
        WriteOutput(path, std::string_view(pdf.constData(), static_cast<std::size_t>(pdf.size())));
    if (reason.isEmpty()) return {};
    return QStringLiteral("cannot write the report to %1: %2").arg(OutputName(path), reason);
#else
    (void)parser;
    (void)input;
    (void)r;
    return {};
#endif
}

}  // namespace

std::optional<trays::TrayInput> ParseTraySpec(const std::string& spec, const NumberLocale& locale,
                                              std::string* why) {
    const QStringList parts = QString::fromStdString(spec).split(QLatin1Char(':'));
    trays::TrayInput input;
    const QString design = parts.first().trimmed();
    std::size_t counts = 0;
    if (design == QStringLiteral("51")) {
        input.design = trays::Design::Tray51;
        counts = 1;
    } else if (design == QStringLiteral("97")) {
        input.design = trays::Design::Tray97;
        counts = 2;
    }
    if (counts == 0 || static_cast<std::size_t>(parts.size()) != counts + 1) {
        *why = "--tray takes 51:K or 97:L:S, not '" + spec + "'";
        return std::nullopt;
    }
    std::optional<double> values[2];
    for (std::size_t i = 0; i < counts; ++i) {
        values[i] =
            TextToFloat(parts[static_cast<qsizetype>(i + 1)].trimmed().toStdString(), locale);
        if (!values[i]) {
            *why = "--tray: '" + parts[static_cast<qsizetype>(i + 1)].toStdString() +
                   "' is not a number of wells";
            return std::nullopt;
        }
    }
    input.positives = *values[0];
    if (counts == 2) input.smallPositives = *values[1];
    return input;
}

QList<QCommandLineOption> TraySection::Options() const {
    return {
        QCommandLineOption(kTrayOption,
                           QStringLiteral("Compute a sealed tray instead of ROWs: 51:K (K positive "
                                          "of 51 wells) or 97:L:S (L of 49 large, S of 48 small "
                                          "wells positive)."),
                           QStringLiteral("DESIGN")),
        QCommandLineOption(kDilutionOption,
                           QStringLiteral("With --tray: the sample's dilution factor F before it "
                                          "went into the tray (10 mL made up to 100 mL: 10)."),
                           QStringLiteral("F")),
    };
}

QString TraySection::CheckUsage(const QCommandLineParser& parser) const {
    const bool tray = parser.isSet(kTrayOption);
    if (parser.isSet(kDilutionOption) && !tray)
        return QStringLiteral("--dilution goes with --tray");
    if (!tray && !LongSeries(parser)) return {};
    if (parser.isSet(QStringLiteral("batch")))
        return QStringLiteral("--batch reads its samples from the file; give no --tray or ROWs");
    if (tray && !parser.positionalArguments().isEmpty())
        return QStringLiteral("--tray gives the counts; give no ROWs");
    const QString what = tray ? QStringLiteral("--tray") : QStringLiteral("more than 5 ROWs");
    for (const QString& name : kGridOnlyOptions) {
        if (parser.isSet(name))
            return QStringLiteral("--%1 is not available with %2").arg(name, what);
    }
    // Forms that cannot be read are usage errors, told with the usage text.
    const NumberLocale locale = SystemLocale();
    if (tray) {
        std::string why;
        if (!ParseTraySpec(parser.value(kTrayOption).toStdString(), locale, &why))
            return QString::fromStdString(why);
    } else {
        QString why;
        if (!GroupsOf(parser.positionalArguments(), locale, &why)) return why;
    }
    if (tray && parser.isSet(kDilutionOption)) {
        bool ok = false;
        parser.value(kDilutionOption).toDouble(&ok);
        if (!ok)
            return QStringLiteral("--dilution takes a number, not '%1'")
                .arg(parser.value(kDilutionOption));
    }
    return {};
}

std::optional<int> TraySection::RunInstead(const Invocation& inv) {
    const QCommandLineParser& parser = inv.parser;
    if (!parser.isSet(kTrayOption) && !LongSeries(parser)) return std::nullopt;
    const NumberLocale locale = SystemLocale();
    std::optional<trays::TrayInput> input;
    QString why;
    if (parser.isSet(kTrayOption)) {
        std::string reason;
        input = ParseTraySpec(parser.value(kTrayOption).toStdString(), locale, &reason);
        why = QString::fromStdString(reason);
        if (input && parser.isSet(kDilutionOption))
            input->dilutionFactor = parser.value(kDilutionOption).toDouble();
    } else {
        input = GroupsOf(parser.positionalArguments(), locale, &why);
    }
    if (!input) {
        Tell(stderr, QStringLiteral("tubewise-cli: %1\n").arg(why));
        return kExitUsage;
    }

    QString ignored;
    const stats::StatisticsOptions options =
        ReadStatisticsOptions(parser, &ignored).value_or(stats::StatisticsOptions{});
    const trays::TrayResult r = trays::ComputeTray(*input, options);
    if (!r.check.ok()) {
        const QString title = QString::fromStdString(text::Tr(text::kWrongInputTitle));
        const QString prompt = QString::fromStdString(trays::RefusalText(r.check));
        Tell(stderr, QStringLiteral("tubewise-cli: %1: %2\n").arg(title, prompt));
        if (!inv.json) return kExitBadInput;
        QJsonObject error{{QStringLiteral("title"), title},
                          {QStringLiteral("prompt"), prompt},
                          {QStringLiteral("row"), r.check.group}};
        return Print(QJsonDocument(QJsonObject{{QStringLiteral("error"), error}}).toJson(),
                     kExitBadInput);
    }
    for (const QString& failure : {WriteChart(parser, r), WriteReport(parser, *input, r)}) {
        if (failure.isEmpty()) continue;
        Tell(stderr, QStringLiteral("tubewise-cli: %1\n").arg(failure));
        return kExitCannotCreate;
    }
    // A picture or report on standard output takes the summary's place.
    for (const QString& name : {kChartOption, QStringLiteral("report")}) {
        if (parser.isSet(name) && parser.value(name) == QStringLiteral("-")) return kExitOk;
    }
    if (inv.json) {
        QJsonObject json;
        json[QStringLiteral("dilutions")] = static_cast<int>(r.groups.size());
        json[QStringLiteral("design")] = DesignJson(*input);
        json[QStringLiteral("tray")] = FiguresJson(r);
        json[QStringLiteral("statistics")] =
            StatisticsJson(r.statistics, QString(), r.dilutionFactor);
        return Print(QJsonDocument(json).toJson(), kExitOk);
    }
    return Print((SummaryLines(*input, r).join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8(),
                 kExitOk);
}

}  // namespace tubewise::cli
