// Cost of the statistics window: one calculation to the results window with and without the
// statistics window open (the difference is what the window adds), and one written report.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTest>
#include <cstdio>

#include "app/Road.h"
#include "entry/frmdel.h"
#include "entry/frmmpn.h"
#include "results/ReportPdf.h"
#include "results/frmstats.h"
#include "shell/Session.h"

namespace {

using namespace tubewise;

// A session wired as the program wires it, its grid holding 5-5-4 at 10, 1 and 0.1 mL.
struct Program {
    Program() : session(Quiet()), road(session) {
        frmdel& dialog = session.form<frmdel>();
        dialog.show();
        QTest::keyClicks(dialog.controls().txtdilnum, QStringLiteral("3"));
        dialog.controls().cmdset->click();
        frmmpn& grid = session.form<frmmpn>();
        const char* cells[3][3] = {{"10", "5", "0"}, {"1", "5", "0"}, {"0.1", "4", "1"}};
        const QString point = QString::fromStdString(session.numberLocale().decimalSeparator);
        for (int i = 1; i <= 3; ++i) {
            const frmmpn::Column columns[] = {&frmmpn::Controls::txtn, &frmmpn::Controls::txtp,
                                              &frmmpn::Controls::txtq};
            for (int c = 0; c < 3; ++c)
                QTest::keyClicks((grid.controls().*columns[c])[i],
                                 QString::fromLatin1(cells[i - 1][c]).replace('.', point));
        }
        RunCalculation(session);
    }
    static Seams Quiet() {
        Seams s;
        s.message = [](QWidget*, const QString&, const QString&) {};
        s.quit = [] {};
        return s;
    }
    Session session;
    Road road;
};

void BM_CalculateToResults(benchmark::State& bench) {
    Program program;
    for (auto _ : bench) RunCalculation(program.session);
}
BENCHMARK(BM_CalculateToResults)->Unit(benchmark::kMillisecond);

void BM_CalculateToResultsWithStatisticsOpen(benchmark::State& bench) {
    Program program;
    ShowStatistics(program.session);
    if (!program.session.form<frmstats>().isVisible()) bench.SkipWithError("window not open");
    for (auto _ : bench) RunCalculation(program.session);
}
BENCHMARK(BM_CalculateToResultsWithStatisticsOpen)->Unit(benchmark::kMillisecond);

// Opening the window from the results window: built on first use, then filled and shown.
void BM_OpenStatistics(benchmark::State& bench) {
    Program program;
    for (auto _ : bench) {
        ShowStatistics(program.session);
        bench.PauseTiming();
        program.session.form<frmstats>().close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        bench.ResumeTiming();
    }
}
BENCHMARK(BM_OpenStatistics)->Unit(benchmark::kMillisecond);

// The report as the button writes it: composed, chart drawn, PDF laid out, file replaced.
void BM_WriteReport(benchmark::State& bench) {
    Program program;
    ShowStatistics(program.session);
    const frmstats& window = program.session.form<frmstats>();
    const QString path = QDir::temp().filePath(QStringLiteral("tubewise-report-bench.pdf"));
    for (auto _ : bench) {
        if (!SaveReportPdf(window.Report(), window.Chart(), path)) bench.SkipWithError("not saved");
    }
    QFile::remove(path);
}
BENCHMARK(BM_WriteReport)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    // The offscreen platform says for every window raised that it cannot raise it.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type != QtWarningMsg && type != QtInfoMsg && type != QtDebugMsg)
            std::fprintf(stderr, "%s\n", qPrintable(text));
    });
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
