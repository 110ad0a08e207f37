// One run of the program: the last calculation, the seams and the windows' lifetimes.
#include "shell/Session.h"

#include <QLocale>

#include "shell/Form.h"

namespace tubewise {

Session::Session(Seams seams) : seams_(std::move(seams)) {}

Session::~Session() {
    ending_ = true;
    for (auto& entry : forms_) delete entry.second.data();
}

NumberLocale Session::numberLocale() const {
    NumberLocale locale;
    locale.decimalSeparator = QLocale::system().decimalPoint().toStdString();
    return locale;
}

void Session::tell(QWidget* parent, const Message& message) const {
    if (seams_.message)
        seams_.message(parent, QString::fromStdString(message.prompt),
                       QString::fromStdString(message.title));
}

void Session::SwitchLanguage(Language language) {
    if (ending_ || language == CurrentLanguage()) return;
    if (!UseLanguage(language)) return;
    UseQtTexts(language);
    if (seams_.rememberLanguage) seams_.rememberLanguage(language);
    emit languageChanged(language);
}

void Session::discard(QWidget* form) {
    for (auto& entry : forms_)
        if (entry.second == form) entry.second = nullptr;
}

void Session::EndProgram() {
    if (ending_) return;
    ending_ = true;
    // Handlers still on the stack may belong to these windows: hide them now and delete
    // them once control is back in the event loop.
    for (auto& entry : forms_) {
        if (QWidget* form = entry.second.data()) {
            form->hide();
            form->deleteLater();
        }
    }
    if (seams_.quit) seams_.quit();
}

}  // namespace tubewise
