// The contact card: the author's name, qualification, date, telephone, e-mail and web
// address beside a portrait.
#pragma once

#include "shell/Form.h"

namespace tubewise {

class frmContact : public Form {
    Q_OBJECT
  public:
    explicit frmContact(Session& session);

  protected:
    void focusOutEvent(QFocusEvent* event) override;
};

}  // namespace tubewise
