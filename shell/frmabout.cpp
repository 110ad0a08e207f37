// Welcome window handlers.
#include "shell/frmabout.h"

#include <QUrl>

#include "shell/Layout.h"
#include "shell/Session.h"

namespace tubewise {

frmabout::frmabout(Session& session) : Form(session, LayoutOf("frmabout")) {
    setHoverFocus({"cmdenter", "cmddarbare", "cmdcontact", "cmdblog"});
    onClick(button("cmdenter"), [this] { emit enterRequested(); });
    onClick(button("cmddarbare"), [this] { emit aboutRequested(); });
    onClick(button("cmdcontact"), [this] { emit contactRequested(); });
    onClick(button("cmdblog"), [this] { OpenBlog(); });
}

void frmabout::TakeKeyboardBack() {
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

}  // namespace tubewise
