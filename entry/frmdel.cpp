// Dilution-count dialog handlers: the count check, the confirmation and the exit.
#include "entry/frmdel.h"

#include <cmath>

#include "core/GridTexts.h"
#include "core/NumberText.h"
#include "core/Texts.h"
#include "shell/Session.h"

namespace tubewise {

frmdel::frmdel(Session& session)
    : Form(session, Table().spec()), controls_(Table().Bind(rowWidgets())) {
    setHoverFocus({controls_.cmdset, controls_.cmdexit});
    connect(controls_.txtdilnum, &QLineEdit::textChanged, this, [this] {
        if (!this->session().ending()) CheckCount();
    });
    onClick(controls_.cmdset, [this] { Confirm(); });
    onClick(controls_.cmdexit, [this] { emit exitRequested(); });
    Retranslate();
}

void frmdel::Retranslate() {
    // The dialog's caption is empty; a screen reader still says what it asks for.
    setAccessibleName(tr("تعداد دفعات رقيق سازي"));
    TextBox* count = controls_.txtdilnum;
    count->setAccessibleName(accessibleName());
    count->setAccessibleDescription(controls_.lbldilno->text());
}

void frmdel::Reset() {
    controls_.cmdset->setEnabled(false);
    controls_.txtdilnum->setText(QString());
}

void frmdel::CheckCount() {
    TextBox* box = controls_.txtdilnum;
    const std::string text = box->text().toStdString();
    const std::optional<double> x = TextToFloat(text, session().numberLocale());
    if (!x) {
        if (text.empty()) return;
        session().tell(this,
                       {text::Tr(text::kNumbersOnlyPrompt), text::Tr(text::kWrongInputTitle)});
        box->setText(QString());  // re-runs this check on the empty text, which does nothing
        return;
    }
    if (*x == std::trunc(*x) && *x >= 1 && *x <= 5) {
        controls_.cmdset->setEnabled(true);
        return;
    }
    session().tell(this, {text::Tr(text::kWholeOneToFivePrompt), text::Tr(text::kWrongInputTitle)});
    box->setText(QString());
}

void frmdel::Confirm() {
    const std::string text = controls_.txtdilnum->text().toStdString();
    if (text.empty()) {
        session().tell(this, {text::Tr(text::kNoCountPrompt), text::Tr(text::kNoDataTitle)});
        if (!session().ending()) emit countRefused();
        return;
    }
    // The check lets only whole numbers from 1 to 5 stand in the box; anything else reaching
    // here is refused the same way rather than opening rows that do not exist.
    const std::optional<Int16> count = TextToInt16(text, session().numberLocale());
    if (!count || *count < 1 || *count > kGridRows) {
        session().tell(this,
                       {text::Tr(text::kWholeOneToFivePrompt), text::Tr(text::kWrongInputTitle)});
        if (!session().ending()) emit countRefused();
        return;
    }
    emit countConfirmed(*count);
}

}  // namespace tubewise
