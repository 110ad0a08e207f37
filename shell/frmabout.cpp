// Welcome window handlers.
#include "shell/frmabout.h"

#include <QUrl>

#include "entry/frmdel.h"
#include "shell/Layout.h"
#include "shell/Session.h"
#include "shell/frmContact.h"
#include "shell/frmdarbare.h"

namespace tubewise {

frmabout::frmabout(Session& session) : Form(session, LayoutOf("frmabout")) {
    setHoverFocus({"cmdenter", "cmddarbare", "cmdcontact", "cmdblog"});
    onClick(button("cmdenter"), [this] {
        this->session().form<frmdel>().show();
        hide();
    });
    onClick(button("cmddarbare"), [this] { ShowDialog(this->session().form<frmdarbare>()); });
    onClick(button("cmdcontact"), [this] { ShowDialog(this->session().form<frmContact>()); });
    onClick(button("cmdblog"), [this] { OpenBlog(); });
}

void frmabout::ShowDialog(Form& dialog) {
    dialog.ShowModal();
    // The keyboard comes back here even where no window manager hands it on.
    if (isVisible() && !session().ending()) activateWindow();
}

QString frmabout::BlogAddress() {
    return QStringLiteral(TUBEWISE_AUTHOR_WEB);
}

void frmabout::OpenBlog() {
    // Whether a browser opened is deliberately not examined: the window stays as it was and
    // the program says nothing either way.
    if (session().seams().openUrl)
        (void)session().seams().openUrl(QUrl::fromUserInput(BlogAddress()));
}

void frmabout::Unload() {
    session().EndProgram();
}

frmabout& StartProgram(Session& session) {
    frmabout& welcome = session.form<frmabout>();
    welcome.show();
    return welcome;
}

}  // namespace tubewise
