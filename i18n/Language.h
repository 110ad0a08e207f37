// The language of the run: Persian, the program's own and the source of every text, or
// English through Qt's translation machinery; shared by the windows and the command line.
#pragma once

#include <QString>
#include <QStringView>
#include <optional>

class QSettings;

namespace tubewise {

enum class Language { Persian, English };

// "fa" or "en"; nullopt for anything else.
std::optional<Language> LanguageFromCode(QStringView code);
QString LanguageCode(Language language);

// Makes `language` the run's language: the English translations are installed on the
// application, or removed for Persian, and the core's catalogue (core/Texts.h) follows. Qt then
// sends every widget a LanguageChange event. Needs the application object; false when the
// translations could not be loaded (the run then stays Persian).
bool UseLanguage(Language language);
// Qt's own texts (its dialogs' buttons, and the system's error texts it gives) in Persian too
// where the language is Persian: for the desktop program, whose save dialog the analyst reads.
// The command line keeps the system's English words in its messages, as scripts expect them.
void UseQtTexts(Language language);
Language CurrentLanguage();

// The language the analyst chose last; Persian when nothing (or nothing known) is stored.
Language StoredLanguage(const QSettings& settings);
void StoreLanguage(QSettings& settings, Language language);

}  // namespace tubewise
