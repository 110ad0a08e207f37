// Cost of one chart: drawing from a calculation, the 800 x 400 picture, the GIF.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QtCharts/QChart>

#include "chart/ChartDescription.h"
#include "chart/ChartExport.h"
#include "chart/ChartRenderer.h"
#include "chart/GifWriter.h"
#include "chart/CurveChartRenderer.h"
#include "core/Calculation.h"
#include "results/TrayStatistics.h"

namespace {

using namespace tubewise;

// The worked example (five tubes at 10, 1, 0.1 mL; 5, 3, 0 positive) as the calculate button
// computes it.
Calculation Searched() {
    GridTexts grid{};
    grid[0] = {"10", "5", "0"};
    grid[1] = {"1", "3", "2"};
    grid[2] = {"0.1", "0", "5"};
    CalculationOptions options;
    options.failedSearch = FailedSearch::Discard;
    return Calculate(grid, 3, NumberLocale{}, options);
}

void BM_Describe(benchmark::State& bench) {
    const Calculation calc = Searched();
    for (auto _ : bench) benchmark::DoNotOptimize(DescribeProbabilityChart(&calc));
}
BENCHMARK(BM_Describe)->Unit(benchmark::kMicrosecond);

// What the window does on each drawing: describe and build the Qt chart.
void BM_BuildChart(benchmark::State& bench) {
    const Calculation calc = Searched();
    for (auto _ : bench) benchmark::DoNotOptimize(RenderChart(DescribeProbabilityChart(&calc)));
}
BENCHMARK(BM_BuildChart)->Unit(benchmark::kMillisecond);

void BM_RenderPicture(benchmark::State& bench) {
    const Calculation calc = Searched();
    const ChartDescription chart = DescribeProbabilityChart(&calc);
    for (auto _ : bench) benchmark::DoNotOptimize(RenderChartPicture(chart));
}
BENCHMARK(BM_RenderPicture)->Unit(benchmark::kMillisecond);

void BM_EncodeGif(benchmark::State& bench) {
    const Calculation calc = Searched();
    const QImage picture = RenderChartPicture(DescribeProbabilityChart(&calc));
    for (auto _ : bench) benchmark::DoNotOptimize(EncodeGif(picture));
}
BENCHMARK(BM_EncodeGif)->Unit(benchmark::kMillisecond);

// The whole save: drawing, 800 x 400 picture, palette, GIF, file written and renamed.
void BM_DrawAndExport(benchmark::State& bench) {
    const Calculation calc = Searched();
    const QString path = QDir::temp().filePath(QStringLiteral("tubewise-chart-bench.GIF"));
    for (auto _ : bench) {
        if (!SaveChartGif(DescribeProbabilityChart(&calc), path)) bench.SkipWithError("not saved");
    }
    QFile::remove(path);
}
BENCHMARK(BM_DrawAndExport)->Unit(benchmark::kMillisecond);

// One 97-well tray from its counts to the GIF of its likelihood chart, as tubewise-cli --tray
// --chart makes it: the calculation with statistics, the curve, the picture and the GIF.
void BM_TrayChartGif(benchmark::State& bench) {
    trays::TrayInput input;
    input.design = trays::Design::Tray97;
    input.positives = 25;
    input.smallPositives = 10;
    for (auto _ : bench) {
        const trays::TrayResult r = trays::ComputeTray(input, stats::StatisticsOptions{});
        benchmark::DoNotOptimize(
            EncodeGif(RenderCurveChart(DescribeTrayChart(r, NumberLocale{}))));
    }
}
BENCHMARK(BM_TrayChartGif)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
