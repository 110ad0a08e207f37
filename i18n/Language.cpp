// Installing and removing the English translations, and remembering the choice.
#include "i18n/Language.h"

#include <QCoreApplication>
#include <QSettings>
#include <QLibraryInfo>
#include <QTranslator>

#include "core/Texts.h"

namespace tubewise {

namespace {

const QString kSettingsKey = QStringLiteral("language");

Language current = Language::Persian;
bool installed = false;  // the English translator is installed on the application

QTranslator& EnglishTranslator() {
    static QTranslator translator;
    return translator;
}

// Qt's own texts in Persian (the save dialog's buttons, its file list), from Debian's Qt
// translations; without them Qt's dialogs stay English in the Persian interface.
QTranslator& QtPersianTranslator() {
    static QTranslator translator;
    return translator;
}
bool qtPersianInstalled = false;

void UseQtPersian(bool persian) {
    QTranslator& qt = QtPersianTranslator();
    if (persian && !qtPersianInstalled) {
        if (qt.isEmpty() && !qt.load(QStringLiteral("qtbase_fa"),
                                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            return;  // not installed: Qt's dialogs stay English, nothing else changes
        qtPersianInstalled = QCoreApplication::installTranslator(&qt);
    } else if (!persian && qtPersianInstalled) {
        QCoreApplication::removeTranslator(&qt);
        qtPersianInstalled = false;
    }
}

// The core's catalogue looked up in the installed translations.
std::string TranslateCatalogue(const char* context, const char* source, int n) {
    return QCoreApplication::translate(context, source, nullptr, n).toStdString();
}

}  // namespace

std::optional<Language> LanguageFromCode(QStringView code) {
    if (code == u"fa") return Language::Persian;
    if (code == u"en") return Language::English;
    return std::nullopt;
}

QString LanguageCode(Language language) {
    return language == Language::English ? QStringLiteral("en") : QStringLiteral("fa");
}

bool UseLanguage(Language language) {
    QTranslator& english = EnglishTranslator();
    if (language == Language::English) {
        if (english.isEmpty() && !english.load(QStringLiteral(":/i18n/tubewise_en.qm")))
            return false;
        // Installed twice, it would have to be removed twice.
        if (!installed && !QCoreApplication::installTranslator(&english)) return false;
        installed = true;
        text::SetTranslator(&TranslateCatalogue);
    } else {
        // Persian is the source language: no lookup at all, so Persian runs show the texts
        // exactly as they are written.
        text::SetTranslator(nullptr);
        if (installed) QCoreApplication::removeTranslator(&english);
        installed = false;
    }
    current = language;
    return true;
}

void UseQtTexts(Language language) {
    UseQtPersian(language == Language::Persian);
}

Language CurrentLanguage() {
    return current;
}

Language StoredLanguage(const QSettings& settings) {
    return LanguageFromCode(settings.value(kSettingsKey).toString()).value_or(Language::Persian);
}

void StoreLanguage(QSettings& settings, Language language) {
    settings.setValue(kSettingsKey, LanguageCode(language));
}

}  // namespace tubewise
