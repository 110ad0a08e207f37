// Chart window handlers and the entry points of the results window and calculation command.
#include "chart/frmgraph.h"

#include <QDir>
#include <QVBoxLayout>
#include <QtCharts/QChart>
#include <QtCharts/QChartView>

#include "chart/ChartExport.h"
#include "chart/ChartRenderer.h"
#include "shell/Layout.h"
#include "shell/Session.h"

namespace tubewise {

namespace {

const QString kGifFilter = QStringLiteral("GIF(*.GIF)");
const QString kGifSuffix = QStringLiteral(".GIF");
// "Picture not saved!", the exclamation mark first so it ends the right-to-left sentence.
const QString kNotSavedPrompt = QStringLiteral("! تصوير ذخيره نشد");
const QString kErrorTitle = QStringLiteral("خطا");  // "Error"

}  // namespace

frmgraph::frmgraph(Session& session) : Form(session, LayoutOf("frmgraph")) {
    QWidget* space = chart("ChartSpace1");
    auto* fill = new QVBoxLayout(space);
    fill->setContentsMargins(0, 0, 0, 0);
    view_ = new QChartView(space);
    view_->setRenderHint(QPainter::Antialiasing);
    // The chart space is white up to its edges, like the exported picture.
    view_->setFrameShape(QFrame::NoFrame);
    view_->setBackgroundBrush(Qt::white);
    view_->setFocusPolicy(Qt::NoFocus);  // the chart space itself takes the focus
    fill->addWidget(view_);
    onClick(button("Command1"), [this] { SaveChart(); });
}

void frmgraph::Draw() {
    drawn_ = DescribeProbabilityChart(session().state());
    QChart* previous = view_->chart();
    view_->setChart(RenderChart(drawn_).release());
    delete previous;
    view_->update();
}

void frmgraph::SaveChart() {
    const QString chosen = session().seams().saveFileName(this, kGifFilter, lastName_);
    if (chosen.isEmpty()) return;  // cancelled
    lastName_ = chosen;
    const QString path = chosen + kGifSuffix;
    QString reason;
    if (!SaveChartGif(drawn_, path, &reason)) {
        session().seams().message(this,
                                  kNotSavedPrompt + QLatin1Char('\n') +
                                      QDir::toNativeSeparators(path) + QLatin1Char('\n') + reason,
                                  kErrorTitle);
    }
}

void DrawProbabilityChart(Session& session) {
    session.form<frmgraph>().Draw();
}

void ShowChart(Session& session) {
    DrawProbabilityChart(session);
    frmgraph& graph = session.form<frmgraph>();
    // Pressing the button must bring the chart into view, also from the task bar.
    graph.setWindowState(graph.windowState() & ~Qt::WindowMinimized);
    graph.show();
    graph.raise();
    graph.activateWindow();
    graph.chartView()->update();
}

void RefreshOpenChart(Session& session) {
    if (!session.isBuilt<frmgraph>()) return;
    frmgraph& graph = session.form<frmgraph>();
    if (!graph.isVisible()) return;
    graph.update();
    graph.Draw();
    graph.setWindowState(graph.windowState() & ~Qt::WindowMinimized);
}

}  // namespace tubewise
