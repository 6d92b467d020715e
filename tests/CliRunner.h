#pragma once

#include <QProcess>
#include <QProcessEnvironment>
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

// A program run under this environment speaks `lang` ("C", "de_DE.UTF-8", ...) as a user's
// terminal set to it would make it.
inline void setLanguage(QProcessEnvironment& env, const QString& lang) {
    env.insert(QStringLiteral("LANG"), lang);
    env.insert(QStringLiteral("LC_ALL"), lang);
    env.insert(QStringLiteral("LANGUAGE"), lang == QLatin1String("C") ? QString() : lang.left(2));
}

// `detached` runs it without a controlling terminal, as under CI or a service.
inline CliRun runCli(const QStringList& args, int timeoutMs = 30000, bool detached = false) {
    QProcess p;
    if (detached)
        p.setChildProcessModifier([] { setsid(); });
    p.start(cliPath(), args);
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
