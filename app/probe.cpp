// Developer's probe, not part of the program: measures start-up to the painted welcome window,
// and walks the program's road taking a picture of every window.
//   tubewise-probe startup     prints milliseconds from process start and from main() to
//                              the first painted welcome window, then quits
//   tubewise-probe shots DIR [fa|en]
//                              walks the road with the keyboard only, in Persian (the
//                              default) or English, and writes DIR/<window>.png for all
//                              eight windows
//   tubewise-probe trayshots DIR [fa|en]
//                              walks from the welcome window to the tray window and the
//                              statistics window with a 97-well tray, by the keyboard, and
//                              writes DIR/frmtray.png, DIR/frmstats-tray.png and the
//                              report DIR/report-tray.pdf
//   tubewise-probe siteshots DIR [fa|en]
//                              on a throw-away register of 24 weekly samples of one site,
//                              walks from the register window to the site window by the
//                              keyboard, a limit typed, and writes DIR/frmsite.png and the
//                              site report DIR/report-site.pdf
#include <unistd.h>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QPixmap>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <sstream>

#include "app/Road.h"
#include "entry/frmdel.h"
#include "entry/frmmpn.h"
#include "i18n/Language.h"
#include "register/RecordCompute.h"
#include "register/RegisterEntry.h"
#include "register/RegisterStore.h"
#include "results/ReportPdf.h"
#include "results/frmstats.h"
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
    Road road(session);
    FirstPaint probe(sinceMain);
    frmabout& welcome = session.form<frmabout>();
    welcome.installEventFilter(&probe);
    welcome.show();
    return QApplication::exec();
}

// The window's picture with its frame when a window manager draws one.
void Shoot(QWidget& window, const QString& dir, const QString& name = QString()) {
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
    const QString path = dir + QLatin1Char('/') + (name.isEmpty() ? window.objectName() : name) +
                         QStringLiteral(".png");
    shot.save(path);
    std::printf("%s %dx%d\n", qPrintable(path), shot.width(), shot.height());
}

QWidget* VisibleWindow(const char* name) {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String(name) && w->isVisible()) return w;
    return nullptr;
}

// The keyboard, through the window system to whichever window has it, as an analyst types.
void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    if (QWindow* target = QGuiApplication::focusWindow())
        QTest::keyClick(target, key, modifiers);
    else
        std::fprintf(stderr, "no window has the keyboard\n");
    QTest::qWait(20);
}

void Type(const QString& text) {
    for (QChar c : text)
        if (QWindow* target = QGuiApplication::focusWindow()) QTest::keyClick(target, c.toLatin1());
    QTest::qWait(20);
}

QString FocusName() {
    QWidget* w = QApplication::focusWidget();
    if (!w) return QStringLiteral("<none>");
    const int index =
        w->property("controlIndex").isValid() ? w->property("controlIndex").toInt() : -1;
    return index < 0 ? w->objectName() : QStringLiteral("%1(%2)").arg(w->objectName()).arg(index);
}

// Waits for the window to take the keyboard, saying so when it does not.
void WaitActive(QWidget* window) {
    if (!QTest::qWaitForWindowActive(window))
        std::fprintf(stderr, "%s did not take the keyboard\n", qPrintable(window->objectName()));
}

// Presses Tab until `control` has the focus; false when a whole round did not reach it.
bool TabTo(const char* control) {
    for (int presses = 0; presses < 20; ++presses) {
        if (FocusName() == QLatin1String(control)) return true;
        Key(Qt::Key_Tab);
    }
    std::fprintf(stderr, "Tab never reached %s (focus on %s)\n", control, qPrintable(FocusName()));
    return false;
}

// Tabs to a welcome window button that opens a modal dialog, presses Enter and takes the
// dialog's picture while it runs; then closes it as its close box would.
void ShootDialog(const char* button, const QString& dir) {
    if (!TabTo(button)) return;
    QTimer::singleShot(0, [dir] {
        QWidget* dialog = QApplication::activeModalWidget();
        if (!dialog) {
            std::fprintf(stderr, "no modal dialog opened\n");
            return;
        }
        Shoot(*dialog, dir);
        dialog->close();
    });
    Key(Qt::Key_Return);
}

// The desktop's seams, but a message is printed instead of waiting on a box, and the program
// does not end while a walk goes on.
Seams WalkSeams() {
    Seams seams = Seams::Desktop();
    seams.message = [](QWidget*, const QString& prompt, const QString&) {
        std::printf("message: %s\n", qPrintable(prompt));
    };
    seams.quit = [] {};
    return seams;
}

