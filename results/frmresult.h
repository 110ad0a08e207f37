// The results window: the figures and advice of the last valid calculation.
#pragma once

#include "results/ResultTexts.h"
#include "shell/Form.h"

namespace tubewise {

class frmresult : public Form {
    Q_OBJECT
  public:
    explicit frmresult(Session& session);

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
};

}  // namespace tubewise
