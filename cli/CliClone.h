#pragma once

#include "CloneEngine.h"
#include "Command.h"

#include <optional>

class MemoryImage;
class QCommandLineParser;

// The port and access code of a command that talks to the radio.
struct CloneArgs {
    QString port;
    std::optional<QString> code;
};

// One transfer, with a progress bar on a terminal and the access code from --code or asked for;
// a failure is reported on stderr.
CloneReport runClone(CloneDirection direction, const CloneArgs& args, MemoryImage& image,
                     CliStreams& io);

// The --port and --code options, parsed with the verb's own; an exit code when the verb is done.
std::optional<int> parseClone(QCommandLineParser& parser, const char* verb, const QStringList& args,
                              CliStreams& io, CloneArgs& clone);

// Where the backups of radio reads go (the data folder's "Backups"), and keeping one: a failure
// is a warning on stderr, never a failed read.
QString backupRoot();
void keepBackup(const MemoryImage& read, CliStreams& io);
