// About window.
#include "shell/frmdarbare.h"

#include "shell/Layout.h"

namespace tubewise {

frmdarbare::frmdarbare(Session& session) : Form(session, LayoutOf("frmdarbare")) {}

}  // namespace tubewise
