// Contact card window.
#include "shell/frmContact.h"

#include "shell/Layout.h"

namespace tubewise {

frmContact::frmContact(Session& session) : Form(session, LayoutOf("frmContact")) {}

void frmContact::focusOutEvent(QFocusEvent* event) {
    Form::focusOutEvent(event);
    // The card is drawn again at once rather than when the event loop gets round to it.
    if (isVisible()) repaint();
}

}  // namespace tubewise
