// A fresh session per test, wired as the program wires it, whose seams record messages and the
// end of the program instead of opening boxes, dialogs or a browser; shared by the window tests.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QString>
#include <QTest>
#include <QWindow>
#include <memory>
#include <string>
#include <vector>

#include "app/Road.h"
#include "app/WindowTables.h"
#include "i18n/Language.h"
#include "shell/Form.h"
#include "shell/Session.h"

namespace tubewise::testing {

struct ShownMessage {
    QWidget* parent;
    QString prompt;
    QString title;
};

class WindowTest : public ::testing::Test {
  protected:
    WindowTest() {
        Seams seams;
        seams.message = [this](QWidget* parent, const QString& prompt, const QString& title) {
            messages.push_back({parent, prompt, title});
        };
        seams.saveFileName = [](QWidget*, const QString&, const QString&) {
            ADD_FAILURE() << "unexpected save dialog";
            return QString();
        };
        seams.openUrl = [](const QUrl&) {
            ADD_FAILURE() << "unexpected browser";
            return false;
        };
        seams.quit = [this] { ++quits; };
        seams.rememberLanguage = [this](Language language) { remembered.push_back(language); };
        seams.readSiteProfiles = [this] { return keptProfiles; };
        seams.keepSiteProfiles = [this](const std::string& text) {
            if (!profilesWritable) return false;
            keptProfiles = text;
            return true;
        };
        session = std::make_unique<Session>(seams);
        road = std::make_unique<Road>(*session);
    }
    ~WindowTest() override {
        // Every test starts in Persian, the program's own language.
        UseLanguage(Language::Persian);
        road.reset();
        session.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // The run's language as the program switches it, with every window told at once.
    static void UseLanguageNow(Language language) {
        ASSERT_TRUE(UseLanguage(language));
        QCoreApplication::sendPostedEvents();
    }

    // Shows the window and waits until it has the keyboard.
    static void ShowActive(QWidget& window) {
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    // A key typed on the keyboard: it goes to whichever window has the keyboard, through the
    // window system, so that a window blocked by a modal one does not get it.
    static void PressKey(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWindow* target = QGuiApplication::focusWindow();
        ASSERT_NE(target, nullptr) << "no window has the keyboard";
        QTest::keyClick(target, key, modifiers);
    }
    static void TypeText(const QString& text) {
        for (QChar c : text) {
            QWindow* target = QGuiApplication::focusWindow();
            ASSERT_NE(target, nullptr) << "no window has the keyboard";
            QTest::keyClick(target, c.toLatin1());
        }
    }

    // "name" or "name(index)" of the widget holding the keyboard focus.
    static QString FocusName() {
        QWidget* w = QApplication::focusWidget();
        if (!w) return QStringLiteral("<none>");
        const int index =
            w->property("controlIndex").isValid() ? w->property("controlIndex").toInt() : -1;
        return index < 0 ? w->objectName()
                         : QStringLiteral("%1(%2)").arg(w->objectName()).arg(index);
    }

    std::vector<ShownMessage> messages;
    int quits = 0;
    std::vector<Language> remembered;  // the languages the analyst chose, in order
    std::string keptProfiles;          // the limit profiles as the settings keep them
    bool profilesWritable = true;      // false: the settings refuse to keep them
    std::unique_ptr<Session> session;
    std::unique_ptr<Road> road;  // wires the windows as the program does
};

}  // namespace tubewise::testing
