// Chart window: the chart view filling the chart space, drawing and bringing into view.
#include "chart/frmgraph.h"

#include <QVBoxLayout>
#include <QtCharts/QChart>
#include <QtCharts/QChartView>

#include "chart/ChartRenderer.h"
#include "core/Texts.h"

namespace tubewise {

frmgraph::frmgraph(Session& session)
    : Form(session, Table().spec()), controls_(Table().Bind(rowWidgets())) {
    QWidget* space = controls_.ChartSpace1;
    auto* fill = new QVBoxLayout(space);
    fill->setContentsMargins(0, 0, 0, 0);
    view_ = new QChartView(space);
    view_->setRenderHint(QPainter::Antialiasing);
    // The chart space is white up to its edges, like the exported picture.
    view_->setFrameShape(QFrame::NoFrame);
    view_->setBackgroundBrush(Qt::white);
    view_->setFocusPolicy(Qt::NoFocus);  // the chart space itself takes the focus
    fill->addWidget(view_);
    onClick(controls_.Command1, [this] { SaveChart(); });
    Retranslate();
}

const ChartDescription& frmgraph::Draw(const Calculation* calc) {
    drawn_ = DescribeProbabilityChart(calc);
    ShowDrawn();
    return drawn_;
}

void frmgraph::ShowDrawn() {
    QChart* previous = view_->chart();
    view_->setChart(RenderChart(drawn_).release());
    delete previous;
    view_->update();
    Describe();
}

void frmgraph::Describe() {
    QWidget* space = controls_.ChartSpace1;
    space->setAccessibleName(tr("نمودار توزيع پوآسون"));
    space->setAccessibleDescription(tr("%1\nمحور افقي: %2\nمحور عمودي: %3")
                                        .arg(QString::fromStdString(drawn_.title),
                                             QString::fromStdString(drawn_.categoryAxisTitle),
                                             QString::fromStdString(drawn_.valueAxisTitle)));
}

void frmgraph::Retranslate() {
    controls_.lblstatus->setAccessibleName(QString::fromStdString(text::Tr(text::kStatusLineName)));
    if (drawn_.reached == ChartStep::None) {
        Describe();  // nothing drawn yet
        return;
    }
    CaptionChart(drawn_);
    ShowDrawn();
}

}  // namespace tubewise
