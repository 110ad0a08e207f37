// The results window: the figures and advice of the last valid calculation, the way back to
// the grid and the way to the chart.
#pragma once

#include "results/ResultTexts.h"
#include "shell/Form.h"

namespace tubewise {

class frmresult : public Form {
    Q_OBJECT
  public:
    explicit frmresult(Session& session);

    void Load() override;
    // Closing the results window ends the program.
    void Unload() override;

    // Writes every text, caption, colour and enabled state that a calculation sets, so that
    // nothing of an earlier calculation stays visible. Does not show the window.
    void ShowResults(const ResultTexts& texts);

  private:
    void ReturnToGrid();
};

}  // namespace tubewise
