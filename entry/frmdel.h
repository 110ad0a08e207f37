// frmdel: the dilution-count dialog. Checks the count as it is typed and confirms it.
#pragma once

#include "shell/Form.h"
#include "shell/WindowTable.h"

namespace tubewise {

class frmdel : public Form {
    Q_OBJECT
  public:
    struct Controls {
        PictureButton* cmdexit = nullptr;
        TextBox* txtdilnum = nullptr;     // the count box
        PictureButton* cmdset = nullptr;  // confirms the count
        TextLabel* lbldilno = nullptr;    // what the box asks for
    };
    static const WindowTable<Controls>& Table();

    explicit frmdel(Session& session);
    const Controls& controls() const { return controls_; }

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

    Controls controls_;
};

}  // namespace tubewise
