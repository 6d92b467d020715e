#pragma once

#include "Command.h"

class MemoryImage;

// Loads a data file for a command, reporting a failure on stderr. Returns false on failure.
bool loadForCommand(const QString& path, MemoryImage& image, CliStreams& io);
// Saves a data file for a command (atomically), reporting a failure on stderr.
bool saveForCommand(const QString& path, const MemoryImage& image, CliStreams& io);

// Splits "-o FILE" / "--output FILE" off the arguments. Returns false on a dangling option.
bool takeOutputOption(QStringList& args, QString& output);
