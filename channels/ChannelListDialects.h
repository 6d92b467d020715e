#pragma once

#include "ChannelListRow.h"

#include <QStringList>

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
QStringList interchangeFields(int channel, const ChannelTable& table, const MemoryImage& image,
                              const BandState& bands);

} // namespace ChannelList
