// The desktop program's command line: a language other than fa or en is refused before any
// window opens.
#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>

namespace {

TEST(Start, ALanguageOtherThanPersianOrEnglishIsRefused) {
    for (const QStringList& args :
         {QStringList{"--lang", "de"}, QStringList{"--lang=EN"}, QStringList{"--lang"}}) {
        QProcess tubewise;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        tubewise.setProcessEnvironment(env);
        tubewise.start(QStringLiteral(TUBEWISE_APP), args);
        ASSERT_TRUE(tubewise.waitForFinished(30000)) << args.join(' ').toStdString();
        EXPECT_EQ(tubewise.exitCode(), 64) << args.join(' ').toStdString();
        EXPECT_TRUE(tubewise.readAllStandardError().contains("--lang takes fa or en"));
    }
}

}  // namespace
