// frmabout: the welcome window. The program starts here; its buttons lead on to the count
// dialog, the about and contact dialogs and the author's blog, and its switch changes the
// language.
#pragma once

#include <QString>

#include "shell/Form.h"
#include "shell/WindowTable.h"

namespace tubewise {

// Its language switch emits Form::languageToggleRequested, as the shortcut does.
class frmabout : public Form {
    Q_OBJECT
  public:
    struct Controls {
        PictureButton* cmdlang = nullptr;     // the language switch
        PictureButton* cmddarbare = nullptr;  // opens the about box
        PictureButton* cmdenter = nullptr;    // on to the count dialog
        PictureButton* cmdblog = nullptr;
        PictureButton* cmdcontact = nullptr;
        PictureButton* cmdregister = nullptr;  // opens the sample register
        TextLabel* Label1 = nullptr;  // the aphorism
        PictureButton* cmdtray = nullptr;  // on to the tray and plate entry
        PictureButton* cmdvalidate = nullptr;  // checks this installation against the tables
    };
    static const WindowTable<Controls>& Table();

    explicit frmabout(Session& session);
    const Controls& controls() const { return controls_; }

    // The author's web address, which the blog button opens and the contact card shows.
    static QString BlogAddress();

    // Takes the keyboard back once a dialog opened from here has closed, even where no window
    // manager hands it on.
    void TakeKeyboardBack();

  signals:
    void enterRequested();
    void aboutRequested();
    void contactRequested();
    void trayRequested();
    void registerRequested();
    void validateRequested();

  protected:
    void Retranslate() override;

  private:
    void OpenBlog();

    Controls controls_;
};

}  // namespace tubewise
