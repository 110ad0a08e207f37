// The chart section of tubewise-cli: the chart's data, and the GIF picture without a display.
#include "cli/ChartSection.h"

#include <QJsonArray>

#include "cli/JsonNumber.h"

#ifdef TUBEWISE_CLI_CHART

#include "chart/ChartRenderer.h"
#include "chart/GifWriter.h"
#include "cli/GuiApplication.h"
#include "cli/OutputTarget.h"
#endif

namespace tubewise::cli {

namespace {

[[maybe_unused]] const QString kChartOption = QStringLiteral("chart");

QJsonValue Numbers(const std::vector<double>& values, bool reached) {
    if (!reached) return QJsonValue();
    QJsonArray array;
    for (double x : values) array.append(JsonNumber(x));
    return array;
}

QJsonValue Text(const std::string& text, bool reached) {
    return reached ? QJsonValue(QString::fromStdString(text)) : QJsonValue();
}

}  // namespace

#ifdef TUBEWISE_CLI_CHART

QList<QCommandLineOption> ChartSection::Options() const {
    return {QCommandLineOption(
        kChartOption,
        QStringLiteral(
            "Write the probability chart to FILE as an 800 x 400 GIF picture "
            "(the path is used as given; '-' is standard output, instead of the summary)."),
        QStringLiteral("FILE"))};
}

std::unique_ptr<QCoreApplication> ChartSection::MakeApplication(const QCommandLineParser& parser,
                                                                int& argc, char** argv) const {
    if (!parser.isSet(kChartOption)) return nullptr;
    return OffscreenGuiApplication(argc, argv);
}

QString ChartSection::WriteFiles(const Evaluation& run, const Invocation& inv) {
    if (!inv.parser.isSet(kChartOption)) return {};
    const QString path = inv.parser.value(kChartOption);
    // Encoded here and written as any output is, so a device or FIFO is written, not replaced.
    QString reason;
    const QByteArray gif =
        EncodeGif(RenderChartPicture(DescribeProbabilityChart(&run.calc)), &reason);
    if (!gif.isEmpty()) {
        reason = WriteOutput(
            path, std::string_view(gif.constData(), static_cast<std::size_t>(gif.size())));
        if (reason.isEmpty()) return {};
    }
    return QStringLiteral("cannot write the chart to %1: %2").arg(OutputName(path), reason);
}

#else  // built without pictures: no --chart, and no Qt Widgets to load

QList<QCommandLineOption> ChartSection::Options() const {
    return {};
}

std::unique_ptr<QCoreApplication> ChartSection::MakeApplication(const QCommandLineParser&, int&,
                                                                char**) const {
    return nullptr;
}

QString ChartSection::WriteFiles(const Evaluation&, const Invocation&) {
    return {};
}

#endif

void ChartSection::AddJson(const Evaluation& run, const Invocation&, QJsonObject& report) const {
    report[QStringLiteral("chart")] = ChartJson(DescribeProbabilityChart(&run.calc));
}

QJsonObject ChartJson(const ChartDescription& chart) {
    const bool data = chart.has(ChartStep::DataBuilt);
    QJsonObject json;
    json[QStringLiteral("densities")] = Numbers(chart.densities, data);
    json[QStringLiteral("probabilities")] = Numbers(chart.probabilities, data);
    json[QStringLiteral("scaled")] = chart.scaled;
    json[QStringLiteral("scale_factor")] =
        chart.scaleFactor ? JsonNumber(*chart.scaleFactor) : QJsonValue();
    json[QStringLiteral("title")] = Text(chart.title, chart.has(ChartStep::TitleCaptioned));
    json[QStringLiteral("value_axis_title")] =
        Text(chart.valueAxisTitle, chart.has(ChartStep::ValueAxisCaptioned));
    json[QStringLiteral("category_axis_title")] =
        Text(chart.categoryAxisTitle, chart.has(ChartStep::CategoryAxisDone));
    return json;
}

}  // namespace tubewise::cli
