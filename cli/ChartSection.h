// The probability chart in tubewise-cli: the JSON report's chart figures and captions, and
// --chart FILE, the picture, where the build draws pictures.
#pragma once

#include <QJsonObject>

#include "chart/ChartDescription.h"
#include "cli/Section.h"

namespace tubewise::cli {

class ChartSection : public Section {
  public:
    QList<QCommandLineOption> Options() const override;
    // A QApplication on the offscreen platform, only when a picture is to be drawn.
    std::unique_ptr<QCoreApplication> MakeApplication(const QCommandLineParser& parser, int& argc,
                                                      char** argv) const override;
    QString WriteFiles(const Evaluation& run, const Invocation& inv) override;
    void AddJson(const Evaluation& run, const Invocation& inv, QJsonObject& report) const override;
};

// The "chart" object of the JSON report: densities and probabilities (50 numbers each),
// scaled, scale_factor, title, value_axis_title, category_axis_title; null for what the
// drawing did not reach.
QJsonObject ChartJson(const ChartDescription& chart);

}  // namespace tubewise::cli
