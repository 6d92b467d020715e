#pragma once

#include "Command.h"

class Document;
class QCommandLineOption;

// Opens a data file into the document for a command, reporting a failure on stderr. The band
// state is the file's, enabled bands included. Returns false on failure.
bool openForCommand(const QString& path, Document& document, CliStreams& io);
// Saves the document for a command (atomically), reporting a failure on stderr; "-" is
// standard output.
bool saveForCommand(const QString& path, Document& document, CliStreams& io);
// Writes a command's output file (see writeWholeFile); "-" is standard output.
bool writeForCommand(const QString& path, const QByteArray& bytes, CliStreams& io);

// The "-o FILE" option of the verbs that write a file.
QCommandLineOption outputOption(const QString& what);
