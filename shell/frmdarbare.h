// The about window: what the program is for, its version, and that it is free of charge.
#pragma once

#include "shell/Form.h"

namespace tubewise {

class frmdarbare : public Form {
    Q_OBJECT
  public:
    explicit frmdarbare(Session& session);

  protected:
    void focusOutEvent(QFocusEvent* event) override;
};

}  // namespace tubewise
