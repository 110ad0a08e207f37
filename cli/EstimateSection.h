// The estimate itself: the core keys of the JSON report, the summary lines and --curve FILE.
#pragma once

#include "cli/Section.h"

namespace tubewise::cli {

class EstimateSection : public Section {
  public:
    QList<QCommandLineOption> Options() const override;
    QString WriteFiles(const Evaluation& run, const Invocation& inv) override;
    void AddJson(const Evaluation& run, const Invocation& inv, QJsonObject& report) const override;
    void AddText(const Evaluation& run, const Invocation& inv, QStringList& lines) const override;
};

// Writes the likelihood curve as CSV (index,lambda,likelihood for 1..kCurveSize, shortest
// round-trip numbers) to the OutputTarget `path`: a file is replaced only once complete.
// Returns the reason of a failure, or an empty text.
QString WriteCurveCsv(const Calculation& calc, const QString& path);

}  // namespace tubewise::cli
