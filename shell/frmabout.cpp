// Welcome window handlers.
#include "shell/frmabout.h"

#include <QKeySequence>
#include <QUrl>

#include "shell/Session.h"

namespace tubewise {

frmabout::frmabout(Session& session)
    : Form(session, Table().spec()), controls_(Table().Bind(rowWidgets())) {
    const Controls& c = controls_;
    setHoverFocus({c.cmdenter, c.cmddarbare, c.cmdcontact, c.cmdblog, c.cmdlang});
    onClick(c.cmdenter, [this] { emit enterRequested(); });
    onClick(c.cmdlang, [this] { emit languageToggleRequested(); });
    onClick(c.cmddarbare, [this] { emit aboutRequested(); });
    onClick(c.cmdcontact, [this] { emit contactRequested(); });
    onClick(c.cmdblog, [this] { OpenBlog(); });
    setHoverFocus({c.cmdtray});
    onClick(c.cmdtray, [this] { emit trayRequested(); });
    onClick(c.cmdregister, [this] { emit registerRequested(); });
    onClick(c.cmdvalidate, [this] { emit validateRequested(); });
    Retranslate();
}

void frmabout::Retranslate() {
    PictureButton* language = controls_.cmdlang;
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
