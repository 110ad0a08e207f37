// The count from the dialog into the state, and the grid rows it opens.
#include "entry/ApplyDilutionCount.h"

#include "core/NumberText.h"
#include "entry/frmdel.h"
#include "entry/frmmpn.h"
#include "shell/Session.h"

namespace tubewise {
namespace {

const QString kNoCount = QStringLiteral("! تعدادفعات رقيق سازي وارد نشده است");
const QString kNoData = QStringLiteral(" عدم ورود داده");
const QString kWholeOneToFive = QStringLiteral("! فقط عدد صحيح بين 1 تا 5 وارد شود");
const QString kWrongInput = QStringLiteral("ورودي اشتباه");

}  // namespace

void ApplyDilutionCount(Session& session) {
    frmdel& dialog = session.form<frmdel>();
    const std::string text = dialog.textBox("txtdilnum")->text().toStdString();
    Module1& state = session.state();
    if (text.empty()) {
        session.seams().message(&dialog, kNoCount, kNoData);
        state.CountEntered = kFalse;
        return;
    }
    // The dialog's check lets only whole numbers from 1 to 5 stand in the box; anything
    // else reaching here is refused the same way rather than opening rows that do not exist.
    const std::optional<Int16> count = TextToInt16(text, session.numberLocale());
    if (!count || *count < 1 || *count > kGridRows) {
        session.seams().message(&dialog, kWholeOneToFive, kWrongInput);
        state.CountEntered = kFalse;
        return;
    }
    state.DilutionCount = *count;
    frmmpn& grid = session.form<frmmpn>();
    const int rows = state.DilutionCount;
    for (int i = 1; i <= rows; ++i) grid.OpenRow(i);
}

}  // namespace tubewise
