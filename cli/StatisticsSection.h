// The statistics of tubewise-cli: the exact MLE and what goes with it in the JSON report and
// the summary, the options --ci and --level, and batch runs (--batch, --out).
#pragma once

#include "cli/Section.h"
#include "core/stats/MpnStatistics.h"

namespace tubewise::cli {

class StatisticsSection : public Section {
  public:
    QList<QCommandLineOption> Options() const override;
    QString CheckUsage(const QCommandLineParser& parser) const override;
    std::optional<int> RunInstead(const Invocation& inv) override;
    void Configure(const QCommandLineParser& parser, CalculationOptions& options) const override;
    void AddJson(const Evaluation& run, const Invocation& inv, QJsonObject& report) const override;
    void AddText(const Evaluation& run, const Invocation& inv, QStringList& lines) const override;
};

// --ci and --level as given (their defaults otherwise); nullopt with *why set when refused.
std::optional<stats::StatisticsOptions> ReadStatisticsOptions(const QCommandLineParser& parser,
                                                              QString* why);

// The `statistics` object of the JSON report: per mL figures times `perMlScale` (a tray's
// dilution factor, to the original sample); an `error` instead of figures when not empty.
QJsonObject StatisticsJson(const stats::MpnStatistics& s, const QString& error,
                           double perMlScale = 1);

}  // namespace tubewise::cli
