// The few places where the program waits on the user or the desktop: message boxes, the
// save dialog, the web browser and ending the program. Tests replace them with answers.
#pragma once

#include <QString>
#include <QUrl>
#include <functional>
#include <memory>
#include <string>

#include "i18n/Language.h"

class QMessageBox;
class QWidget;

namespace tubewise {

struct Seams {
    // Modal information box with a single OK button.
    std::function<void(QWidget* parent, const QString& prompt, const QString& title)> message;
    // Modal save dialog; returns the chosen path, or an empty string when cancelled.
    std::function<QString(QWidget* parent, const QString& filter, const QString& lastName)>
        saveFileName;
    // Hands an address to the desktop's browser; the result is not reported to the user.
    std::function<bool(const QUrl& url)> openUrl;
    // Ends the program at once.
    std::function<void()> quit;
    // Puts a text on the desktop's clipboard.
    std::function<void(const QString& text)> copyText;
    // Keeps the language the analyst chose for the next run.
    std::function<void(Language language)> rememberLanguage;
    // The analyst's limit profiles as the settings keep them (the text of site::WriteProfiles),
    // and keeping them; false when the settings could not be written.
    std::function<std::string()> readSiteProfiles;
    std::function<bool(const std::string& text)> keepSiteProfiles;

    // Real message boxes, file dialog, QDesktopServices, QCoreApplication::quit, the clipboard
    // and the program's settings.
    static Seams Desktop();
};

// The information box of Seams::Desktop(), built but not shown. Each line of the prompt is a
// left-to-right paragraph, as in the window labels, so a mark stored first stands at the
// left; the box is never narrower than its title in the window's title bar. A screen reader
// announces it by its title and prompt.
std::unique_ptr<QMessageBox> MakeMessageBox(QWidget* parent, const QString& prompt,
                                            const QString& title);

}  // namespace tubewise
