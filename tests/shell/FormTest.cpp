// Window lifetimes and the behaviour every window shares: built lazily and once, kept while
// hidden, built afresh after closing, the program ending from a close box, hover focus,
// Enter and Space on the focused button, and modal showing.
#include <QTimer>

#include "chart/frmgraph.h"
#include "entry/frmdel.h"
#include "entry/frmmpn.h"
#include "shell/frmContact.h"
#include "shell/frmabout.h"
#include "shell/frmdarbare.h"
#include "tests/shell/WindowFixture.h"

namespace tubewise {
namespace {

using testing::WindowTest;

class FormTest : public WindowTest {};

TEST_F(FormTest, WindowsAreBuiltOnFirstReferenceOnceAndHidden) {
    EXPECT_FALSE(session->isBuilt<frmdarbare>());
    frmdarbare& first = session->form<frmdarbare>();
    EXPECT_TRUE(session->isBuilt<frmdarbare>());
    EXPECT_FALSE(first.isVisible());
    EXPECT_EQ(&session->form<frmdarbare>(), &first);
    EXPECT_FALSE(session->isBuilt<frmContact>()) << "nothing else was referenced";
}

TEST_F(FormTest, ChangesSurviveHidingButNotClosing) {
    frmdarbare& about = session->form<frmdarbare>();
    const QString original = about.controls().Label1[0]->text();
    about.controls().Label1[0]->setText(QStringLiteral("changed"));
    about.show();
    about.hide();
    about.show();
    EXPECT_EQ(about.controls().Label1[0]->text(), "changed");

    about.close();
    EXPECT_FALSE(session->isBuilt<frmdarbare>()) << "a closed window is discarded at once";
    EXPECT_EQ(quits, 0) << "closing the about dialog does not end the program";
    EXPECT_EQ(session->form<frmdarbare>().controls().Label1[0]->text(), original);
}

TEST_F(FormTest, ClosingTheContactDialogKeepsTheProgramRunning) {
    session->form<frmContact>().show();
    session->form<frmContact>().close();
    EXPECT_EQ(quits, 0);
    EXPECT_FALSE(session->isBuilt<frmContact>());
}

enum class Closing { Welcome, CountDialog, Grid };

class CloseBoxTest : public WindowTest, public ::testing::WithParamInterface<Closing> {
  protected:
    Form& Window() {
        switch (GetParam()) {
            case Closing::Welcome:
                return session->form<frmabout>();
            case Closing::CountDialog:
                return session->form<frmdel>();
            case Closing::Grid:
                return session->form<frmmpn>();
        }
        return session->form<frmabout>();
    }
};

TEST_P(CloseBoxTest, EndsTheProgramAtOnceAndClosesEveryWindow) {
    frmabout& welcome = session->form<frmabout>();
    welcome.show();
    session->form<frmdel>().show();
    session->form<frmmpn>().show();
    Window().close();
    EXPECT_EQ(quits, 1);
    EXPECT_TRUE(session->ending());
    EXPECT_FALSE(welcome.isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(session->isBuilt<frmabout>());
    EXPECT_FALSE(session->isBuilt<frmdel>());
    EXPECT_FALSE(session->isBuilt<frmmpn>());
    EXPECT_TRUE(messages.empty()) << "nothing is asked";
}

INSTANTIATE_TEST_SUITE_P(Windows, CloseBoxTest,
                         ::testing::Values(Closing::Welcome, Closing::CountDialog, Closing::Grid));

TEST_F(FormTest, NoHandlerRunsOnceTheProgramIsEnding) {
    frmabout& welcome = session->form<frmabout>();
    welcome.show();
    PictureButton* enter = welcome.controls().cmdenter;
    session->EndProgram();
    enter->click();
    EXPECT_FALSE(session->isBuilt<frmdel>());
    session->EndProgram();
    EXPECT_EQ(quits, 1) << "ending twice ends once";
}

TEST_F(FormTest, EnterButtonShowsTheCountDialogAndHidesTheWelcomeWindow) {
    frmabout& welcome = session->form<frmabout>();
    ShowActive(welcome);
    EXPECT_EQ(FocusName(), "cmdcontact");
    // The pointer over the enter button takes the focus there; Enter then presses it.
    QEvent enter(QEvent::Enter);
    QCoreApplication::sendEvent(welcome.controls().cmdenter, &enter);
    EXPECT_EQ(FocusName(), "cmdenter");
    QTest::keyClick(welcome.controls().cmdenter, Qt::Key_Return);
    EXPECT_TRUE(session->form<frmdel>().isVisible());
    EXPECT_FALSE(welcome.isVisible());
    EXPECT_TRUE(session->isBuilt<frmabout>()) << "hidden, not closed";
    EXPECT_EQ(quits, 0);
}

TEST_F(FormTest, HoverMovesTheFocusToEachNamedButton) {
    frmabout& welcome = session->form<frmabout>();
    ShowActive(welcome);
    using C = frmabout::Controls;
    const std::pair<const char*, PictureButton * C::*> buttons[] = {{"cmddarbare", &C::cmddarbare},
                                                                    {"cmdblog", &C::cmdblog},
                                                                    {"cmdenter", &C::cmdenter},
                                                                    {"cmdcontact", &C::cmdcontact},
                                                                    {"cmdblog", &C::cmdblog}};
    for (const auto& [name, button] : buttons) {
        QEvent enter(QEvent::Enter);
        QCoreApplication::sendEvent(welcome.controls().*button, &enter);
        EXPECT_EQ(FocusName(), name);
    }
}

TEST_F(FormTest, KeysPressTheFocusedButton) {
    struct Row {
        Qt::Key key;
        int clicks;
    } rows[] = {{Qt::Key_Return, 1}, {Qt::Key_Enter, 1}, {Qt::Key_Space, 1}, {Qt::Key_A, 0}};
    for (const Row& r : rows) {
        SCOPED_TRACE(r.key);
        Form window(*session, frmgraph::Table().spec());
        ShowActive(window);
        PictureButton* save = frmgraph::Table().Bind(window.rowWidgets()).Command1;
        ASSERT_EQ(QApplication::focusWidget(), save);
        int clicks = 0;
        QObject::connect(save, &QPushButton::clicked, [&] { ++clicks; });
        QTest::keyClick(save, r.key);
        EXPECT_EQ(clicks, r.clicks);
    }
}

TEST_F(FormTest, ShowModalReturnsWhenTheWindowIsClosed) {
    frmdarbare& about = session->form<frmdarbare>();
    bool wasModal = false;
    QTimer::singleShot(0, [&] {
        wasModal = QApplication::activeModalWidget() == &about;
        about.close();
    });
    about.ShowModal();
    EXPECT_TRUE(wasModal);
    EXPECT_FALSE(session->isBuilt<frmdarbare>());
    EXPECT_EQ(quits, 0);
}

TEST_F(FormTest, EmptyCaptionStaysEmpty) {
    frmdel& dialog = session->form<frmdel>();
    dialog.show();
    EXPECT_TRUE(dialog.windowTitle().isEmpty());
    ASSERT_NE(dialog.windowHandle(), nullptr);
    EXPECT_TRUE(dialog.windowHandle()->title().trimmed().isEmpty())
        << "the program's name must not fill the title bar";
}

}  // namespace
}  // namespace tubewise
