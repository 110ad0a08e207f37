// The dilution-count dialog: checks the count as it is typed and confirms it.
#pragma once

#include "shell/Form.h"

namespace tubewise {

class frmdel : public Form {
    Q_OBJECT
  public:
    explicit frmdel(Session& session);

    // Shown again from the grid: the count is asked afresh, the confirm button disabled.
    void Reset();

  signals:
    // The confirm button with a whole number from 1 to 5 in the box.
    void countConfirmed(int count);
    // The confirm button without a count; the analyst has been told why.
    void countRefused();
    void exitRequested();

  protected:
    void Retranslate() override;

  private:
    // Runs after every change of txtdilnum's text, the program's own changes included.
    void CheckCount();
    // cmdset pressed.
    void Confirm();
};

}  // namespace tubewise
