// The report section of tubewise-cli: the statistics window's PDF report without a display.
#include "cli/ReportSection.h"

#include <QDate>
#include <cmath>
#include <optional>

#include "chart/ChartDescription.h"
#include "cli/GuiApplication.h"
#include "cli/OutputTarget.h"
#include "cli/StatisticsSection.h"
#include "results/ReportDate.h"
#include "results/ReportPdf.h"
#include "results/SampleReport.h"
#include "results/StatisticsTexts.h"
#include "site/SampleConformity.h"

namespace tubewise::cli {

namespace {

const QString kReportOption = QStringLiteral("report");
const QString kSampleOption = QStringLiteral("sample");
const QString kAnalystOption = QStringLiteral("analyst");
const QString kDateOption = QStringLiteral("date");
const QString kLimitOption = QStringLiteral("limit");
const QString kRuleOption = QStringLiteral("rule");

// The limit per 100 mL a report states conformity with; nullopt when none (or not a figure).
std::optional<double> ReportLimit(const QCommandLineParser& parser) {
    if (!parser.isSet(kLimitOption)) return std::nullopt;
    bool ok = false;
    const double limit = parser.value(kLimitOption).toDouble(&ok);
    if (!ok || !(limit > 0) || !std::isfinite(limit)) return std::nullopt;
    return limit;
}

}  // namespace

QList<QCommandLineOption> ReportSection::Options() const {
    return {
        QCommandLineOption(
            kReportOption,
            QStringLiteral("Write the sample's one-page report to FILE as an A4 "
                           "PDF (the path is used as given; '-' is standard output, instead of the "
                           "summary)."),
            QStringLiteral("FILE")),
        QCommandLineOption(kSampleOption, QStringLiteral("With --report: the sample's name."),
                           QStringLiteral("NAME")),
        QCommandLineOption(kAnalystOption, QStringLiteral("With --report: the analyst's name."),
                           QStringLiteral("NAME")),
        QCommandLineOption(kDateOption,
                           QStringLiteral("With --report: the date, YYYY-MM-DD (Gregorian) or "
                                          "YYYY/MM/DD (Persian calendar); today by default."),
                           QStringLiteral("DATE")),
        QCommandLineOption(kLimitOption,
                           QStringLiteral("With --report: a limit per 100 mL; the report states "
                                          "whether the sample conforms to it."),
                           QStringLiteral("L")),
        QCommandLineOption(kRuleOption,
                           QStringLiteral("With --limit: the decision rule, simple (the estimate "
                                          "against the limit, default) or guarded (its "
                                          "confidence limits)."),
                           QStringLiteral("RULE")),
    };
}

QString ReportSection::CheckUsage(const QCommandLineParser& parser) const {
    if (!parser.isSet(kReportOption)) {
        for (const QString& option :
             {kSampleOption, kAnalystOption, kDateOption, kLimitOption, kRuleOption})
            if (parser.isSet(option)) return QStringLiteral("--%1 goes with --report").arg(option);
        return {};
    }
    if (parser.isSet(QStringLiteral("batch")))
        return QStringLiteral("--report writes the report of one sample; --batch does not apply");
    if (parser.isSet(kDateOption) && !ParseReportDate(parser.value(kDateOption)))
        return QStringLiteral("--date takes YYYY-MM-DD or YYYY/MM/DD (Persian calendar), not '%1'")
            .arg(parser.value(kDateOption));
    if (parser.isSet(kLimitOption) && !ReportLimit(parser))
        return QStringLiteral("--limit takes a figure per 100 mL above 0, not '%1'")
            .arg(parser.value(kLimitOption));
    if (parser.isSet(kRuleOption) && !parser.isSet(kLimitOption))
        return QStringLiteral("--rule goes with --limit");
    const QString rule = parser.value(kRuleOption);
    if (parser.isSet(kRuleOption) && rule != QStringLiteral("simple") &&
        rule != QStringLiteral("guarded"))
        return QStringLiteral("--rule takes simple or guarded, not '%1'").arg(rule);
    return {};
}

std::unique_ptr<QCoreApplication> ReportSection::MakeApplication(const QCommandLineParser& parser,
                                                                 int& argc, char** argv) const {
    if (!parser.isSet(kReportOption)) return nullptr;
    return OffscreenGuiApplication(argc, argv);
}

QString ReportSection::WriteFiles(const Evaluation& run, const Invocation& inv) {
    const QCommandLineParser& parser = inv.parser;
    if (!parser.isSet(kReportOption)) return {};
    QString ignored;
    const stats::StatisticsOptions options =
        ReadStatisticsOptions(parser, &ignored).value_or(stats::StatisticsOptions{});
    // The same composition as the statistics window's, from the calculation it would show.
    const stats::MpnStatistics statistics = StatisticsOf(run.calc, options);
    const StatisticsTexts texts =
        ComposeStatisticsTexts(run.calc, std::nullopt, statistics, run.locale);
    ReportHeader header;
    header.sample = parser.value(kSampleOption).trimmed().toStdString();
    header.analyst = parser.value(kAnalystOption).trimmed().toStdString();
    header.date = ReportDateText(parser.isSet(kDateOption) ? parser.value(kDateOption)
                                                           : JalaliDateText(QDate::currentDate()));
    const QString path = parser.value(kReportOption);
    // Rendered here and written as any output is, so a device or FIFO is written, not replaced.
    SampleReport report = ComposeSampleReport(run.calc, texts, header, run.locale);
    if (const auto limit = ReportLimit(parser); limit && run.calc.gridValid()) {
        const site::DecisionRule rule = parser.value(kRuleOption) == QStringLiteral("guarded")
                                            ? site::DecisionRule::Guarded
                                            : site::DecisionRule::SimpleAcceptance;
        site::AddSampleConformity(
            report, site::SampleConformityLine(run.calc, options, *limit, rule, run.locale));
    }
    const QByteArray pdf = RenderReportPdf(report, DescribeProbabilityChart(&run.calc));
    const QString reason =
        WriteOutput(path, std::string_view(pdf.constData(), static_cast<std::size_t>(pdf.size())));
    if (reason.isEmpty()) return {};
    return QStringLiteral("cannot write the report to %1: %2").arg(OutputName(path), reason);
}

}  // namespace tubewise::cli
