#pragma once

#include "Result.h"

#include <QByteArray>
#include <QString>

// Writes a whole file without ever replacing anything but a regular file. A regular file, or a
// path where nothing is yet, is replaced atomically: a failure leaves the old file as it was.
// A character device or a FIFO (/dev/null, /dev/stdout, a pipe) is written straight into, as
// it cannot be replaced. A directory, block device or socket is refused. A symbolic link is
// followed to what it names. On failure the message names the file and the cause.
Result writeWholeFile(const QString& path, const QByteArray& bytes);
