#pragma once

#include <QString>
#include <optional>

class ChannelTable;

// Finding a channel in the table by name or frequency: text is matched against Name (without
// regard to case) and against Rx and Tx (a frequency typed as "145.5" finds 145.50000).
namespace ChannelFind {

struct Cell {
    int row = 0;
    int column = 0;
};

bool matches(const ChannelTable& table, int row, int column, const QString& text);

// The next matching cell after `from` (or before it, backwards), row by row through Rx, Tx and
// Name, wrapping around the table; nullopt when no cell matches. `wrapped` tells whether the
// search went past the end (or the start).
std::optional<Cell> next(const ChannelTable& table, const QString& text, Cell from, bool forward,
                         bool* wrapped = nullptr);

} // namespace ChannelFind
