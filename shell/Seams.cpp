// The seams as the desktop provides them.
#include "shell/Seams.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>

namespace tubewise {

Seams Seams::Desktop() {
    Seams s;
    s.message = [](QWidget* parent, const QString& prompt, const QString& title) {
        QMessageBox box(QMessageBox::Information, title, prompt, QMessageBox::Ok, parent);
        box.exec();
    };
    s.saveFileName = [](QWidget* parent, const QString& filter, const QString& lastName) {
        return QFileDialog::getSaveFileName(parent, QString(), lastName, filter);
    };
    s.openUrl = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
    // exit() leaves every running event loop, the modal ones included.
    s.quit = [] { QCoreApplication::exit(0); };
    s.copyText = [](const QString& text) { QGuiApplication::clipboard()->setText(text); };
    return s;
}

}  // namespace tubewise
