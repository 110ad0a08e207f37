// What a screen reader learns of every window, asked through QAccessible as a reader asks: each
// control a name, in both languages; lists tied to the captions that say what they are for.
#include <QAccessible>
#include <QComboBox>
#include <QLabel>

#include "chart/frmgraph.h"
#include "entry/frmdel.h"
#include "entry/frmmpn.h"
#include "results/frmresult.h"
#include "results/frmstats.h"
#include "shell/frmContact.h"
#include "shell/frmabout.h"
#include "shell/frmdarbare.h"
#include "site/frmsite.h"
#include "tests/shell/WindowFixture.h"

namespace tubewise {
namespace {

using testing::WindowTest;

class AccessibilityTest : public WindowTest {
  protected:
    // Every window, the results window filled as it is whenever it is shown.
    std::vector<Form*> EveryWindow() {
        frmmpn& grid = session->form<frmmpn>();
        grid.OpenRows(1);
        Form::SetText(grid.controls().txtn[1], QStringLiteral("10"));
        Form::SetText(grid.controls().txtp[1], QStringLiteral("3"));
        Form::SetText(grid.controls().txtq[1], QStringLiteral("2"));
        RunCalculation(*session);
        return {
            &session->form<frmabout>(),  &session->form<frmdel>(),     &session->form<frmmpn>(),
            &session->form<frmresult>(), &session->form<frmgraph>(),   &session->form<frmContact>(),
            &session->form<frmstats>(),  &session->form<frmdarbare>(), &session->form<frmsite>()};
    }
};

// The caption a reader gives a list: the label it is labelled by (Linux readers name a list
// by its value and say its caption from this relation).
QString LabelOf(QAccessibleInterface* list) {
    for (const auto& [other, relation] : list->relations(QAccessible::Label))
        if (other) return other->text(QAccessible::Name);
    return QString();
}

TEST_F(AccessibilityTest, EveryControlOfEveryWindowHasANameInBothLanguages) {
    for (const Language language : {Language::Persian, Language::English}) {
        UseLanguageNow(language);
        for (Form* window : EveryWindow()) {
            for (std::size_t i = 0; i < window->layout().controls.size(); ++i) {
                QWidget* control = window->rowWidgets()[i];
                if (!control) continue;
                const ControlSpec& spec = window->layout().controls[i];
                SCOPED_TRACE(window->objectName().toStdString() + "." + spec.name + "(" +
                             std::to_string(spec.index) + ")");
                QAccessibleInterface* a = QAccessible::queryAccessibleInterface(control);
                ASSERT_NE(a, nullptr);
                EXPECT_FALSE(a->text(QAccessible::Name).trimmed().isEmpty());
                if (qobject_cast<QComboBox*>(control)) {
                    EXPECT_FALSE(LabelOf(a).trimmed().isEmpty()) << "a list says what it is for";
                    EXPECT_FALSE(a->text(QAccessible::Description).isEmpty());
                }
            }
        }
    }
}

// The statistics window's figures are described by what they hold, its lists are labelled by
// their captions, and the warning line is named even while it says nothing.
TEST_F(AccessibilityTest, TheStatisticsWindowSaysWhatEachFigureAndListIs) {
    frmstats& window = session->form<frmstats>();
    const frmstats::Controls& c = window.controls();
    for (int i = 0; i < 6; ++i) {
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(c.txtstat[i]);
        EXPECT_EQ(a->text(QAccessible::Name), c.lblstat[i]->text().trimmed()) << i;
        EXPECT_FALSE(a->text(QAccessible::Description).isEmpty()) << i;
    }
    const struct {
        QComboBox* list;
        QLabel* caption;
    } lists[] = {{c.cbomethod, c.lblmethod}, {c.cbolevel, c.lbllevel}};
    for (const auto& l : lists)
        EXPECT_EQ(LabelOf(QAccessible::queryAccessibleInterface(l.list)),
                  l.caption->text().trimmed());
    EXPECT_TRUE(c.lblwarn->text().isEmpty());
    EXPECT_FALSE(
        QAccessible::queryAccessibleInterface(c.lblwarn)->text(QAccessible::Name).isEmpty());
}

}  // namespace
}  // namespace tubewise
