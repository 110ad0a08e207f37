// The whole road through the program, walked as an analyst would with the keyboard: from the
// welcome window through two calculations and a saved chart to the exit.
#include <QImageReader>
#include <QTemporaryDir>

#include "chart/frmgraph.h"
#include "entry/frmdel.h"
#include "entry/frmmpn.h"
#include "results/frmresult.h"
#include "shell/frmabout.h"
#include "tests/shell/WindowFixture.h"

namespace tubewise {
namespace {

using testing::WindowTest;

class RoadTest : public WindowTest {
  protected:
    // A figure as the windows write it, with the locale's decimal separator.
    QString Local(const char* figure) const {
        return QString::fromLatin1(figure).replace(
            QLatin1Char('.'), QString::fromStdString(session->numberLocale().decimalSeparator));
    }

    // Tab until `control` has the focus (it must come within a round of the tab order), then
    // type `text` into it.
    void TabTo(const char* control, const QString& text = QString()) {
        for (int presses = 0; presses < 20 && FocusName() != control; ++presses)
            PressKey(Qt::Key_Tab);
        ASSERT_EQ(FocusName(), control);
        TypeText(text);
    }

    // The one visible window of that name, or nullptr.
    static Form* Visible(const char* name) {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == QLatin1String(name) && w->isVisible())
                return qobject_cast<Form*>(w);
        return nullptr;
    }

