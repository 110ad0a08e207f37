// The register window on a large register: how long it takes to open (its first page shown),
// to scroll a page further, to scroll to the end, and to search; then the site window on it. Run
// offscreen:
//   QT_QPA_PLATFORM=offscreen register_window_bench FILE
// FILE is a register such as `register_bench --make FILE 100000` writes.
#include <QApplication>
#include <QElapsedTimer>
#include <QScrollBar>
#include <QTableView>
#include <cstdio>

#include "app/Road.h"
#include "register/RegisterTableModel.h"
#include "register/frmregister.h"
#include "shell/Session.h"
#include "site/frmsite.h"

using namespace tubewise;

namespace {

double Ms(const QElapsedTimer& t) {
    return static_cast<double>(t.nsecsElapsed()) / 1e6;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: register_window_bench FILE\n");
        return 64;
    }
    qputenv("TUBEWISE_REGISTER", QByteArray(argv[1]));
    Seams seams;
    seams.message = [](QWidget*, const QString& prompt, const QString&) {
        std::fprintf(stderr, "%s\n", qPrintable(prompt));
    };
    Session session(seams);
    Road road(session);

    QElapsedTimer t;
    t.start();
    ShowRegisterWindow(session);
    frmregister& window = session.form<frmregister>();
    app.processEvents();
    std::printf("open, first page shown: %.1f ms (%d rows read)\n", Ms(t),
                window.model().rowCount());

    // Scrolling as the analyst does: to the bottom of what is read, which asks for the next page.
    QScrollBar* bar = window.table()->verticalScrollBar();
    int pages = 0;
    double slowest = 0;
    t.restart();
    while (window.model().canFetchMore({})) {
        QElapsedTimer step;
        step.start();
        bar->setValue(bar->maximum());
        app.processEvents();
        window.table()->scrollToBottom();
        const_cast<RegisterTableModel&>(window.model()).fetchMore({});
        app.processEvents();
        slowest = std::max(slowest, Ms(step));
        ++pages;
    }
    std::printf("scrolled to the end: %.0f ms for %d pages, %d rows; slowest page %.1f ms\n", Ms(t),
                pages, window.model().rowCount(), slowest);

    window.controls().txtfindsite->setText(QStringLiteral("Site 3"));
    t.restart();
    window.Find();
    app.processEvents();
    std::printf("search by site, first page shown: %.1f ms (%d rows)\n", Ms(t),
                window.model().rowCount());
    window.controls().txtfindsite->setText(QString());
    window.controls().txtfrom->setText(QStringLiteral("2030-01-01"));
    t.restart();
    window.Find();
    app.processEvents();
    std::printf("search by a date that no record has (the whole register read): %.1f ms\n", Ms(t));

    // The site window: the register's sites listed, then one site's samples over all its days,
    // then its last 30 samples.
    t.restart();
    ShowSiteWindow(session, QStringLiteral("Site 3"));
    frmsite& site = session.form<frmsite>();
    app.processEvents();
    std::printf("site window open, %d sites listed, Site 3 shown: %.1f ms\n",
                site.controls().cbosite->count(), Ms(t));
    site.controls().cboperiod->setCurrentIndex(1);
    site.controls().txtcount->setText(QStringLiteral("30"));
    t.restart();
    ShowSite(session);
    app.processEvents();
    std::printf("last 30 samples of Site 3 shown: %.1f ms (%zu samples)\n", Ms(t),
                site.shown() ? site.shown()->summary.samples.size() : 0);
    return 0;
}
