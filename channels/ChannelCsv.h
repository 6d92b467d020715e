#pragma once

#include "Result.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

class BandState;
class QFileDevice;
class MemoryImage;

// Bank A channels as CSV, in two dialects told apart by the header line: this program's own
// table columns, and the channel-list columns that multi-radio programmers exchange
// (Location, Name, Frequency, Duplex, Offset, Tone, ...).
enum class CsvDialect { Native, Interchange };

// The channels in use, one line each after the header.
QByteArray exportChannels(const MemoryImage& image, const BandState& bands, CsvDialect dialect);

// On failure `message` says why nothing was imported.
struct ImportResult : Result {
    QStringList warnings; // "line N: ...; skipped" for each row that was skipped
    QStringList notes;    // "line N: ..." for what an applied row did that a user should know
    int imported = 0;
};

// Reads a channel list from a file or stream, refusing one above 16 MiB or with a line above
// 64 KiB before reading it whole (a list of 800 channels is some 60 KiB).
constexpr qint64 kMaxChannelListBytes = 16 * 1024 * 1024;
constexpr qint64 kMaxChannelListLine = 64 * 1024;
Result readChannelList(QFileDevice& in, const QString& name, QByteArray& csv);

// Applies the CSV's channels to the image as typed cells would be, then stores the table once.
// Channels the file does not name stay as they are. On failure the image and the band state
// are untouched; skipped rows never leave part of themselves behind.
ImportResult importChannels(MemoryImage& image, BandState& bands, const QByteArray& csv);
