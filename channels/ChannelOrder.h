#pragma once

#include "ChannelTable.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

class BandState;
class MemoryImage;

// Putting order into bank A: sorting channels by the table's columns and closing the gaps
// between them. Whole records move (every field, also those the table does not show), the
// priority channel follows the channel it names, bank B is untouched, and channel 1 always
// holds a channel of a main band.
namespace ChannelOrder {

struct SortKey {
    int column = ChannelTable::Rx; // Rx, Tx, Name, Decode Type, CTCSS, DCS, Power, Scan, ...
    bool descending = false;
};

// The columns a sort can use, and a key's name as the command line writes it ("rx", "name").
const std::vector<int>& sortColumns();
QString keyName(int column);
std::optional<int> columnOfKeyName(const QString& name);

// What a sort or close gaps did.
struct Moved {
    std::vector<int> source; // channel n now holds what channel source[n] held (1-800)
    int moved = 0;           // channels whose place changed
    QString note;            // what the user should know besides (channel 1's rule)
    // "17 -> 2" for each channel that moved, in the order of their new places.
    QStringList lines() const;
};

// Sorts the channels in use among `rows` (ascending channel numbers) into the places those
// channels held; empty rows stay where they are. With no rows, every channel in use is sorted
// into 1, 2, ... and the empty channels go to the end. Equal keys keep their order.
Moved sort(MemoryImage& image, const BandState& bands, const std::vector<SortKey>& keys,
           const std::vector<int>& rows = {});

// Moves the channels in use between `first` and `last` up so that they follow each other from
// `first`, keeping their order.
Moved closeGaps(MemoryImage& image, int first = 1, int last = ChannelTable::kRows);

} // namespace ChannelOrder
