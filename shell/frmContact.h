// frmContact: the contact card. The author's name, qualification, date, telephone, e-mail and
// web address beside a portrait.
#pragma once

#include "shell/Form.h"
#include "shell/WindowTable.h"

namespace tubewise {

class frmContact : public Form {
    Q_OBJECT
  public:
    struct Controls {
        // 0 qualification, 1 name, 2 telephone, 3 e-mail, 4 web address
        ControlArray<TextLabel, 0, 4> Label1;
        TextLabel* Label2 = nullptr;  // the date
    };
    static const WindowTable<Controls>& Table();

    explicit frmContact(Session& session);
    const Controls& controls() const { return controls_; }

  protected:
    void focusOutEvent(QFocusEvent* event) override;

  private:
    Controls controls_;
};

}  // namespace tubewise
