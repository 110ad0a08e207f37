// frmdarbare: the about box. What the program is for, its version, and that it is free of
// charge.
#pragma once

#include "shell/Form.h"
#include "shell/WindowTable.h"

namespace tubewise {

class frmdarbare : public Form {
    Q_OBJECT
  public:
    struct Controls {
        TextLabel* Label2 = nullptr;           // what the program is for
        ControlArray<TextLabel, 0, 0> Label1;  // the version
    };
    static const WindowTable<Controls>& Table();

    explicit frmdarbare(Session& session);
    const Controls& controls() const { return controls_; }

  protected:
    void focusOutEvent(QFocusEvent* event) override;

  private:
    Controls controls_;
};

}  // namespace tubewise
