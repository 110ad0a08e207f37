// Runs the built tubewise-cli as a separate process, as a user's shell would, and collects
// what it printed; a run that does not end within a minute counts as crashed.
#pragma once

#include <QByteArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

namespace tubewise::testing {

struct CliRun {
    int exitCode = -1;
    bool crashed = false;
    QByteArray out;
    QByteArray err;
    QJsonObject json() const { return QJsonDocument::fromJson(out).object(); }
};

// `workingDir` empty: the test's own working folder. `extraEnv` holds NAME=VALUE entries.
inline CliRun RunCli(const QString& program, const QStringList& args, const QString& lcAll,
                     const QString& workingDir = {}, const QStringList& extraEnv = {}) {
    QProcess p;
    if (!workingDir.isEmpty()) p.setWorkingDirectory(workingDir);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LC_ALL"), lcAll);
    for (const QString& entry : extraEnv)
        env.insert(entry.section(QLatin1Char('='), 0, 0), entry.section(QLatin1Char('='), 1));
    p.setProcessEnvironment(env);
    p.start(program, args);
    CliRun r;
    if (!p.waitForFinished(60000)) {
        p.kill();
        p.waitForFinished();
        r.crashed = true;
        return r;
    }
    r.crashed = p.exitStatus() != QProcess::NormalExit;
    r.exitCode = p.exitCode();
    r.out = p.readAllStandardOutput();
    r.err = p.readAllStandardError();
    return r;
}

}  // namespace tubewise::testing
