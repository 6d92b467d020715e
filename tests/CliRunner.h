#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <unistd.h>

// Runs duoband-cli from the build's program folder and collects what it printed.
struct CliRun {
    int exitCode = -1;
    QString out;
    QString err;
};

inline QString cliPath() {
    return qEnvironmentVariable("DUOBAND_BIN") + QStringLiteral("/duoband-cli");
}

// `detached` runs it without a controlling terminal, as under CI or a service.
inline CliRun runCli(const QStringList& args, int timeoutMs = 30000, bool detached = false) {
    QProcess p;
    if (detached)
        p.setChildProcessModifier([] { setsid(); });
    p.start(qEnvironmentVariable("DUOBAND_BIN") + QStringLiteral("/duoband-cli"), args);
    CliRun run;
    if (!p.waitForFinished(timeoutMs)) {
        p.kill();
        p.waitForFinished();
        run.err = QStringLiteral("timed out");
        return run;
    }
    run.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    run.out = QString::fromUtf8(p.readAllStandardOutput());
    run.err = QString::fromUtf8(p.readAllStandardError());
    return run;
}
