// The chart window: the probability chart of the last calculation and its GIF export.
#pragma once

#include <QString>

#include "chart/ChartDescription.h"
#include "shell/Form.h"

QT_BEGIN_NAMESPACE
class QChartView;
QT_END_NAMESPACE

namespace tubewise {

class frmgraph : public Form {
    Q_OBJECT
  public:
    explicit frmgraph(Session& session);

    // Replaces the chart in ChartSpace1 by a new drawing of the calculation state; writes
    // MpnTitleText. An earlier chart is discarded, so there is always exactly one.
    void Draw();

    // Save button: asks for a name (offering the last one), appends ".GIF" and writes the
    // chart as an 800 x 400 GIF. A cancelled dialog writes nothing; a failed write leaves any
    // old file as it was and tells the user why.
    void SaveChart();

    const ChartDescription& drawn() const { return drawn_; }
    QChartView* chartView() const { return view_; }
    // The name chosen in the save dialog the last time (without ".GIF"); forgotten on close.
    const QString& lastFileName() const { return lastName_; }

  private:
    QChartView* view_ = nullptr;
    ChartDescription drawn_;
    QString lastName_;
};

// The probability chart of the calculation state, drawn into frmgraph; builds that window,
// hidden, when it does not exist yet.
void DrawProbabilityChart(Session& session);

// The results window's chart button: draws the chart, shows frmgraph modeless (a visible one
// stays visible, no second window opens, a minimised one is restored) and has it repaint.
void ShowChart(Session& session);

// For the calculation command, after every calculation, valid or not: when frmgraph is
// visible (minimised counts) it is redrawn from the current curve and restored to normal.
// A chart window that is not open is neither built nor shown.
void RefreshOpenChart(Session& session);

}  // namespace tubewise
