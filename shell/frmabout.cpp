// Welcome window handlers.
#include "shell/frmabout.h"

#include "entry/frmdel.h"
#include "shell/Layout.h"
#include "shell/Session.h"

namespace tubewise {

frmabout::frmabout(Session& session) : Form(session, LayoutOf("frmabout")) {
    setHoverFocus({"cmdenter", "cmddarbare", "cmdcontact", "cmdblog"});
    onClick(button("cmdenter"), [this] {
        this->session().form<frmdel>().show();
        hide();
    });
}

void frmabout::Unload() {
    session().EndProgram();
}

}  // namespace tubewise