// Walks the road with the keyboard only, taking each window's picture on the way.
int Shots(const QString& dir) {
    QDir().mkpath(dir);
    Seams seams = WalkSeams();
    Session session(seams);
    Road road(session);

    frmabout& welcome = StartProgram(session);
    Shoot(welcome, dir);
    ShootDialog("cmddarbare", dir);
    WaitActive(&welcome);
    ShootDialog("cmdcontact", dir);
    WaitActive(&welcome);

    TabTo("cmdenter");
    Key(Qt::Key_Return);
    frmdel& count = session.form<frmdel>();
    WaitActive(&count);
    Type(QStringLiteral("3"));
    Shoot(count, dir);
    Key(Qt::Key_Backtab, Qt::ShiftModifier);
    Key(Qt::Key_Return);

    frmmpn& grid = session.form<frmmpn>();
    WaitActive(&grid);
    const QString point = QString::fromStdString(session.numberLocale().decimalSeparator);
    const struct {
        const char* cell;
        QString text;
    } cells[] = {{"txtp(1)", "5"},
                 {"txtp(2)", "3"},
                 {"txtp(3)", "0"},
                 {"txtq(1)", "0"},
                 {"txtq(2)", "2"},
                 {"txtq(3)", "5"},
                 {"txtn(3)", QStringLiteral("0") + point + QStringLiteral("1")},
                 {"txtn(2)", "1"},
                 {"txtn(1)", "10"}};
    for (const auto& c : cells)
        if (TabTo(c.cell)) Type(c.text);
    TabTo("Command1");
    Shoot(grid, dir);
    Key(Qt::Key_Return);

    QWidget* results = VisibleWindow("frmresult");
    if (!results) {
        std::fprintf(stderr, "the calculate button showed no results window\n");
        return 1;
    }
    WaitActive(results);
    Shoot(*results, dir);
    TabTo("cmdstats");
    Key(Qt::Key_Return);
    QWidget* statistics = VisibleWindow("frmstats");
    if (!statistics) {
        std::fprintf(stderr, "the statistics button showed no statistics window\n");
        return 1;
    }
    WaitActive(statistics);
    if (TabTo("txtsample")) Type(QStringLiteral("Well 3"));
    Shoot(*statistics, dir);
    // The register: the sample saved through the save dialog, then the register window (on
    // TUBEWISE_REGISTER when it is set).
    if (TabTo("cmdregister")) {
        Key(Qt::Key_Return);
        if (QWidget* save = VisibleWindow("frmregsave")) {
            WaitActive(save);
            const struct {
                const char* box;
                QString text;
            } fields[] = {{"txtsampleid", "W-3"},
                          {"txtsite", "Well 3"},
                          {"txtsampled", "2026-12-01 08:00"},
                          {"txtreceived", "2026-12-02 16:30"},
                          {"txtreganalyst", "Sara"}};
            for (const auto& f : fields)
                if (TabTo(f.box)) Type(f.text);
            Shoot(*save, dir);
            if (TabTo("cmdsave")) Key(Qt::Key_Return);
        }
    }
    ShowRegisterWindow(session);
    if (QWidget* registerWindow = VisibleWindow("frmregister")) {
        WaitActive(registerWindow);
        Shoot(*registerWindow, dir);
        registerWindow->close();
    }
    WaitActive(statistics);
    statistics->close();
    WaitActive(results);
    TabTo("Command1");
    Key(Qt::Key_Return);
    QWidget* chart = VisibleWindow("frmgraph");
    if (!chart) {
        std::fprintf(stderr, "the chart button showed no chart window\n");
        return 1;
    }
    Shoot(*chart, dir);
    return 0;
}

// The tray road: 10 large and 5 small positive wells of a 97-well tray, typed and calculated.
int TrayShots(const QString& dir) {
    QDir().mkpath(dir);
    Seams seams = WalkSeams();
    Session session(seams);
    Road road(session);

    frmabout& welcome = StartProgram(session);
    WaitActive(&welcome);
    TabTo("cmdtray");
    Key(Qt::Key_Return);
    QWidget* tray = VisibleWindow("frmtray");
    if (!tray) {
        std::fprintf(stderr, "the tray button showed no tray window\n");
        return 1;
    }
    WaitActive(tray);
    if (TabTo("txtlarge")) Type(QStringLiteral("10"));
    if (TabTo("txtsmall")) Type(QStringLiteral("5"));
    TabTo("cmdcalc");
    Shoot(*tray, dir);
    Key(Qt::Key_Return);
    QWidget* statistics = VisibleWindow("frmstats");
    if (!statistics) {
        std::fprintf(stderr, "the calculate button showed no statistics window\n");
        return 1;
    }
    WaitActive(statistics);
    if (TabTo("txtsample")) Type(QStringLiteral("Tray 7"));
    Shoot(*statistics, dir, QStringLiteral("frmstats-tray"));
    const frmstats& shown = session.form<frmstats>();
    return SaveReportPdf(shown.Report(), shown.ChartPicture(),
                         dir + QStringLiteral("/report-tray.pdf"))
               ? 0
               : 1;
}

