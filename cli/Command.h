#pragma once

#include <QStringList>
#include <QTextStream>
#include <optional>

class QCommandLineParser;

// One verb of duoband-cli. Exit codes are shared by all verbs.
enum ExitCode { kExitOk = 0, kExitFailure = 1, kExitUsage = 2 };

struct CliStreams {
    QTextStream& out;
    QTextStream& err;
};

struct Command {
    const char* name;
    const char* synopsis; // arguments, for the help texts
    const char* summary;
    int (*run)(const QStringList& args, CliStreams& io);
};

// Reports a usage error of `verb` and returns kExitUsage.
int usageError(CliStreams& io, const char* verb, const QString& problem);

// Parses a verb's arguments with its parser (options and positional arguments already added).
// Returns the exit code when the verb is done: its help was asked for (kExitOk) or the
// arguments are wrong (kExitUsage); nullopt when the verb goes on.
std::optional<int> parseVerb(QCommandLineParser& parser, const char* verb, const QStringList& args,
                             CliStreams& io);

int runNew(const QStringList& args, CliStreams& io);
int runInfo(const QStringList& args, CliStreams& io);
int runRead(const QStringList& args, CliStreams& io);
int runWrite(const QStringList& args, CliStreams& io);
int runPorts(const QStringList& args, CliStreams& io);
int runSim(const QStringList& args, CliStreams& io);
int runExport(const QStringList& args, CliStreams& io);
int runImport(const QStringList& args, CliStreams& io);
int runReport(const QStringList& args, CliStreams& io);
int runDiff(const QStringList& args, CliStreams& io);
int runSort(const QStringList& args, CliStreams& io);
int runCompact(const QStringList& args, CliStreams& io);
int runBackups(const QStringList& args, CliStreams& io);
