#pragma once

#include "ChannelListRow.h"

#include <QStringList>
#include <vector>

class BandState;
class MemoryImage;

// What each dialect of a channel list reads from a row and writes for a channel. A dialect
// function returns the reason a row cannot be used, or empty.
namespace ChannelList {

// This program's own table columns, "CH" first.
QString nativeRow(const ListRow& record, const Columns& columns, ChannelRow& row);

// The columns multi-radio programmers exchange: Location, Name, Frequency, Duplex, Offset, ...
const QStringList& interchangeHeader();
QString interchangeRow(const ListRow& record, const Columns& columns, ChannelRow& row);
// The tone columns (Tone, CrossMode, the tones and codes) as the nearest decode type.
QString interchangeTones(const ListRow& record, const Columns& columns, ChannelRow& row);
// A Power cell: a level name taken as text, watts kept for assignWattLevels.
void interchangePower(const QString& power, ChannelRow& row);
// The list's distinct wattages, lowest to highest, placed on the radio's levels; returns the
// summary line that says how (none when no line gives watts).
QStringList assignWattLevels(std::vector<ChannelRow*>& rows);
QStringList interchangeFields(int channel, const ChannelTable& table, const MemoryImage& image,
                              const BandState& bands);

} // namespace ChannelList
