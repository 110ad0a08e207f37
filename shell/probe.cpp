// Developer's probe, not part of the program: measures start-up to the painted welcome window,
// and walks the program's road taking a picture of every window.
//   tubewise-probe startup     prints milliseconds from process start and from main() to
//                              the first painted welcome window, then quits
//   tubewise-probe shots DIR   writes DIR/<window>.png for all seven windows
#include <unistd.h>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QPixmap>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <sstream>

#include "entry/frmdel.h"
#include "entry/frmmpn.h"
#include "shell/Session.h"
#include "shell/frmContact.h"
#include "shell/frmabout.h"
#include "shell/frmdarbare.h"

namespace {

using namespace tubewise;

// Milliseconds since the kernel started this process (start time in clock ticks since boot).
double MsSinceProcessStart() {
    std::ifstream stat("/proc/self/stat");
    std::string content((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    const auto close = content.rfind(')');
    if (close == std::string::npos) return -1;
    std::istringstream fields(content.substr(close + 2));
    std::string field;
    unsigned long long startTicks = 0;
    for (int i = 3; i <= 22 && fields >> field; ++i)
        if (i == 22) startTicks = std::stoull(field);
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    const double nowMs = now.tv_sec * 1000.0 + now.tv_nsec / 1e6;
    return nowMs - startTicks * 1000.0 / static_cast<double>(sysconf(_SC_CLK_TCK));
}

class FirstPaint : public QObject {
  public:
    FirstPaint(const QElapsedTimer& sinceMain) : sinceMain_(sinceMain) {}
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && !done_) {
            done_ = true;
            // Report once the painted frame has been handed to the screen.
            QTimer::singleShot(0, [this] {
                std::printf("process-start-to-welcome-ms %.1f\nmain-to-welcome-ms %.1f\n",
                            MsSinceProcessStart(), sinceMain_.nsecsElapsed() / 1e6);
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
        }
        return false;
    }

  private:
    const QElapsedTimer& sinceMain_;
    bool done_ = false;
};

int Startup(QElapsedTimer& sinceMain) {
    Session session;
    FirstPaint probe(sinceMain);
    frmabout& welcome = session.form<frmabout>();
    welcome.installEventFilter(&probe);
    welcome.show();
    return QApplication::exec();
}

// The window's picture with its frame when a window manager draws one.
void Shoot(QWidget& window, const QString& dir) {
    window.move(40, 40);
    window.show();
    window.raise();
    window.activateWindow();
    if (!QTest::qWaitForWindowExposed(&window, 3000)) std::fprintf(stderr, "not exposed\n");
    QTest::qWait(300);
    QPixmap shot;
    if (QGuiApplication::platformName() == QLatin1String("xcb")) {
        const QRect frame = window.frameGeometry();
        shot = window.screen()->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height());
    } else {
        shot = window.grab();
    }
    const QString path = dir + QLatin1Char('/') + window.objectName() + QStringLiteral(".png");
    shot.save(path);
    std::printf("%s %dx%d\n", qPrintable(path), shot.width(), shot.height());
}

QWidget* VisibleWindow(const char* name) {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String(name) && w->isVisible()) return w;
    return nullptr;
}

int Shots(const QString& dir) {
    QDir().mkpath(dir);
    Seams seams = Seams::Desktop();
    seams.message = [](QWidget*, const QString& prompt, const QString&) {
        std::printf("message: %s\n", qPrintable(prompt));
    };
    seams.quit = [] {};
    Session session(seams);

    frmabout& welcome = session.form<frmabout>();
    Shoot(welcome, dir);
    for (Form* dialog : {static_cast<Form*>(&session.form<frmdarbare>()),
                         static_cast<Form*>(&session.form<frmContact>())}) {
        Shoot(*dialog, dir);
        dialog->hide();
    }

    welcome.button("cmdenter")->click();
    frmdel& count = session.form<frmdel>();
    QTest::keyClicks(count.textBox("txtdilnum"), QStringLiteral("3"));
    Shoot(count, dir);
    count.button("cmdset")->click();

    frmmpn& grid = session.form<frmmpn>();
    const char* rows[3][3] = {{"10", "5", "0"}, {"1", "3", "2"}, {"0.1", "0", "5"}};
    for (int i = 1; i <= 3; ++i) {
        grid.textBox("txtn", i)->setText(QString::fromLatin1(rows[i - 1][0]));
        grid.textBox("txtp", i)->setText(QString::fromLatin1(rows[i - 1][1]));
        grid.textBox("txtq", i)->setText(QString::fromLatin1(rows[i - 1][2]));
    }
    Shoot(grid, dir);

    // Calculate, then the chart button of the results window.
    grid.calculateButton()->click();
    QWidget* results = VisibleWindow("frmresult");
    if (!results) {
        std::fprintf(stderr, "the calculate button showed no results window\n");
        return 1;
    }
    Shoot(*results, dir);
    qobject_cast<Form*>(results)->button("Command1")->click();
    QWidget* chart = VisibleWindow("frmgraph");
    if (!chart) {
        std::fprintf(stderr, "the chart button showed no chart window\n");
        return 1;
    }
    Shoot(*chart, dir);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    QElapsedTimer sinceMain;
    sinceMain.start();
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    const QStringList args = QApplication::arguments();
    if (args.size() >= 2 && args[1] == QLatin1String("startup")) return Startup(sinceMain);
    if (args.size() >= 3 && args[1] == QLatin1String("shots")) return Shots(args[2]);
    std::fprintf(stderr, "usage: tubewise-probe startup | shots DIR\n");
    return 2;
}
