// Dilution-count dialog handlers: the count check, the confirmation and the exit.
#include "entry/frmdel.h"

#include <cmath>

#include "core/NumberText.h"
#include "entry/ApplyDilutionCount.h"
#include "entry/frmmpn.h"
#include "shell/Session.h"

namespace tubewise {
namespace {

const QString kOnlyNumber = QStringLiteral("! فقط عدد وارد شود ");
const QString kWholeOneToFive = QStringLiteral("! فقط عدد صحيح بين 1 تا 5 وارد شود");
const QString kWrongInput = QStringLiteral("ورودي اشتباه");

}  // namespace

frmdel::frmdel(Session& session) : Form(session, LayoutOf("frmdel")) {
    setHoverFocus({"cmdset", "cmdexit"});
    connect(textBox("txtdilnum"), &QLineEdit::textChanged, this, [this] {
        if (!this->session().ending()) CheckCount();
    });
    onClick(button("cmdset"), [this] { Confirm(); });
    onClick(button("cmdexit"), [this] { this->session().EndProgram(); });
}

void frmdel::Unload() {
    session().EndProgram();
}

void frmdel::CheckCount() {
    TextBox* box = textBox("txtdilnum");
    const std::string text = box->text().toStdString();
    const NumberLocale locale = session().numberLocale();
    const std::optional<double> x = TextToFloat(text, locale);
    if (!x) {
        if (text.empty()) return;
        session().seams().message(this, kOnlyNumber, kWrongInput);
        box->setText(QString());  // re-runs this check on the empty text, which does nothing
        return;
    }
    if (*x == std::trunc(*x) && *x >= 1 && *x <= 5) {
        button("cmdset")->setEnabled(true);
        return;
    }
    session().seams().message(this, kWholeOneToFive, kWrongInput);
    box->setText(QString());
}

void frmdel::Confirm() {
    Module1& state = session().state();
    state.CountEntered = kTrue;
    ApplyDilutionCount(session());
    if (session().ending() || state.CountEntered != kTrue) return;
    hide();
    session().form<frmmpn>().show();
}

}  // namespace tubewise