    // Alt+Tab, as far as the test can tell: the window manager gives the keyboard to `window`.
    static void SwitchTo(QWidget& window) {
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }
};

TEST_F(RoadTest, AnAnalystWalksFromStartToExitWithTheKeyboard) {
    QTemporaryDir pictures;
    ASSERT_TRUE(pictures.isValid());
    std::vector<QString> offeredNames;
    session->seams().saveFileName = [&](QWidget*, const QString&, const QString& lastName) {
        offeredNames.push_back(lastName);
        return pictures.filePath(QStringLiteral("coliforms"));
    };

    // The program starts at its welcome window, and nothing else exists yet.
    frmabout& welcome = StartProgram(*session);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&welcome));
    EXPECT_FALSE(session->isBuilt<frmdel>());

    // She moves the pointer over "enter the program" and presses Enter.
    QTest::mouseMove(welcome.button("cmdenter"));
    ASSERT_EQ(FocusName(), "cmdenter");
    PressKey(Qt::Key_Return);
    ASSERT_NE(Visible("frmdel"), nullptr);
    EXPECT_FALSE(welcome.isVisible());

    // Three dilutions; she confirms with the register button, one Shift+Tab away.
    ASSERT_EQ(FocusName(), "txtdilnum");
    TypeText(QStringLiteral("3"));
    PressKey(Qt::Key_Backtab, Qt::ShiftModifier);
    ASSERT_EQ(FocusName(), "cmdset");
    PressKey(Qt::Key_Return);

    // The grid opens three rows; she types the tubes in tab order: positives, negatives, then
    // the volumes from the bottom row up.
    frmmpn& grid = session->form<frmmpn>();
    ASSERT_TRUE(grid.isVisible());
    EXPECT_EQ(FocusName(), "Command1");
    const struct {
        const char* cell;
        const char* text;
    } firstSeries[] = {{"txtp(1)", "5"},   {"txtp(2)", "3"}, {"txtp(3)", "0"},
                       {"txtq(1)", "0"},   {"txtq(2)", "2"}, {"txtq(3)", "5"},
                       {"txtn(3)", "0.1"}, {"txtn(2)", "1"}, {"txtn(1)", "10"}};
    for (const auto& step : firstSeries) {
        PressKey(Qt::Key_Tab);
        if (step.cell == std::string("txtn(3)")) {
            ASSERT_EQ(FocusName(), "cmddilchange");
            PressKey(Qt::Key_Tab);
        }
        ASSERT_EQ(FocusName(), step.cell);
        TypeText(Local(step.text));
    }

    // Round to the calculate button and press it.
    TabTo("Command1");
    PressKey(Qt::Key_Return);
    ASSERT_TRUE(messages.empty()) << messages.front().prompt.toStdString();
    frmresult& results = session->form<frmresult>();
    ASSERT_TRUE(results.isVisible());
    EXPECT_FALSE(grid.isVisible());
    EXPECT_EQ(results.textBox("txtresult", 1)->text(), Local("0.792"));
    EXPECT_EQ(results.textBox("txtresult", 2)->text(), Local("79.2"));
    EXPECT_EQ(results.textBox("txtthomas")->text(), Local("67.916"));

    // The Poisson curve button is next in the tab order; the chart opens with its save button
    // under the keyboard, and the picture is written where the dialog says.
    TabTo("Command1");
    PressKey(Qt::Key_Return);
    frmgraph& chart = session->form<frmgraph>();
    ASSERT_TRUE(chart.isVisible());
    ASSERT_TRUE(QTest::qWaitForWindowActive(&chart));
    ASSERT_EQ(FocusName(), "Command1");
    PressKey(Qt::Key_Return);
    ASSERT_EQ(offeredNames.size(), 1u);
    QImageReader picture(pictures.filePath(QStringLiteral("coliforms.GIF")));
    EXPECT_EQ(picture.format(), "gif");
    EXPECT_EQ(picture.size(), QSize(800, 400));
    EXPECT_TRUE(messages.empty());

    // She goes back to the results window and returns to the grid, which kept her figures.
    SwitchTo(results);
    TabTo("cmdreturn");
    PressKey(Qt::Key_Return);
    ASSERT_TRUE(grid.isVisible());
    EXPECT_FALSE(results.isVisible());
    EXPECT_EQ(grid.textBox("txtn", 3)->text(), Local("0.1"));

    // A new sample in two dilutions: change dilution empties the grid and asks again.
    TabTo("cmddilchange");
    PressKey(Qt::Key_Return);
    frmdel& count = session->form<frmdel>();
    ASSERT_TRUE(count.isVisible());
    EXPECT_FALSE(grid.isVisible());
    ASSERT_EQ(FocusName(), "txtdilnum");
    EXPECT_FALSE(count.button("cmdset")->isEnabled());
    TypeText(QStringLiteral("2"));
    PressKey(Qt::Key_Backtab, Qt::ShiftModifier);
    PressKey(Qt::Key_Return);
    ASSERT_TRUE(grid.isVisible());
    EXPECT_TRUE(grid.textBox("txtn", 1)->text().isEmpty());
    EXPECT_FALSE(grid.textBox("txtp", 3)->isEnabled());

    // Two rows of 1 mL with five of ten tubes positive: the likelihood peaks at ln 2 per mL,
    // and Thomas gives 100 x 5 / sqrt(5 x 10).
    TabTo("txtp(1)", QStringLiteral("3"));
    TabTo("txtp(2)", QStringLiteral("2"));
    TabTo("txtq(1)", QStringLiteral("2"));
    TabTo("txtq(2)", QStringLiteral("3"));
    TabTo("txtn(2)", QStringLiteral("1"));
    TabTo("txtn(1)", QStringLiteral("1"));
    TabTo("Command1");
    PressKey(Qt::Key_Return);
    ASSERT_TRUE(results.isVisible());
    EXPECT_EQ(results.textBox("txtresult", 1)->text(), Local("0.693"));
    EXPECT_EQ(results.textBox("txtresult", 2)->text(), Local("69.3"));
    EXPECT_EQ(results.textBox("txtthomas")->text(), Local("70.711"));
    // The chart window, still open, shows the new curve.
    EXPECT_TRUE(chart.isVisible());
    EXPECT_EQ(chart.drawn().title.rfind("(MPN = 69.3)", 0), 0u) << chart.drawn().title;

    // Back to the grid, on to the count dialog, and out through its exit button.
    SwitchTo(results);
    TabTo("cmdreturn");
    PressKey(Qt::Key_Return);
    TabTo("cmddilchange");
    PressKey(Qt::Key_Return);
    TabTo("cmdexit");
    EXPECT_EQ(quits, 0);
    PressKey(Qt::Key_Return);
    EXPECT_EQ(quits, 1);
    EXPECT_TRUE(session->ending());
    EXPECT_TRUE(messages.empty());
}

}  // namespace
}  // namespace tubewise
