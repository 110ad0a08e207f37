// The welcome window and the two dialogs it opens: start-up, the first focus, modal about
// and contact dialogs that keep the keyboard and come back the same each time, and the blog
// button's hand-over to the browser.
#include <QPointer>
#include <QTimer>
#include <functional>
#include <map>

#include "chart/frmgraph.h"
#include "entry/frmdel.h"
#include "entry/frmmpn.h"
#include "results/frmresult.h"
#include "shell/frmContact.h"
#include "shell/frmabout.h"
#include "shell/frmdarbare.h"
#include "tests/shell/WindowFixture.h"

namespace tubewise {
namespace {

using testing::WindowTest;

class WelcomeTest : public WindowTest {
  protected:
    void SetUp() override {
        session->seams().openUrl = [this](const QUrl& url) {
            opened.push_back(url);
            return browserAnswers;
        };
    }

    frmabout& Start() {
        frmabout& welcome = StartProgram(*session);
        welcome.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&welcome));
        return welcome;
    }

    // Runs `press`, which should open a modal dialog; while that dialog runs, `whileOpen` gets
    // it, and then the dialog is closed as by its close box. Fails (instead of hanging) when
    // no modal dialog opens.
    void WhileModal(const std::function<void()>& press,
                    const std::function<void(QWidget& dialog)>& whileOpen) {
        bool ran = false;
        QTimer timer;
        timer.setSingleShot(true);
        QObject::connect(&timer, &QTimer::timeout, [&] {
            ran = true;
            QPointer<QWidget> dialog = QApplication::activeModalWidget();
            if (!dialog) {
                ADD_FAILURE() << "no modal dialog is running";
                return;
            }
            whileOpen(*dialog);
            if (dialog) dialog->close();
        });
        timer.start(0);
        press();
        timer.stop();
        EXPECT_TRUE(ran) << "the button returned before any modal dialog ran";
    }

    // Every label's text by name and index, and the caption.
    static std::map<QString, QString> Texts(const QWidget& dialog) {
        std::map<QString, QString> texts{{QStringLiteral("caption"), dialog.windowTitle()}};
        for (const TextLabel* label : dialog.findChildren<TextLabel*>())
            texts[label->objectName() + QString::number(label->property("controlIndex").toInt())] =
                label->text();
        return texts;
    }

    std::vector<QUrl> opened;
    bool browserAnswers = true;
};

TEST_F(WelcomeTest, StartShowsTheWelcomeWindowAloneWithTheFocusOnContact) {
    frmabout& welcome = Start();
    EXPECT_TRUE(welcome.isVisible());
    EXPECT_EQ(welcome.windowTitle(), "Tubewise");
    EXPECT_EQ(FocusName(), "cmdcontact");
    EXPECT_FALSE(session->isBuilt<frmdel>());
    EXPECT_FALSE(session->isBuilt<frmmpn>());
    EXPECT_FALSE(session->isBuilt<frmresult>());
    EXPECT_FALSE(session->isBuilt<frmgraph>());
    EXPECT_FALSE(session->isBuilt<frmContact>());
    EXPECT_FALSE(session->isBuilt<frmdarbare>());
}

TEST_F(WelcomeTest, EnterOnTheFreshWindowOpensTheContactDialogModal) {
    frmabout& welcome = Start();
    WhileModal([] { PressKey(Qt::Key_Return); },
               [&](QWidget& dialog) {
                   EXPECT_EQ(dialog.objectName(), "frmContact");
                   // A click on the welcome window's enter button goes nowhere meanwhile.
                   PictureButton* enter = welcome.controls().cmdenter;
                   QTest::mouseClick(welcome.windowHandle(), Qt::LeftButton, {},
                                     enter->mapTo(&welcome, enter->rect().center()));
                   EXPECT_FALSE(session->isBuilt<frmdel>());
                   EXPECT_TRUE(welcome.isVisible());
               });
    EXPECT_FALSE(session->isBuilt<frmContact>()) << "closed, so discarded";
    EXPECT_TRUE(welcome.isEnabled());
    EXPECT_EQ(quits, 0);
}

struct DialogCase {
    PictureButton* frmabout::Controls::*button;
    const char* window;
    const char* caption;
};

class DialogTest : public WelcomeTest, public ::testing::WithParamInterface<DialogCase> {};

TEST_P(DialogTest, ShowsTheSameTextsEachTimeItOpens) {
    frmabout& welcome = Start();
    std::vector<std::map<QString, QString>> seen;
    for (int round = 0; round < 2; ++round) {
        WhileModal([&] { (welcome.controls().*GetParam().button)->click(); },
                   [&](QWidget& dialog) {
                       EXPECT_EQ(dialog.objectName(), GetParam().window);
                       seen.push_back(Texts(dialog));
                       // Something a previous opening changed must not come back.
                       for (TextLabel* label : dialog.findChildren<TextLabel*>())
                           label->setText(QStringLiteral("changed"));
                   });
    }
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0], seen[1]);
    EXPECT_EQ(seen[0][QStringLiteral("caption")], GetParam().caption);
    EXPECT_EQ(quits, 0);
}

