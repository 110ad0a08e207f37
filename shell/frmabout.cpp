// Welcome window handlers.
#include "shell/frmabout.h"

#include <QKeySequence>
#include <QUrl>

#include "shell/Layout.h"
#include "shell/Session.h"

namespace tubewise {

frmabout::frmabout(Session& session) : Form(session, LayoutOf("frmabout")) {
    setHoverFocus({"cmdenter", "cmddarbare", "cmdcontact", "cmdblog", "cmdlang"});
    onClick(button("cmdenter"), [this] { emit enterRequested(); });
    onClick(button("cmdlang"), [this] { emit languageToggleRequested(); });
    onClick(button("cmddarbare"), [this] { emit aboutRequested(); });
    onClick(button("cmdcontact"), [this] { emit contactRequested(); });
    onClick(button("cmdblog"), [this] { OpenBlog(); });
    Retranslate();
}

void frmabout::Retranslate() {
    PictureButton* language = button("cmdlang");
    language->setAccessibleDescription(tr("زبان برنامه را عوض مي کند؛ در هر پنجره: Ctrl+Shift+L"));
    language->setToolTip(QKeySequence(kLanguageShortcut).toString(QKeySequence::NativeText));
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
