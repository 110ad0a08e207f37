// The seams as the desktop provides them.
#include "shell/Seams.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGuiApplication>
#include <QMessageBox>
#include <QSettings>
#include <QStringList>

namespace tubewise {

namespace {

// What a window manager puts beside the title: the icon and the frame's buttons.
constexpr int kTitleBarRoom = 120;

// The settings key of the limit profiles; one profile a line.
const QString kSiteProfilesKey = QStringLiteral("siteProfiles");

// The box's label guesses each line's direction from its first strong letter, which makes a
// Persian line right to left; a left-to-right mark ahead of every line settles it.
QString LeftToRightLines(const QString& prompt) {
    QStringList lines = prompt.split(QLatin1Char('\n'));
    for (QString& line : lines) line.prepend(QChar(0x200E));
    return lines.join(QLatin1Char('\n'));
}

}  // namespace

std::unique_ptr<QMessageBox> MakeMessageBox(QWidget* parent, const QString& prompt,
                                            const QString& title) {
    auto box = std::make_unique<QMessageBox>(QMessageBox::Information, title,
                                             LeftToRightLines(prompt), QMessageBox::Ok, parent);
    // A path or a reason in the prompt could look like markup.
    box->setTextFormat(Qt::PlainText);
    // Spoken as they are written, without the marks that only direct the layout.
    box->setAccessibleName(title);
    box->setAccessibleDescription(prompt);
    // The box sizes itself to its text when shown and would cut a title longer than a short
    // prompt; a spacer as wide as the title bar needs keeps it wide enough. Title bars are
    // mostly bold.
    QFont titleFont = QFontDatabase::systemFont(QFontDatabase::TitleFont);
    titleFont.setBold(true);
    const int titleBar = QFontMetrics(titleFont).horizontalAdvance(title) + kTitleBarRoom;
    if (auto* grid = qobject_cast<QGridLayout*>(box->layout())) {
        grid->addItem(new QSpacerItem(titleBar, 0, QSizePolicy::Fixed, QSizePolicy::Minimum),
                      grid->rowCount(), 0, 1, grid->columnCount());
    }
    return box;
}

Seams Seams::Desktop() {
    Seams s;
    s.message = [](QWidget* parent, const QString& prompt, const QString& title) {
        MakeMessageBox(parent, prompt, title)->exec();
    };
    s.saveFileName = [](QWidget* parent, const QString& filter, const QString& lastName) {
        // Qt's dialog, in the interface's language (Qt's Persian translations) and, in
        // Persian, laid out from the right as a Persian reader expects.
        QFileDialog dialog(parent, QString(), lastName, filter);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setLayoutDirection(CurrentLanguage() == Language::Persian ? Qt::RightToLeft
                                                                         : Qt::LeftToRight);
        return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
    };
    s.openUrl = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
    // exit() leaves every running event loop, the modal ones included.
    s.quit = [] { QCoreApplication::exit(0); };
    s.copyText = [](const QString& text) { QGuiApplication::clipboard()->setText(text); };
    s.rememberLanguage = [](Language language) {
        QSettings settings(QStringLiteral("Tubewise"), QStringLiteral("Tubewise"));
        StoreLanguage(settings, language);
    };
    s.readSiteProfiles = [] {
        QSettings settings(QStringLiteral("Tubewise"), QStringLiteral("Tubewise"));
        return settings.value(kSiteProfilesKey).toString().toStdString();
    };
    s.keepSiteProfiles = [](const std::string& text) {
        QSettings settings(QStringLiteral("Tubewise"), QStringLiteral("Tubewise"));
        settings.setValue(kSiteProfilesKey, QString::fromStdString(text));
        settings.sync();
        return settings.status() == QSettings::NoError;
    };
    return s;
}

}  // namespace tubewise
