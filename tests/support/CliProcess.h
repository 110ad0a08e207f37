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

// Runs `program` with `env` until it ends (a minute at most; then it is killed and counted as
// crashed). `workingDir` empty: the test's own working folder.
inline CliRun RunWithEnvironment(const QString& program, const QStringList& args,
                                 const QProcessEnvironment& env, const QString& workingDir = {}) {
    QProcess p;
    if (!workingDir.isEmpty()) p.setWorkingDirectory(workingDir);
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

// `extraEnv` holds NAME=VALUE entries.
inline CliRun RunCli(const QString& program, const QStringList& args, const QString& lcAll,
                     const QString& workingDir = {}, const QStringList& extraEnv = {}) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LC_ALL"), lcAll);
    for (const QString& entry : extraEnv)
        env.insert(entry.section(QLatin1Char('='), 0, 0), entry.section(QLatin1Char('='), 1));
    return RunWithEnvironment(program, args, env, workingDir);
}

// As on a server: no display of any kind, the C locale.
inline CliRun RunCliWithoutDisplay(const QString& program, const QStringList& args) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(QLatin1String(name));
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
    return RunWithEnvironment(program, args, env);
}

}  // namespace tubewise::testing
