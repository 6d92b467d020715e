#pragma once

#include "CsvText.h"
#include "Result.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

class BandState;
class ChannelTable;
class MemoryImage;

// Bank A channels as CSV, in two dialects told apart by the header line: this program's own
// table columns, and the channel-list columns that multi-radio programmers exchange
// (Location, Name, Frequency, Duplex, Offset, Tone, ...).
enum class CsvDialect { Native, Interchange };

// The channels in use, one line each after the header.
QByteArray exportChannels(const MemoryImage& image, const BandState& bands, CsvDialect dialect);

// Where a list's lines land: at the channels they name (a list counting from 0 one higher), or
// in file order from one channel on, gaps closed.
struct ImportPlacement {
    int fromChannel = 0; // 0: at the channels the lines name
};

// What became of one line of the list.
struct ImportedLine {
    int line = 0;
    int channel = 0;       // where it landed, or would have; 0 when it names none
    bool imported = false; // false: skipped
    QString what;          // why it was skipped, or what changed on the way; empty when nothing
};

// On failure `message` says why nothing was imported.
struct ImportResult : Result {
    QStringList warnings; // "line N: ...; skipped" for each row that was skipped
    QStringList notes;    // "line N: ..." for what an applied row did that a user should know
    QStringList summary;  // one line each for what many lines share (placement, watts, names)
    std::vector<ImportedLine> lines;
    int imported = 0;
    int skipped = 0;
    // "39 channels imported, 2 lines skipped"
    QString countText() const;
    static ImportResult failure(const QString& message);
};

// Applies the CSV's channels to the image as typed cells would be, then stores the table once.
// Channels the file does not name stay as they are. On failure the image and the band state
// are untouched; skipped rows never leave part of themselves behind. Tab-separated lists, as
// spreadsheets write them, are read as well.
ImportResult importChannels(MemoryImage& image, BandState& bands, const QByteArray& csv,
                            ImportPlacement placement = {});

// The dialect a header line names, if it is one.
std::optional<CsvDialect> channelListDialect(const QStringList& header);
// Rows already split, the first being the header, applied as importChannels applies a file.
ImportResult importChannelRows(MemoryImage& image, BandState& bands, const QList<ListRow>& rows,
                               ImportPlacement placement = {});

// The table's rows in its own columns, the header first, cells separated by `separator`.
QByteArray nativeChannelList(const ChannelTable& table, const std::vector<int>& rows,
                             QChar separator);
