#pragma once

#include "ChannelCsv.h"

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

class BandState;
class ChannelTable;
class MemoryImage;

// Channel rows on the clipboard, in the forms other programs paste (tab-separated text with the
// table's header for spreadsheets and text editors, and CSV), and in this program's own form,
// the whole records, so that a copy within the program keeps every field.
namespace ChannelClipboard {

inline const QString kRecordsFormat = QStringLiteral("application/x-duoband-channel-records");
inline const QString kCsvFormat = QStringLiteral("text/csv");

struct Copied {
    QString text;       // tab-separated, header first
    QByteArray csv;     // the same as CSV
    QByteArray records; // 32 bytes a row
};
Copied copy(const ChannelTable& table, const MemoryImage& image, const std::vector<int>& rows);

// Clipboard text as rows landing at `first`, `first` + 1, ... whatever channels they name: with
// a header line in either dialect, or without one in the table's own column order (from "CH"
// when the first cell is a whole number, else from "Rx Freq"). The rows go through the rules
// of an import; rows past channel 800 are skipped and reported.
ImportResult pasteText(MemoryImage& image, BandState& bands, const QString& text, int first);

// Records this program copied, placed as they are at `first`, ... when every one in use lies in
// a band of this data; otherwise nothing changes and nullopt says to paste the text instead.
// Returns how many were placed (rows past channel 800 are left out).
std::optional<int> pasteRecords(MemoryImage& image, const BandState& bands,
                                const QByteArray& records, int first);

} // namespace ChannelClipboard
