// frmgraph: the chart window. The probability chart of the last calculation, and its save
// button.
#pragma once

#include <QString>

#include "chart/ChartDescription.h"
#include "shell/Form.h"
#include "shell/WindowTable.h"

QT_BEGIN_NAMESPACE
class QChartView;
QT_END_NAMESPACE

namespace tubewise {

class frmgraph : public Form {
    Q_OBJECT
  public:
    struct Controls {
        QWidget* ChartSpace1 = nullptr;     // holds the chart view
        PictureButton* Command1 = nullptr;  // save the chart
        TextLabel* lblstatus = nullptr;     // the picture just saved
    };
    static const WindowTable<Controls>& Table();

    explicit frmgraph(Session& session);
    const Controls& controls() const { return controls_; }

    // Replaces the chart in ChartSpace1 by a new drawing of a calculation (nullptr: none yet).
    // An earlier chart is discarded, so there is always exactly one. Returns what was drawn.
    const ChartDescription& Draw(const Calculation* calc);

    // The save button's intent; the composition root writes the picture.
    void SaveChart() { emit saveRequested(); }

    const ChartDescription& drawn() const { return drawn_; }
    QChartView* chartView() const { return view_; }
    // The name chosen in the save dialog the last time (without ".GIF"); forgotten on close,
    // as the window is built afresh.
    const QString& lastFileName() const { return lastName_; }
    void setLastFileName(const QString& name) { lastName_ = name; }

  signals:
    void saveRequested();

  protected:
    // The chart drawn afresh with its captions in the run's language; the chart space is
    // named and described by them for a screen reader.
    void Retranslate() override;

  private:
    void ShowDrawn();  // the drawing of drawn_
    void Describe();   // the chart space's accessible name and description

    Controls controls_;
    QChartView* view_ = nullptr;
    ChartDescription drawn_;
    QString lastName_;
};

}  // namespace tubewise
