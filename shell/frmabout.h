// The welcome window: the program starts here; its buttons lead on to the count dialog, the
// about and contact dialogs and the author's blog, and its switch changes the language.
#pragma once

#include <QString>

#include "shell/Form.h"

namespace tubewise {

// Its language switch emits Form::languageToggleRequested, as the shortcut does.
class frmabout : public Form {
    Q_OBJECT
  public:
    explicit frmabout(Session& session);

    // The author's web address, which the blog button opens and the contact card shows.
    static QString BlogAddress();

    // Takes the keyboard back once a dialog opened from here has closed, even where no window
    // manager hands it on.
    void TakeKeyboardBack();

  signals:
    void enterRequested();
    void aboutRequested();
    void contactRequested();

  protected:
    void Retranslate() override;

  private:
    void OpenBlog();
};

}  // namespace tubewise
