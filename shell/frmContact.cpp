// Contact card window.
#include "shell/frmContact.h"

#include "shell/Layout.h"
#include "shell/Session.h"
#include "shell/frmabout.h"

namespace tubewise {

frmContact::frmContact(Session& session) : Form(session, LayoutOf("frmContact")) {}

void frmContact::Unload() {
    // The card is only opened from the welcome window; a welcome window that is not there
    // is not built just to be enabled.
    if (session().isBuilt<frmabout>()) session().form<frmabout>().setEnabled(true);
}

void frmContact::focusOutEvent(QFocusEvent* event) {
    Form::focusOutEvent(event);
    // The card is drawn again at once rather than when the event loop gets round to it.
    if (isVisible()) repaint();
}

}  // namespace tubewise
