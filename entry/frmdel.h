// The dilution-count dialog: checks the count as it is typed and hands it to the grid.
#pragma once

#include "shell/Form.h"

namespace tubewise {

class frmdel : public Form {
    Q_OBJECT
  public:
    explicit frmdel(Session& session);
    void Unload() override;

  private:
    // Runs after every change of txtdilnum's text, the program's own changes included.
    void CheckCount();
    // cmdset pressed.
    void Confirm();
};

}  // namespace tubewise
