#pragma once

#include "ChannelTable.h"
#include "CsvText.h"
#include "Frequency.h"
#include "OptionTables.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <climits>
#include <optional>

class BandState;
class MemoryImage;

// One row of a channel list in the channel table's terms, and the helpers both list dialects
// read their cells with.
namespace ChannelList {

// What one CSV row asks for, in the table's own terms. A cell that is not given (no column, or a
// blank list cell) leaves the channel's field as it is.
struct ChannelRow {
    static constexpr int kUnplaced = INT_MIN; // no channel read or given
    int channel = kUnplaced;
    QString cells[ChannelTable::kColumns];
    bool given[ChannelTable::kColumns] = {true, true, true, true, true, true,
                                          true, true, true, true, true, true};
    std::optional<bool> am;        // interchange "Mode" AM
    std::optional<int> stepCode;   // interchange "TStep"
    bool keepWideOrMiddle = false; // interchange "FM": any bandwidth but Narrow
    std::optional<double> watts;   // interchange "Power" in watts, placed by the whole list
    QStringList notes;             // told to the user when the row is applied
};

// Column index by header name.
using Columns = QHash<QString, int>;

// The row's cell under the named column; empty when there is none.
QString field(const ListRow& record, const Columns& columns, const QString& name);
bool parseChannel(const QString& text, int& channel);

// A cell as a message quotes it: cut to about 40 characters.
QString quote(const QString& cell);
// Frequencies and offsets as the 4-byte fields hold them: 0 to 999.99999 MHz; nullopt beyond.
std::optional<Frequency> storable(const QString& mhz);
bool isNumber(const QString& text);
// "%.6f" MHz as channel lists write frequencies.
QString mhz6(Frequency f);
// The entry of a list with this text, in any case; -1 when none has it.
int listIndex(OptionTable table, const QString& text);

// Checks a row against what a user could type: numbers where numbers go and within what their
// fields hold, list texts from the lists, and frequencies inside a band. Returns the reason it
// cannot be used, or empty. List cells are set to the list's own spelling.
QString checkRow(ChannelRow& row, const BandState& bands);

// Enters a checked row into the table as typed cells, then the fields the table does not show.
// Returns why the row cannot be stored as it stands (a frequency the rules would replace);
// the caller then puts the channel back as it was.
QString applyRow(ChannelTable& table, MemoryImage& image, ChannelRow row);

} // namespace ChannelList
