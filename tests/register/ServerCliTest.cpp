// tubewise-cli register on a PostgreSQL server: the same commands through a postgresql:// URL.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>

#include "tests/register/TestRegister.h"
#include "tests/support/CliProcess.h"

namespace tubewise::testing {
namespace {

TEST(ServerCli, AddAmendListAndVerify) {
    TestRegister reg;
    ASSERT_FALSE(reg.location.isEmpty());
    const QString cli = QStringLiteral(TUBEWISE_CLI);
    const auto run = [&](QStringList args) {
        args.insert(2, QStringLiteral("--db"));
        args.insert(3, reg.location);
        return RunCli(cli, args, QStringLiteral("C.UTF-8"));
    };
    const CliRun added =
        run({QStringLiteral("register"), QStringLiteral("add"), QStringLiteral("--sample"),
             QStringLiteral("P1"), QStringLiteral("10:5:0"), QStringLiteral("1:3:2"),
             QStringLiteral("0.1:0:5")});
    ASSERT_EQ(added.exitCode, 0) << added.err.toStdString();
    EXPECT_EQ(added.out.split('\n').first(), "1");
    const CliRun amended =
        run({QStringLiteral("register"), QStringLiteral("amend"), QStringLiteral("--record"),
             QStringLiteral("1"), QStringLiteral("--reason"), QStringLiteral("re-read"),
             QStringLiteral("10:5:0"), QStringLiteral("1:4:1")});
    ASSERT_EQ(amended.exitCode, 0) << amended.err.toStdString();
    const QJsonArray list =
        QJsonDocument::fromJson(
            run({QStringLiteral("register"), QStringLiteral("list"), QStringLiteral("--json")}).out)
            .array();
    ASSERT_EQ(list.size(), 1);
    EXPECT_EQ(list[0].toObject()[QStringLiteral("version")].toInt(), 2);
    const CliRun verify = run({QStringLiteral("register"), QStringLiteral("verify")});
    EXPECT_EQ(verify.exitCode, 0) << verify.err.toStdString();
    EXPECT_TRUE(verify.out.contains("1 records, 2 versions")) << verify.out.toStdString();
}

}  // namespace
}  // namespace tubewise::testing
