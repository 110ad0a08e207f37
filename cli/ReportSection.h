// The sample's report in tubewise-cli: --report FILE writes the one-page PDF the statistics
// window saves, with --sample, --analyst and --date for its header. Built only where the build
// draws pictures (TUBEWISE_CLI_CHART).
#pragma once

#include "cli/Section.h"

namespace tubewise::cli {

class ReportSection : public Section {
  public:
    QList<QCommandLineOption> Options() const override;
    QString CheckUsage(const QCommandLineParser& parser) const override;
    // A QApplication on the offscreen platform, only when a report is to be written.
    std::unique_ptr<QCoreApplication> MakeApplication(const QCommandLineParser& parser, int& argc,
                                                      char** argv) const override;
    QString WriteFiles(const Evaluation& run, const Invocation& inv) override;
};

}  // namespace tubewise::cli
