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
        TextLabel* lblbuild = nullptr;         // this build: version and source revision
    };
    static const WindowTable<Controls>& Table();

    explicit frmdarbare(Session& session);
    const Controls& controls() const { return controls_; }

    // "Tubewise 1.0.0 (revision 71aedc30dfdd)": the build an analyst reports with a result.
    static QString BuildText();

  protected:
    void focusOutEvent(QFocusEvent* event) override;
    void Retranslate() override;

  private:
    Controls controls_;
};

}  // namespace tubewise
