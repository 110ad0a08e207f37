// Tubewise starts at its welcome window, in the language chosen last (Persian on a new
// installation) or the one `--lang fa|en` asks for this run.
#include <QApplication>
#include <QSettings>
#include <cstdio>
#include <optional>

#include "app/Road.h"
#include "i18n/Language.h"
#include "shell/Session.h"

namespace {

// The value of --lang VALUE or --lang=VALUE, if given; other arguments are not the program's.
std::optional<QString> LanguageArgument(const QStringList& arguments) {
    std::optional<QString> value;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (arguments[i] == QLatin1String("--lang") && i + 1 < arguments.size())
            value = arguments[++i];
        else if (arguments[i].startsWith(QLatin1String("--lang=")))
            value = arguments[i].mid(7);
        else if (arguments[i] == QLatin1String("--lang"))
            value = QString();
    }
    return value;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tubewise"));
    QApplication::setApplicationVersion(QStringLiteral(TUBEWISE_VERSION));
    // The windows' close boxes end the program through the session, not by the last window.
    QApplication::setQuitOnLastWindowClosed(false);

    tubewise::Language language =
        tubewise::StoredLanguage(QSettings(QStringLiteral("Tubewise"), QStringLiteral("Tubewise")));
    if (const auto asked = LanguageArgument(QApplication::arguments())) {
        const auto chosen = tubewise::LanguageFromCode(*asked);
        if (!chosen) {
            std::fprintf(stderr, "tubewise: --lang takes fa or en, not '%s'\n", qPrintable(*asked));
            return 64;
        }
        language = *chosen;
    }
    if (!tubewise::UseLanguage(language))
        std::fprintf(stderr, "tubewise: the English translations could not be loaded\n");
    tubewise::UseQtTexts(tubewise::CurrentLanguage());

    tubewise::Session session;
    tubewise::Road road(session);
    tubewise::StartProgram(session);
    return app.exec();
}