TEST_P(DialogTest, EnterAndEscapeLeaveItOpenWithTheFocusOnTheWindow) {
    frmabout& welcome = Start();
    WhileModal(
        [&] { (welcome.controls().*GetParam().button)->click(); },
        [&](QWidget& dialog) {
            ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
            EXPECT_EQ(QApplication::focusWidget(), &dialog)
                << "no control takes focus, but " << FocusName().toStdString() << " has it";
            for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape, Qt::Key_Tab}) {
                PressKey(key);
                EXPECT_TRUE(dialog.isVisible()) << key;
                EXPECT_EQ(QApplication::focusWidget(), &dialog) << key;
            }
            EXPECT_FALSE(session->isBuilt<frmdel>()) << "no key reached the welcome window";
        });
}

INSTANTIATE_TEST_SUITE_P(
    Welcome, DialogTest,
    ::testing::Values(DialogCase{&frmabout::Controls::cmddarbare, "frmdarbare", "MPN"},
                      DialogCase{&frmabout::Controls::cmdcontact, "frmContact", "About"}),
    [](const auto& info) { return std::string(info.param.window); });

// Modality alone keeps the other windows from the keyboard while the dialog runs modal; the
// dialog itself also asks for the focus back whenever it loses it, shown modal or not.
TEST_F(WelcomeTest, AboutDialogTakesTheKeyboardBackFromAnotherWindow) {
    frmabout& welcome = Start();
    frmdarbare& about = session->form<frmdarbare>();
    ShowActive(about);
    ASSERT_EQ(QApplication::focusWidget(), &about);
    welcome.activateWindow();
    QTest::qWait(100);
    EXPECT_EQ(QApplication::focusWidget(), &about) << FocusName().toStdString();
    EXPECT_EQ(QApplication::activeWindow(), &about);

    about.hide();
    welcome.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&welcome)) << "a hidden dialog lets go";
}

TEST_F(WelcomeTest, AfterTheContactDialogClosesTheButtonsWork) {
    frmabout& welcome = Start();
    WhileModal([&] { welcome.controls().cmdcontact->click(); }, [](QWidget&) {});
    EXPECT_TRUE(welcome.isEnabled());
    ASSERT_TRUE(QTest::qWaitForWindowActive(&welcome));

    WhileModal([&] { welcome.controls().cmddarbare->click(); },
               [](QWidget& dialog) { EXPECT_EQ(dialog.objectName(), "frmdarbare"); });
    welcome.controls().cmdblog->click();
    EXPECT_EQ(opened.size(), 1u);
    welcome.controls().cmdenter->click();
    EXPECT_TRUE(session->form<frmdel>().isVisible());
    EXPECT_FALSE(welcome.isVisible());
}

// Only the contact card's close gives the welcome window its input back; the about dialog
// leaves the welcome window as it finds it.
TEST_F(WelcomeTest, ClosingTheContactCardEnablesTheWelcomeWindow) {
    frmabout& welcome = Start();
    welcome.setEnabled(false);
    WhileModal([&] { session->form<frmdarbare>().ShowModal(); }, [](QWidget&) {});
    EXPECT_FALSE(welcome.isEnabled());
    WhileModal([&] { session->form<frmContact>().ShowModal(); }, [](QWidget&) {});
    EXPECT_TRUE(welcome.isEnabled());
}

class BlogTest : public WelcomeTest, public ::testing::WithParamInterface<bool> {};

TEST_P(BlogTest, HandsTheAddressToTheBrowserAndShowsNothingWhateverTheOutcome) {
    browserAnswers = GetParam();
    frmabout& welcome = Start();
    QEvent enter(QEvent::Enter);
    QCoreApplication::sendEvent(welcome.controls().cmdblog, &enter);
    PressKey(Qt::Key_Return);
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0], QUrl(QStringLiteral(TUBEWISE_AUTHOR_WEB)));
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(welcome.isVisible());
    EXPECT_EQ(FocusName(), "cmdblog");
    for (QWidget* w : QApplication::topLevelWidgets())
        EXPECT_TRUE(w == &welcome || !w->isVisible()) << w->objectName().toStdString();
    // The contact card's web line names the same address.
    const QString webLine = session->form<frmContact>().controls().Label1[4]->text();
    EXPECT_EQ(QUrl(webLine.mid(webLine.indexOf(QLatin1String(": ")) + 2)), opened[0]);
}

INSTANTIATE_TEST_SUITE_P(Welcome, BlogTest, ::testing::Values(true, false), [](const auto& info) {
    return std::string(info.param ? "BrowserOpened" : "NoBrowser");
});

}  // namespace
}  // namespace tubewise
