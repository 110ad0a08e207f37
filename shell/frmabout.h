// The welcome window: the program starts here and its enter button leads to the count dialog.
#pragma once

#include "shell/Form.h"

namespace tubewise {

class frmabout : public Form {
    Q_OBJECT
  public:
    explicit frmabout(Session& session);
    void Unload() override;
};

}  // namespace tubewise
