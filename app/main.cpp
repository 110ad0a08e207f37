// Tubewise starts at its welcome window.
#include <QApplication>

#include "app/Road.h"
#include "shell/Session.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tubewise"));
    QApplication::setApplicationVersion(QStringLiteral(TUBEWISE_VERSION));
    // The windows' close boxes end the program through the session, not by the last window.
    QApplication::setQuitOnLastWindowClosed(false);
    tubewise::Session session;
    tubewise::Road road(session);
    tubewise::StartProgram(session);
    return app.exec();
}