// 24 weekly samples of five tubes at 10, 1 and 0.1 mL, one of them with every tube negative
// and one with every tube positive, in a new register at `location`.
bool FillSiteRegister(const QString& location) {
    const int patterns[][3] = {{5, 3, 0}, {4, 1, 0}, {5, 2, 1}, {3, 1, 0}, {5, 4, 1}, {2, 0, 0},
                               {0, 0, 0}, {5, 3, 1}, {4, 2, 0}, {5, 5, 2}, {3, 0, 0}, {5, 1, 0},
                               {4, 1, 1}, {5, 5, 5}, {5, 2, 0}, {2, 1, 0}, {5, 3, 2}, {4, 3, 0},
                               {1, 0, 0}, {5, 4, 0}, {5, 2, 2}, {3, 2, 0}, {5, 4, 2}, {4, 0, 0}};
    QString why;
    auto store = reg::RegisterStore::Open(location, &why);
    if (!store) return false;
    const QDate first(2026, 6, 1);
    int week = 0;
    for (const auto& p : patterns) {
        GridTexts grid{};
        const char* volumes[] = {"10", "1", "0.1"};
        for (int row = 0; row < 3; ++row)
            grid[static_cast<std::size_t>(row)] = {volumes[row], std::to_string(p[row]),
                                                   std::to_string(5 - p[row])};
        const std::string when =
            first.addDays(7 * week).toString(Qt::ISODate).toStdString() + " 08:30";
        reg::RecordVersion draft =
            reg::DraftOfGrid({"R-" + std::to_string(++week), "River A", when, "", "Sara"}, grid, 3,
                             ".", stats::CiMethod::Jarvis, 0.95);
        const auto results = reg::ComputeResults(draft.inputs);
        if (!std::holds_alternative<reg::RecordResults>(results)) return false;
        draft.results = std::get<reg::RecordResults>(results);
        draft.savedAt = "2026-12-01T00:00:00.000Z";
        draft.savedBy = "probe";
        if (!store->Add(draft, &why)) return false;
    }
    return true;
}

// The site road: the register window's site button, a limit typed, the site shown.
int SiteShots(const QString& dir) {
    QDir().mkpath(dir);
    QTemporaryDir scratch;
    const QString location = scratch.filePath(QStringLiteral("register.sqlite"));
    if (!FillSiteRegister(location)) {
        std::fprintf(stderr, "the register could not be filled\n");
        return 1;
    }
    qputenv("TUBEWISE_REGISTER", location.toUtf8());
    Seams seams = WalkSeams();
    seams.readSiteProfiles = [] { return std::string(); };
    seams.keepSiteProfiles = [](const std::string&) { return true; };
    Session session(seams);
    Road road(session);
    ShowRegisterWindow(session);
    QWidget* registerWindow = VisibleWindow("frmregister");
    if (!registerWindow) return 1;
    WaitActive(registerWindow);
    TabTo("cmdsite");
    Key(Qt::Key_Return);
    QWidget* site = VisibleWindow("frmsite");
    if (!site) {
        std::fprintf(stderr, "the site button showed no site window\n");
        return 1;
    }
    registerWindow->hide();
    WaitActive(site);
    if (TabTo("txtlimit")) Type(QStringLiteral("200"));
    if (TabTo("cborule")) Key(Qt::Key_Down);  // guarded
    TabTo("cmdshow");
    Key(Qt::Key_Return);
    Shoot(*site, dir);
    session.seams().saveFileName = [&](QWidget*, const QString&, const QString&) {
        return dir + QStringLiteral("/report-site.pdf");
    };
    SaveSiteReport(session);
    return QFile::exists(dir + QStringLiteral("/report-site.pdf")) ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    QElapsedTimer sinceMain;
    sinceMain.start();
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    const QStringList args = QApplication::arguments();
    if (args.size() >= 2 && args[1] == QLatin1String("startup")) return Startup(sinceMain);
    if (args.size() >= 3 && args[1] == QLatin1String("shots")) {
        const auto language = LanguageFromCode(args.size() >= 4 ? args[3] : QStringLiteral("fa"));
        if (language && UseLanguage(*language)) return Shots(args[2]);
    }
    if (args.size() >= 3 && args[1] == QLatin1String("trayshots")) {
        const auto language = LanguageFromCode(args.size() >= 4 ? args[3] : QStringLiteral("fa"));
        if (language && UseLanguage(*language)) return TrayShots(args[2]);
    }
    if (args.size() >= 3 && args[1] == QLatin1String("siteshots")) {
        const auto language = LanguageFromCode(args.size() >= 4 ? args[3] : QStringLiteral("fa"));
        if (language && UseLanguage(*language)) return SiteShots(args[2]);
    }
    std::fprintf(stderr,
                 "usage: tubewise-probe startup | shots DIR [fa|en] | trayshots DIR [fa|en] | "
                 "siteshots DIR [fa|en]\n");
    return 2;
}
