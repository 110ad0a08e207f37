// Contact card window.
#include "shell/frmContact.h"

#include "shell/Layout.h"

namespace tubewise {

frmContact::frmContact(Session& session) : Form(session, LayoutOf("frmContact")) {}

}  // namespace tubewise
