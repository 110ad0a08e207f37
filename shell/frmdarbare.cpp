// About window: no control of its own holds the focus, so the window keeps it.
#include "shell/frmdarbare.h"

#include <QApplication>
#include <QPointer>
#include <QTimer>

#include "shell/Session.h"
#include "tubewise/BuildInfo.h"

namespace tubewise {

frmdarbare::frmdarbare(Session& session)
    : Form(session, Table().spec()), controls_(Table().Bind(rowWidgets())) {
    Retranslate();
}

QString frmdarbare::BuildText() {
    return QStringLiteral("Tubewise " TUBEWISE_BUILD_VERSION " (revision " TUBEWISE_SOURCE_REVISION
                          ")");
}

void frmdarbare::Retranslate() {
    // The same in both languages; the table's empty text is put back on every switch.
    SetText(controls_.lblbuild, BuildText());
}

void frmdarbare::focusOutEvent(QFocusEvent* event) {
    Form::focusOutEvent(event);
    if (!isVisible() || session().ending()) return;
    // Another program taking the keyboard is left alone; only the program's own windows are
    // denied it while this one is shown.
    if (!QApplication::activeWindow()) return;
    // Asked once the focus change under way has finished, or Qt would undo it.
    QPointer<frmdarbare> self(this);
    QTimer::singleShot(0, this, [self] {
        if (!self || !self->isVisible() || self->session().ending()) return;
        self->activateWindow();
        self->setFocus(Qt::OtherFocusReason);
    });
}

}  // namespace tubewise
