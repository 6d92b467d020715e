#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QtGlobal>

// Runs duoband-cli from the build's program folder and collects what it printed.
struct CliRun {
    int exitCode = -1;
    QString out;
    QString err;
};

inline CliRun runCli(const QStringList& args, int timeoutMs = 30000) {
    QProcess p;
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
