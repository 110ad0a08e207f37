// frmresult: the results window. The figures and advice of the last valid calculation.
#pragma once

#include "results/ResultTexts.h"
#include "shell/Form.h"
#include "shell/WindowTable.h"

namespace tubewise {

class frmresult : public Form {
    Q_OBJECT
  public:
    struct Controls {
        TextBox* txtthomas = nullptr;            // MPN in 100 mL by Thomas's formula
        PictureButton* cmdreturn = nullptr;      // back to the grid
        ControlArray<TextBox, 0, 2> txtresult;   // probability, MPN per mL, per 100 mL
        PictureButton* Command1 = nullptr;       // the chart
        PictureButton* cmdstats = nullptr;       // the exact statistics
        ControlArray<TextLabel, 0, 1> lbltozih;  // advice: 0 Poisson, 1 Thomas
        ControlArray<TextLabel, 0, 1> lblbahs;   // the advice's captions
        TextLabel* lblprob = nullptr;            // the figures' captions
        ControlArray<TextLabel, 0, 1> lbldens;
        TextLabel* lblthomas = nullptr;
    };
    static const WindowTable<Controls>& Table();

    explicit frmresult(Session& session);
    const Controls& controls() const { return controls_; }

    // Writes every text, caption, colour and enabled state that a calculation sets, so that
    // nothing of an earlier calculation stays visible. Does not show the window.
    void ShowResults(const ResultTexts& texts);

  signals:
    void returnRequested();
    void chartRequested();
    void statisticsRequested();

  protected:
    // The figures are read-only text for a screen reader: named by what they are, described
    // by their captions and advice.
    void Retranslate() override;

  private:
    Controls controls_;
};

}  // namespace tubewise
