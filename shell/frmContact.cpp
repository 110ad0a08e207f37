// Contact card window.
#include "shell/frmContact.h"

namespace tubewise {

frmContact::frmContact(Session& session)
    : Form(session, Table().spec()), controls_(Table().Bind(rowWidgets())) {}

void frmContact::focusOutEvent(QFocusEvent* event) {
    Form::focusOutEvent(event);
    // The card is drawn again at once rather than when the event loop gets round to it.
    if (isVisible()) repaint();
}

}  // namespace tubewise
