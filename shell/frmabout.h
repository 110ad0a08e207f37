// The welcome window: the program starts here and its enter button leads to the count dialog.
#pragma once

#include <QString>

#include "shell/Form.h"

namespace tubewise {

class frmabout : public Form {
    Q_OBJECT
  public:
    explicit frmabout(Session& session);
    void Unload() override;

    // The author's web address, which the blog button opens and the contact card shows.
    static QString BlogAddress();

  private:
    // Shows an about or contact dialog modal and takes the keyboard back once it is closed.
    void ShowDialog(Form& dialog);
    void OpenBlog();
};

// Start-up: builds the welcome window and shows it, not modal; no other window is built.
frmabout& StartProgram(Session& session);

}  // namespace tubewise
